package android.widget;

import android.content.Context;
import android.view.View;

public class ListView extends AbsListView {
    public ListView(Context context) { super(null); throw new RuntimeException("Stub!"); }

    public ListAdapter getAdapter() { throw new RuntimeException("Stub!"); }
    public void setAdapter(ListAdapter adapter) { throw new RuntimeException("Stub!"); }
    public void setSelection(int position) { throw new RuntimeException("Stub!"); }
    public void addHeaderView(View v) { throw new RuntimeException("Stub!"); }
    public void addFooterView(View v) { throw new RuntimeException("Stub!"); }
    public int getHeaderViewsCount() { throw new RuntimeException("Stub!"); }
    public int getFooterViewsCount() { throw new RuntimeException("Stub!"); }
    public void setDividerHeight(int height) { throw new RuntimeException("Stub!"); }
}
