package android.content;

public interface DialogInterface {
    public static final int BUTTON_POSITIVE = -1;
    public static final int BUTTON_NEGATIVE = -2;
    public static final int BUTTON_NEUTRAL = -3;

    public void cancel();
    public void dismiss();

    public static interface OnClickListener {
        public void onClick(DialogInterface dialog, int which);
    }

    public static interface OnCancelListener {
        public void onCancel(DialogInterface dialog);
    }

    public static interface OnDismissListener {
        public void onDismiss(DialogInterface dialog);
    }
}
