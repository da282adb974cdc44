package android.app;

import android.content.Context;
import android.content.DialogInterface;
import android.view.View;

public class AlertDialog extends Dialog implements DialogInterface {
    protected AlertDialog(Context context) { super(null); throw new RuntimeException("Stub!"); }
    protected AlertDialog(Context context, int themeResId) { super(null); throw new RuntimeException("Stub!"); }

    public void setTitle(CharSequence title) { throw new RuntimeException("Stub!"); }
    public void setMessage(CharSequence message) { throw new RuntimeException("Stub!"); }
    public void setView(View view) { throw new RuntimeException("Stub!"); }
    public void setIcon(int resId) { throw new RuntimeException("Stub!"); }
    public void setButton(int whichButton, CharSequence text, DialogInterface.OnClickListener listener) { throw new RuntimeException("Stub!"); }

    public static class Builder {
        public Builder(Context context) { throw new RuntimeException("Stub!"); }
        public Builder(Context context, int themeResId) { throw new RuntimeException("Stub!"); }

        public Context getContext() { throw new RuntimeException("Stub!"); }
        public AlertDialog.Builder setTitle(int titleId) { throw new RuntimeException("Stub!"); }
        public AlertDialog.Builder setTitle(CharSequence title) { throw new RuntimeException("Stub!"); }
        public AlertDialog.Builder setMessage(int messageId) { throw new RuntimeException("Stub!"); }
        public AlertDialog.Builder setMessage(CharSequence message) { throw new RuntimeException("Stub!"); }
        public AlertDialog.Builder setIcon(int iconId) { throw new RuntimeException("Stub!"); }
        public AlertDialog.Builder setView(View view) { throw new RuntimeException("Stub!"); }
        public AlertDialog.Builder setCancelable(boolean cancelable) { throw new RuntimeException("Stub!"); }
        public AlertDialog.Builder setPositiveButton(int textId, DialogInterface.OnClickListener listener) { throw new RuntimeException("Stub!"); }
        public AlertDialog.Builder setPositiveButton(CharSequence text, DialogInterface.OnClickListener listener) { throw new RuntimeException("Stub!"); }
        public AlertDialog.Builder setNegativeButton(int textId, DialogInterface.OnClickListener listener) { throw new RuntimeException("Stub!"); }
        public AlertDialog.Builder setNegativeButton(CharSequence text, DialogInterface.OnClickListener listener) { throw new RuntimeException("Stub!"); }
        public AlertDialog.Builder setNeutralButton(int textId, DialogInterface.OnClickListener listener) { throw new RuntimeException("Stub!"); }
        public AlertDialog.Builder setNeutralButton(CharSequence text, DialogInterface.OnClickListener listener) { throw new RuntimeException("Stub!"); }
        public AlertDialog.Builder setItems(int itemsId, DialogInterface.OnClickListener listener) { throw new RuntimeException("Stub!"); }
        public AlertDialog.Builder setItems(CharSequence[] items, DialogInterface.OnClickListener listener) { throw new RuntimeException("Stub!"); }
        public AlertDialog.Builder setOnCancelListener(DialogInterface.OnCancelListener onCancelListener) { throw new RuntimeException("Stub!"); }
        public AlertDialog create() { throw new RuntimeException("Stub!"); }
        public AlertDialog show() { throw new RuntimeException("Stub!"); }
    }
}
