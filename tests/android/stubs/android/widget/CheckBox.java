package android.widget;

import android.content.Context;

public class CheckBox extends CompoundButton {
    public CheckBox(Context context) { super(null); throw new RuntimeException("Stub!"); }
}
