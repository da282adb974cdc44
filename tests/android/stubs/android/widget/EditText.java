package android.widget;

import android.content.Context;
import android.text.Editable;

public class EditText extends TextView {
    public EditText(Context context) { super(null); throw new RuntimeException("Stub!"); }

    public Editable getText() { throw new RuntimeException("Stub!"); }
    public void setSelection(int start, int stop) { throw new RuntimeException("Stub!"); }
    public void setSelection(int index) { throw new RuntimeException("Stub!"); }
    public void selectAll() { throw new RuntimeException("Stub!"); }
}
