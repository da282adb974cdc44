package android.view;

public interface Menu {
    public static final int NONE = 0;
    public static final int FIRST = 1;

    public MenuItem add(CharSequence title);
    public MenuItem add(int titleRes);
    public MenuItem add(int groupId, int itemId, int order, CharSequence title);
    public MenuItem add(int groupId, int itemId, int order, int titleRes);
    public void removeItem(int id);
    public void removeGroup(int groupId);
    public void clear();
    public MenuItem findItem(int id);
    public int size();
    public MenuItem getItem(int index);
    public boolean hasVisibleItems();
}
