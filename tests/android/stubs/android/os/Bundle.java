package android.os;

import java.io.Serializable;

public final class Bundle extends BaseBundle implements Cloneable, Parcelable {
    public static final Bundle EMPTY = null;

    public Bundle() { throw new RuntimeException("Stub!"); }
    public Bundle(Bundle b) { throw new RuntimeException("Stub!"); }

    public Object clone() { throw new RuntimeException("Stub!"); }
    public void putAll(Bundle bundle) { throw new RuntimeException("Stub!"); }
    public void putFloat(String key, float value) { throw new RuntimeException("Stub!"); }
    public void putCharSequence(String key, CharSequence value) { throw new RuntimeException("Stub!"); }
    public void putSerializable(String key, Serializable value) { throw new RuntimeException("Stub!"); }
    public void putParcelable(String key, Parcelable value) { throw new RuntimeException("Stub!"); }
    public void putBundle(String key, Bundle value) { throw new RuntimeException("Stub!"); }
    public void putByteArray(String key, byte[] value) { throw new RuntimeException("Stub!"); }

    public float getFloat(String key) { throw new RuntimeException("Stub!"); }
    public float getFloat(String key, float defaultValue) { throw new RuntimeException("Stub!"); }
    public CharSequence getCharSequence(String key) { throw new RuntimeException("Stub!"); }
    public Serializable getSerializable(String key) { throw new RuntimeException("Stub!"); }
    public <T extends Parcelable> T getParcelable(String key) { throw new RuntimeException("Stub!"); }
    public Bundle getBundle(String key) { throw new RuntimeException("Stub!"); }
    public byte[] getByteArray(String key) { throw new RuntimeException("Stub!"); }

    public int describeContents() { throw new RuntimeException("Stub!"); }
    public void writeToParcel(Parcel parcel, int flags) { throw new RuntimeException("Stub!"); }
}
