package android.widget;

import android.content.Context;
import android.view.View;

public class TextView extends View {
    public TextView(Context context) { super(null); throw new RuntimeException("Stub!"); }

    public CharSequence getText() { throw new RuntimeException("Stub!"); }
    public int length() { throw new RuntimeException("Stub!"); }
    public final void setText(CharSequence text) { throw new RuntimeException("Stub!"); }
    public final void setText(int resid) { throw new RuntimeException("Stub!"); }
    public final void append(CharSequence text) { throw new RuntimeException("Stub!"); }
    public final void setHint(CharSequence hint) { throw new RuntimeException("Stub!"); }
    public final void setHint(int resid) { throw new RuntimeException("Stub!"); }
    public CharSequence getHint() { throw new RuntimeException("Stub!"); }
    public void setTextColor(int color) { throw new RuntimeException("Stub!"); }
    public void setTextSize(float size) { throw new RuntimeException("Stub!"); }
    public void setGravity(int gravity) { throw new RuntimeException("Stub!"); }
    public void setSingleLine() { throw new RuntimeException("Stub!"); }
    public void setSingleLine(boolean singleLine) { throw new RuntimeException("Stub!"); }
    public void setLines(int lines) { throw new RuntimeException("Stub!"); }
    public void setMaxLines(int maxLines) { throw new RuntimeException("Stub!"); }
    public void setInputType(int type) { throw new RuntimeException("Stub!"); }
    public int getInputType() { throw new RuntimeException("Stub!"); }
    public void setError(CharSequence error) { throw new RuntimeException("Stub!"); }
}
