package android.widget;

import android.content.Context;
import android.view.View;

public abstract class AbsListView extends AdapterView<ListAdapter> {
    public AbsListView(Context context) { super(null); throw new RuntimeException("Stub!"); }

    public void setAdapter(ListAdapter adapter) { throw new RuntimeException("Stub!"); }
    public View getSelectedView() { throw new RuntimeException("Stub!"); }
    public void setTextFilterEnabled(boolean textFilterEnabled) { throw new RuntimeException("Stub!"); }
    public void setStackFromBottom(boolean stackFromBottom) { throw new RuntimeException("Stub!"); }
    public void smoothScrollToPosition(int position) { throw new RuntimeException("Stub!"); }
    public void setFastScrollEnabled(boolean enabled) { throw new RuntimeException("Stub!"); }
}
