package android.os;

public interface Parcelable {
    public static final int PARCELABLE_WRITE_RETURN_VALUE = 1;
    public static final int CONTENTS_FILE_DESCRIPTOR = 1;

    public int describeContents();
    public void writeToParcel(Parcel dest, int flags);
}
