package android.widget;

import android.content.Context;

public class GridView extends AbsListView {
    public static final int AUTO_FIT = -1;
    public static final int NO_STRETCH = 0;
    public static final int STRETCH_SPACING = 1;
    public static final int STRETCH_COLUMN_WIDTH = 2;
    public static final int STRETCH_SPACING_UNIFORM = 3;

    public GridView(Context context) { super(null); throw new RuntimeException("Stub!"); }

    public ListAdapter getAdapter() { throw new RuntimeException("Stub!"); }
    public void setAdapter(ListAdapter adapter) { throw new RuntimeException("Stub!"); }
    public void setSelection(int position) { throw new RuntimeException("Stub!"); }
    public void setNumColumns(int numColumns) { throw new RuntimeException("Stub!"); }
    public int getNumColumns() { throw new RuntimeException("Stub!"); }
    public void setColumnWidth(int columnWidth) { throw new RuntimeException("Stub!"); }
    public void setStretchMode(int stretchMode) { throw new RuntimeException("Stub!"); }
    public void setHorizontalSpacing(int horizontalSpacing) { throw new RuntimeException("Stub!"); }
    public void setVerticalSpacing(int verticalSpacing) { throw new RuntimeException("Stub!"); }
}
