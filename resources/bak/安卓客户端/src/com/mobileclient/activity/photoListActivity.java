package com.mobileclient.activity;

import java.io.File;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.Locale;

import com.mobileclient.util.HttpUtil;
import com.mobileclient.util.ImageService;

import android.app.Activity;
import android.content.Context;
import android.content.Intent;
import android.graphics.Bitmap;
import android.graphics.BitmapFactory;
import android.os.Bundle;
import android.view.LayoutInflater;
import android.view.View;
import android.view.ViewGroup;
import android.widget.AdapterView;
import android.widget.AdapterView.OnItemClickListener;
import android.widget.ArrayAdapter;
import android.widget.GridView;
import android.widget.ImageView;
import android.widget.TextView;

/* 图片选择界面: 列出本地图片文件夹(HttpUtil.FILE_PATH)中的图片,
 * 单击一张图片后在结果的"fileName"中交回它的文件名 */
public class photoListActivity extends Activity {
	/* 缩略图最多的像素数 */
	private static final int THUMBNAIL_PIXELS = 160 * 160;
	private static final String[] PICTURE_SUFFIXES = { ".jpg", ".jpeg", ".png", ".bmp", ".gif", ".webp" };

	/* 图片文件夹中的图片文件名 */
	private final List<String> fileNames = new ArrayList<String>();

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		setTitle("手机客户端-选择图片");
		setContentView(R.layout.photo_chooser);
		loadFileNames();
		GridView photoGrid = (GridView) findViewById(R.id.photo_grid);
		photoGrid.setEmptyView(findViewById(R.id.photo_empty));
		photoGrid.setAdapter(new PhotoAdapter(this));
		photoGrid.setOnItemClickListener(new OnItemClickListener() {
			public void onItemClick(AdapterView<?> parent, View view, int position, long id) {
				Intent data = new Intent();
				data.putExtra("fileName", fileNames.get(position));
				setResult(RESULT_OK, data);
				finish();
			}
		});
	}

	/* 读出图片文件夹中的图片文件名(按名称排序); 文件夹不存在时先建立它 */
	private void loadFileNames() {
		File folder = new File(HttpUtil.FILE_PATH);
		if (!folder.exists()) {
			folder.mkdirs();
		}
		String[] names = folder.list();
		if (names == null) {
			return;
		}
		Arrays.sort(names);
		for (String name : names) {
			if (isPicture(name) && new File(folder, name).isFile()) {
				fileNames.add(name);
			}
		}
	}

	private static boolean isPicture(String fileName) {
		String lowerName = fileName.toLowerCase(Locale.US);
		for (String suffix : PICTURE_SUFFIXES) {
			if (lowerName.endsWith(suffix)) {
				return true;
			}
		}
		return false;
	}

	/**
	 * 解码图片时用的采样倍数: 满足两个限制的最小的2的幂.
	 * options 是只解码了边界(inJustDecodeBounds)的选项, 其中有图片的原始宽高;
	 * minSideLength 是短边缩小后最多的长度, maxNumOfPixels 是缩小后最多的像素数, 小于等于0(如-1)表示没有这个限制.
	 * 图片的宽高未知(解码失败)时答1.
	 */
	public static int computeSampleSize(BitmapFactory.Options options, int minSideLength, int maxNumOfPixels) {
		return ImageService.computeSampleSize(options, minSideLength, maxNumOfPixels);
	}

	/* 把图片解码成缩略图; 解码失败或内存不足时答null */
	private static Bitmap decodeThumbnail(String filePath) {
		BitmapFactory.Options opts = new BitmapFactory.Options();
		opts.inJustDecodeBounds = true;
		BitmapFactory.decodeFile(filePath, opts);
		opts.inSampleSize = computeSampleSize(opts, -1, THUMBNAIL_PIXELS);
		opts.inJustDecodeBounds = false;
		try {
			return BitmapFactory.decodeFile(filePath, opts);
		} catch (OutOfMemoryError err) {
			return null;
		}
	}

	/* 图片网格的适配器: 每个单元格是缩略图加文件名 */
	private class PhotoAdapter extends ArrayAdapter<String> {
		private final LayoutInflater inflater;

		PhotoAdapter(Context context) {
			super(context, R.layout.photo_chooser_cell, fileNames);
			inflater = LayoutInflater.from(context);
		}

		@Override
		public View getView(int position, View convertView, ViewGroup parent) {
			View view = convertView != null ? convertView : inflater.inflate(R.layout.photo_chooser_cell, parent, false);
			ImageView thumbnail = (ImageView) view.findViewById(R.id.photo_thumbnail);
			TextView name = (TextView) view.findViewById(R.id.photo_name);
			String fileName = getItem(position);
			Bitmap bitmap = decodeThumbnail(HttpUtil.FILE_PATH + "/" + fileName);
			if (bitmap != null) {
				thumbnail.setImageBitmap(bitmap);
			} else {
				thumbnail.setImageResource(R.drawable.noimage);
			}
			name.setText(fileName);
			return view;
		}
	}
}
