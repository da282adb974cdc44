package android.view;

public interface MenuItem {
    public static final int SHOW_AS_ACTION_NEVER = 0;
    public static final int SHOW_AS_ACTION_IF_ROOM = 1;
    public static final int SHOW_AS_ACTION_ALWAYS = 2;
    public static final int SHOW_AS_ACTION_WITH_TEXT = 4;

    public int getItemId();
    public int getGroupId();
    public int getOrder();
    public MenuItem setTitle(CharSequence title);
    public MenuItem setTitle(int title);
    public CharSequence getTitle();
    public MenuItem setIcon(int iconRes);
    public MenuItem setVisible(boolean visible);
    public boolean isVisible();
    public MenuItem setEnabled(boolean enabled);
    public boolean isEnabled();
    public void setShowAsAction(int actionEnum);
    public ContextMenu.ContextMenuInfo getMenuInfo();
}
