package android.graphics;

import android.os.Parcel;
import android.os.Parcelable;
import java.io.OutputStream;

public final class Bitmap implements Parcelable {
    Bitmap() { throw new RuntimeException("Stub!"); }

    public static Bitmap createBitmap(Bitmap src) { throw new RuntimeException("Stub!"); }
    public static Bitmap createBitmap(int width, int height, Bitmap.Config config) { throw new RuntimeException("Stub!"); }
    public static Bitmap createScaledBitmap(Bitmap src, int dstWidth, int dstHeight, boolean filter) { throw new RuntimeException("Stub!"); }

    public boolean compress(Bitmap.CompressFormat format, int quality, OutputStream stream) { throw new RuntimeException("Stub!"); }
    public final int getWidth() { throw new RuntimeException("Stub!"); }
    public final int getHeight() { throw new RuntimeException("Stub!"); }
    public final int getByteCount() { throw new RuntimeException("Stub!"); }
    public final Bitmap.Config getConfig() { throw new RuntimeException("Stub!"); }
    public void recycle() { throw new RuntimeException("Stub!"); }
    public final boolean isRecycled() { throw new RuntimeException("Stub!"); }

    public int describeContents() { throw new RuntimeException("Stub!"); }
    public void writeToParcel(Parcel p, int flags) { throw new RuntimeException("Stub!"); }

    public static enum CompressFormat {
        JPEG,
        PNG,
        WEBP;
    }

    public static enum Config {
        ALPHA_8,
        RGB_565,
        ARGB_4444,
        ARGB_8888,
        RGBA_F16,
        HARDWARE;
    }
}
