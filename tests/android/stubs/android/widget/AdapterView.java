package android.widget;

import android.content.Context;
import android.view.ContextMenu;
import android.view.View;
import android.view.ViewGroup;

public abstract class AdapterView<T extends Adapter> extends ViewGroup {
    public static final int INVALID_POSITION = -1;
    public static final long INVALID_ROW_ID = -9223372036854775808L;

    public AdapterView(Context context) { super(null); throw new RuntimeException("Stub!"); }

    public abstract T getAdapter();
    public abstract void setAdapter(T adapter);
    public abstract View getSelectedView();
    public abstract void setSelection(int position);

    public void setOnItemClickListener(AdapterView.OnItemClickListener listener) { throw new RuntimeException("Stub!"); }
    public final AdapterView.OnItemClickListener getOnItemClickListener() { throw new RuntimeException("Stub!"); }
    public void setOnItemLongClickListener(AdapterView.OnItemLongClickListener listener) { throw new RuntimeException("Stub!"); }
    public void setOnItemSelectedListener(AdapterView.OnItemSelectedListener listener) { throw new RuntimeException("Stub!"); }
    public final AdapterView.OnItemSelectedListener getOnItemSelectedListener() { throw new RuntimeException("Stub!"); }
    public int getSelectedItemPosition() { throw new RuntimeException("Stub!"); }
    public long getSelectedItemId() { throw new RuntimeException("Stub!"); }
    public Object getSelectedItem() { throw new RuntimeException("Stub!"); }
    public int getCount() { throw new RuntimeException("Stub!"); }
    public int getPositionForView(View view) { throw new RuntimeException("Stub!"); }
    public int getFirstVisiblePosition() { throw new RuntimeException("Stub!"); }
    public Object getItemAtPosition(int position) { throw new RuntimeException("Stub!"); }
    public long getItemIdAtPosition(int position) { throw new RuntimeException("Stub!"); }
    public void setEmptyView(View emptyView) { throw new RuntimeException("Stub!"); }
    public View getEmptyView() { throw new RuntimeException("Stub!"); }

    public static interface OnItemClickListener {
        public void onItemClick(AdapterView<?> parent, View view, int position, long id);
    }

    public static interface OnItemLongClickListener {
        public boolean onItemLongClick(AdapterView<?> parent, View view, int position, long id);
    }

    public static interface OnItemSelectedListener {
        public void onItemSelected(AdapterView<?> parent, View view, int position, long id);
        public void onNothingSelected(AdapterView<?> parent);
    }

    public static class AdapterContextMenuInfo implements ContextMenu.ContextMenuInfo {
        public AdapterContextMenuInfo(View targetView, int position, long id) { throw new RuntimeException("Stub!"); }

        public View targetView;
        public int position;
        public long id;
    }
}
