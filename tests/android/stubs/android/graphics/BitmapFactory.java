package android.graphics;

import java.io.InputStream;

public class BitmapFactory {
    public BitmapFactory() { throw new RuntimeException("Stub!"); }

    public static Bitmap decodeFile(String pathName) { throw new RuntimeException("Stub!"); }
    public static Bitmap decodeFile(String pathName, BitmapFactory.Options opts) { throw new RuntimeException("Stub!"); }
    public static Bitmap decodeByteArray(byte[] data, int offset, int length) { throw new RuntimeException("Stub!"); }
    public static Bitmap decodeByteArray(byte[] data, int offset, int length, BitmapFactory.Options opts) { throw new RuntimeException("Stub!"); }
    public static Bitmap decodeStream(InputStream is) { throw new RuntimeException("Stub!"); }

    public static class Options {
        public Options() { throw new RuntimeException("Stub!"); }

        public boolean inJustDecodeBounds;
        public int inSampleSize;
        public Bitmap.Config inPreferredConfig;
        public boolean inMutable;
        public boolean inScaled;
        public int inDensity;
        public int inTargetDensity;
        public boolean inPurgeable;
        public boolean inInputShareable;
        public boolean inDither;
        public int outWidth;
        public int outHeight;
        public String outMimeType;
    }
}
