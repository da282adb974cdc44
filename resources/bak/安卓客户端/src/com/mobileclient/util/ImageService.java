package com.mobileclient.util;

import java.net.HttpURLConnection;

import android.graphics.Bitmap;
import android.graphics.BitmapFactory;

/* Fetches pictures stored on the server. */
public class ImageService {
	/* 采样倍数的上限: 再大的图片也不会缩小到这个倍数以下 */
	private static final int MAX_SAMPLE_SIZE = 1 << 12;

	/* Answers the bytes at the address (a GET); a status outside 200-299 is an IOException. */
	public static byte[] getImage(String path) throws Exception {
		HttpURLConnection connection = HttpUtil.open(path);
		try {
			connection.setRequestMethod("GET");
			return HttpUtil.readResponse(connection);
		} finally {
			connection.disconnect();
		}
	}

	/*
	 * 地址处的图片, 解码成最多maxNumOfPixels个像素的缩略图; 图片下载不到(没有连接, 404等),
	 * 不是图片或内存不足时答null, 界面上显示noimage, 列表的其余行照常显示.
	 */
	public static Bitmap getThumbnail(String path, int maxNumOfPixels) {
		try {
			byte[] data = getImage(path);
			BitmapFactory.Options opts = new BitmapFactory.Options();
			opts.inJustDecodeBounds = true;
			BitmapFactory.decodeByteArray(data, 0, data.length, opts);
			opts.inSampleSize = computeSampleSize(opts, -1, maxNumOfPixels);
			opts.inJustDecodeBounds = false;
			return BitmapFactory.decodeByteArray(data, 0, data.length, opts);
		} catch (Exception e) {
			e.printStackTrace();
			return null;
		} catch (OutOfMemoryError err) {
			return null;
		}
	}

	public static int computeSampleSize(BitmapFactory.Options options, int minSideLength, int maxNumOfPixels) {
		int width = options.outWidth;
		int height = options.outHeight;
		if (width <= 0 || height <= 0) {
			return 1;
		}
		int sampleSize = 1;
		while (sampleSize < MAX_SAMPLE_SIZE
				&& exceedsLimits(width / sampleSize, height / sampleSize, minSideLength, maxNumOfPixels)) {
			sampleSize *= 2;
		}
		return sampleSize;
	}

	private static boolean exceedsLimits(int width, int height, int minSideLength, int maxNumOfPixels) {
		if (width <= 1 || height <= 1) {
			return false;
		}
		boolean tooManyPixels = maxNumOfPixels > 0 && (long) width * height > maxNumOfPixels;
		boolean shortSideTooLong = minSideLength > 0 && Math.min(width, height) > minSideLength;
		return tooManyPixels || shortSideTooLong;
	}
}
