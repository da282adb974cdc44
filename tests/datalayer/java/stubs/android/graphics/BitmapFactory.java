package android.graphics;

/* Decodes what starts like a PNG or JPEG file, of any size, into a Bitmap; anything else is null. */
public class BitmapFactory {
	public static class Options {
		public boolean inJustDecodeBounds;
		public int inSampleSize;
		public int outWidth;
		public int outHeight;
	}

	public static Bitmap decodeByteArray(byte[] data, int offset, int length) {
		return decodeByteArray(data, offset, length, null);
	}

	public static Bitmap decodeByteArray(byte[] data, int offset, int length, Options opts) {
		boolean png = length >= 4 && data[offset] == (byte) 0x89 && data[offset + 1] == 'P'
				&& data[offset + 2] == 'N' && data[offset + 3] == 'G';
		boolean jpeg = length >= 2 && data[offset] == (byte) 0xff && data[offset + 1] == (byte) 0xd8;
		if (!png && !jpeg) {
			return null;
		}
		if (opts != null && opts.inJustDecodeBounds) {
			opts.outWidth = 100;
			opts.outHeight = 100;
			return null;
		}
		return new Bitmap();
	}
}
