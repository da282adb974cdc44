package android.widget;

public interface ListAdapter extends Adapter {
    public boolean areAllItemsEnabled();
    public boolean isEnabled(int position);
}
