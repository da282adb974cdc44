package android.view;

import android.content.Context;

public class View {
    public static final int VISIBLE = 0;
    public static final int INVISIBLE = 4;
    public static final int GONE = 8;
    public static final int NO_ID = -1;

    public View(Context context) { throw new RuntimeException("Stub!"); }

    public int getId() { throw new RuntimeException("Stub!"); }
    public void setId(int id) { throw new RuntimeException("Stub!"); }
    public final Context getContext() { throw new RuntimeException("Stub!"); }
    public final <T extends View> T findViewById(int id) { throw new RuntimeException("Stub!"); }
    public Object getTag() { throw new RuntimeException("Stub!"); }
    public void setTag(Object tag) { throw new RuntimeException("Stub!"); }
    public Object getTag(int key) { throw new RuntimeException("Stub!"); }
    public void setTag(int key, Object tag) { throw new RuntimeException("Stub!"); }

    public int getVisibility() { throw new RuntimeException("Stub!"); }
    public void setVisibility(int visibility) { throw new RuntimeException("Stub!"); }
    public boolean isEnabled() { throw new RuntimeException("Stub!"); }
    public void setEnabled(boolean enabled) { throw new RuntimeException("Stub!"); }
    public void setFocusable(boolean focusable) { throw new RuntimeException("Stub!"); }
    public final boolean isFocusable() { throw new RuntimeException("Stub!"); }
    public void setFocusableInTouchMode(boolean focusableInTouchMode) { throw new RuntimeException("Stub!"); }
    public final boolean requestFocus() { throw new RuntimeException("Stub!"); }
    public void setClickable(boolean clickable) { throw new RuntimeException("Stub!"); }
    public boolean performClick() { throw new RuntimeException("Stub!"); }
    public void setSelected(boolean selected) { throw new RuntimeException("Stub!"); }
    public boolean isSelected() { throw new RuntimeException("Stub!"); }

    public void setBackgroundColor(int color) { throw new RuntimeException("Stub!"); }
    public void setBackgroundResource(int resid) { throw new RuntimeException("Stub!"); }
    public void setPadding(int left, int top, int right, int bottom) { throw new RuntimeException("Stub!"); }
    public final int getWidth() { throw new RuntimeException("Stub!"); }
    public final int getHeight() { throw new RuntimeException("Stub!"); }
    public void invalidate() { throw new RuntimeException("Stub!"); }
    public void requestLayout() { throw new RuntimeException("Stub!"); }
    public boolean post(Runnable action) { throw new RuntimeException("Stub!"); }

    public void setOnClickListener(View.OnClickListener l) { throw new RuntimeException("Stub!"); }
    public void setOnLongClickListener(View.OnLongClickListener l) { throw new RuntimeException("Stub!"); }
    public void setOnFocusChangeListener(View.OnFocusChangeListener l) { throw new RuntimeException("Stub!"); }
    public void setOnCreateContextMenuListener(View.OnCreateContextMenuListener l) { throw new RuntimeException("Stub!"); }
    public void setOnApplyWindowInsetsListener(View.OnApplyWindowInsetsListener listener) { throw new RuntimeException("Stub!"); }
    public void requestApplyInsets() { throw new RuntimeException("Stub!"); }

    public static interface OnApplyWindowInsetsListener {
        public WindowInsets onApplyWindowInsets(View v, WindowInsets insets);
    }

    public static interface OnClickListener {
        public void onClick(View v);
    }

    public static interface OnLongClickListener {
        public boolean onLongClick(View v);
    }

    public static interface OnFocusChangeListener {
        public void onFocusChange(View v, boolean hasFocus);
    }

    public static interface OnCreateContextMenuListener {
        public void onCreateContextMenu(ContextMenu menu, View v, ContextMenu.ContextMenuInfo menuInfo);
    }
}
