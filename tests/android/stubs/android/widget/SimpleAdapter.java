package android.widget;

import android.content.Context;
import android.view.View;
import android.view.ViewGroup;
import java.util.List;
import java.util.Map;

public class SimpleAdapter extends BaseAdapter {
    public SimpleAdapter(Context context, List<? extends Map<String, ?>> data, int resource, String[] from, int[] to) { throw new RuntimeException("Stub!"); }

    public int getCount() { throw new RuntimeException("Stub!"); }
    public Object getItem(int position) { throw new RuntimeException("Stub!"); }
    public long getItemId(int position) { throw new RuntimeException("Stub!"); }
    public View getView(int position, View convertView, ViewGroup parent) { throw new RuntimeException("Stub!"); }
    public void setDropDownViewResource(int resource) { throw new RuntimeException("Stub!"); }
    public View getDropDownView(int position, View convertView, ViewGroup parent) { throw new RuntimeException("Stub!"); }
    public SimpleAdapter.ViewBinder getViewBinder() { throw new RuntimeException("Stub!"); }
    public void setViewBinder(SimpleAdapter.ViewBinder viewBinder) { throw new RuntimeException("Stub!"); }
    public void setViewImage(ImageView v, int value) { throw new RuntimeException("Stub!"); }
    public void setViewImage(ImageView v, String value) { throw new RuntimeException("Stub!"); }
    public void setViewText(TextView v, String text) { throw new RuntimeException("Stub!"); }

    public static interface ViewBinder {
        public boolean setViewValue(View view, Object data, String textRepresentation);
    }
}
