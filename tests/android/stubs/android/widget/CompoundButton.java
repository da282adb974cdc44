package android.widget;

import android.content.Context;

public abstract class CompoundButton extends Button {
    public CompoundButton(Context context) { super(null); throw new RuntimeException("Stub!"); }

    public boolean isChecked() { throw new RuntimeException("Stub!"); }
    public void setChecked(boolean checked) { throw new RuntimeException("Stub!"); }
    public void toggle() { throw new RuntimeException("Stub!"); }
    public void setOnCheckedChangeListener(CompoundButton.OnCheckedChangeListener listener) { throw new RuntimeException("Stub!"); }

    public static interface OnCheckedChangeListener {
        public void onCheckedChanged(CompoundButton buttonView, boolean isChecked);
    }
}
