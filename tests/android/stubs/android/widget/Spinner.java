package android.widget;

import android.content.Context;

public class Spinner extends AbsSpinner {
    public static final int MODE_DIALOG = 0;
    public static final int MODE_DROPDOWN = 1;

    public Spinner(Context context) { super(null); throw new RuntimeException("Stub!"); }
    public Spinner(Context context, int mode) { super(null); throw new RuntimeException("Stub!"); }

    public void setAdapter(SpinnerAdapter adapter) { throw new RuntimeException("Stub!"); }
    public void setPrompt(CharSequence prompt) { throw new RuntimeException("Stub!"); }
    public void setPromptId(int promptId) { throw new RuntimeException("Stub!"); }
    public CharSequence getPrompt() { throw new RuntimeException("Stub!"); }
    public boolean performClick() { throw new RuntimeException("Stub!"); }
}
