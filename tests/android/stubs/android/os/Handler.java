package android.os;

public class Handler {
    public Handler() { throw new RuntimeException("Stub!"); }
    public Handler(Handler.Callback callback) { throw new RuntimeException("Stub!"); }
    public Handler(Looper looper) { throw new RuntimeException("Stub!"); }
    public Handler(Looper looper, Handler.Callback callback) { throw new RuntimeException("Stub!"); }

    public void handleMessage(Message msg) { throw new RuntimeException("Stub!"); }
    public void dispatchMessage(Message msg) { throw new RuntimeException("Stub!"); }
    public final Looper getLooper() { throw new RuntimeException("Stub!"); }
    public final Message obtainMessage() { throw new RuntimeException("Stub!"); }
    public final Message obtainMessage(int what) { throw new RuntimeException("Stub!"); }
    public final Message obtainMessage(int what, Object obj) { throw new RuntimeException("Stub!"); }
    public final boolean post(Runnable r) { throw new RuntimeException("Stub!"); }
    public final boolean postDelayed(Runnable r, long delayMillis) { throw new RuntimeException("Stub!"); }
    public final void removeCallbacks(Runnable r) { throw new RuntimeException("Stub!"); }
    public final boolean sendMessage(Message msg) { throw new RuntimeException("Stub!"); }
    public final boolean sendEmptyMessage(int what) { throw new RuntimeException("Stub!"); }
    public final boolean sendMessageDelayed(Message msg, long delayMillis) { throw new RuntimeException("Stub!"); }
    public final void removeMessages(int what) { throw new RuntimeException("Stub!"); }

    public static interface Callback {
        public boolean handleMessage(Message msg);
    }
}
