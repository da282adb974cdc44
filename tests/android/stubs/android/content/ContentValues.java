package android.content;

import android.os.Parcel;
import android.os.Parcelable;

public final class ContentValues implements Parcelable {
    public ContentValues() { throw new RuntimeException("Stub!"); }

    public int describeContents() { throw new RuntimeException("Stub!"); }
    public void writeToParcel(Parcel parcel, int flags) { throw new RuntimeException("Stub!"); }
}
