package android.view;

public interface ContextMenu extends Menu {
    public ContextMenu setHeaderTitle(int titleRes);
    public ContextMenu setHeaderTitle(CharSequence title);
    public ContextMenu setHeaderIcon(int iconRes);
    public void clearHeader();

    public static interface ContextMenuInfo {
    }
}
