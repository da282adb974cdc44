package android.graphics;

// Test double: only the bounds fields that the sample-size computation reads, without the
// platform behind them.
public class BitmapFactory {
    public static Bitmap decodeFile(String pathName, BitmapFactory.Options opts) {
        throw new UnsupportedOperationException("test double");
    }

    public static class Options {
        public boolean inJustDecodeBounds;
        public int inSampleSize;
        public int outWidth;
        public int outHeight;
    }
}
