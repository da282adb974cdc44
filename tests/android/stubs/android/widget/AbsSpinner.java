package android.widget;

import android.content.Context;
import android.view.View;

public abstract class AbsSpinner extends AdapterView<SpinnerAdapter> {
    public AbsSpinner(Context context) { super(null); throw new RuntimeException("Stub!"); }

    public void setAdapter(SpinnerAdapter adapter) { throw new RuntimeException("Stub!"); }
    public SpinnerAdapter getAdapter() { throw new RuntimeException("Stub!"); }
    public int getCount() { throw new RuntimeException("Stub!"); }
    public void setSelection(int position, boolean animate) { throw new RuntimeException("Stub!"); }
    public void setSelection(int position) { throw new RuntimeException("Stub!"); }
    public View getSelectedView() { throw new RuntimeException("Stub!"); }
    public int pointToPosition(int x, int y) { throw new RuntimeException("Stub!"); }
}
