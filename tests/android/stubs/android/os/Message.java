package android.os;

public final class Message implements Parcelable {
    public int what;
    public int arg1;
    public int arg2;
    public Object obj;

    public Message() { throw new RuntimeException("Stub!"); }

    public static Message obtain() { throw new RuntimeException("Stub!"); }
    public static Message obtain(Handler h, int what) { throw new RuntimeException("Stub!"); }
    public static Message obtain(Handler h, int what, Object obj) { throw new RuntimeException("Stub!"); }
    public Handler getTarget() { throw new RuntimeException("Stub!"); }
    public Bundle getData() { throw new RuntimeException("Stub!"); }
    public void setData(Bundle data) { throw new RuntimeException("Stub!"); }
    public void sendToTarget() { throw new RuntimeException("Stub!"); }
    public void recycle() { throw new RuntimeException("Stub!"); }

    public int describeContents() { throw new RuntimeException("Stub!"); }
    public void writeToParcel(Parcel dest, int flags) { throw new RuntimeException("Stub!"); }
}
