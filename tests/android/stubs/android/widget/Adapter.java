package android.widget;

import android.view.View;
import android.view.ViewGroup;

public interface Adapter {
    public static final int IGNORE_ITEM_VIEW_TYPE = -1;
    public static final int NO_SELECTION = -2147483648;

    public int getCount();
    public Object getItem(int position);
    public long getItemId(int position);
    public boolean hasStableIds();
    public View getView(int position, View convertView, ViewGroup parent);
    public int getItemViewType(int position);
    public int getViewTypeCount();
    public boolean isEmpty();
}
