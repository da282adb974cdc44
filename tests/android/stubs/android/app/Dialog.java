package android.app;

import android.content.Context;
import android.content.DialogInterface;
import android.view.View;

public class Dialog implements DialogInterface {
    public Dialog(Context context) { throw new RuntimeException("Stub!"); }
    public Dialog(Context context, int themeResId) { throw new RuntimeException("Stub!"); }

    public final Context getContext() { throw new RuntimeException("Stub!"); }
    public void setTitle(CharSequence title) { throw new RuntimeException("Stub!"); }
    public void setTitle(int titleId) { throw new RuntimeException("Stub!"); }
    public void setContentView(int layoutResID) { throw new RuntimeException("Stub!"); }
    public void setContentView(View view) { throw new RuntimeException("Stub!"); }
    public void setCancelable(boolean flag) { throw new RuntimeException("Stub!"); }
    public void setCanceledOnTouchOutside(boolean cancel) { throw new RuntimeException("Stub!"); }
    public boolean isShowing() { throw new RuntimeException("Stub!"); }
    public void show() { throw new RuntimeException("Stub!"); }
    public void hide() { throw new RuntimeException("Stub!"); }
    public void dismiss() { throw new RuntimeException("Stub!"); }
    public void cancel() { throw new RuntimeException("Stub!"); }
}
