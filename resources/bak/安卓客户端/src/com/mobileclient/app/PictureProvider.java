package com.mobileclient.app;

import java.io.File;
import java.io.FileNotFoundException;
import java.util.List;
import java.util.Locale;

import android.content.ContentProvider;
import android.content.ContentValues;
import android.database.Cursor;
import android.database.MatrixCursor;
import android.net.Uri;
import android.os.ParcelFileDescriptor;
import android.provider.OpenableColumns;

/*
 * 图片文件夹(Declare.picturesFolder)中文件的content地址: 拍照时把照片的保存位置交给相机应用.
 * 提供者不对外公开(AndroidManifest.xml中exported="false"), 只有得到授权的应用可以读写;
 * 相机的Intent在启动时自动把EXTRA_OUTPUT中的地址的读写权限授给相机应用(API 21起).
 * 地址形如 content://<应用标识>.pictures/carmera_bookPhoto.bmp, 只有一层文件名.
 */
public class PictureProvider extends ContentProvider {
	/* 与AndroidManifest.xml中provider的android:authorities相同: 应用标识加".pictures",
	   每个应用各不相同. 提供者在应用启动时(在任何界面之前)建立, 那时设定. */
	private static volatile String authority;

	private static final String[] COLUMNS = { OpenableColumns.DISPLAY_NAME, OpenableColumns.SIZE };

	/* 图片文件夹中文件的content地址; 文件必须直接在图片文件夹中 */
	public static Uri uriFor(File file) {
		return Uri.parse("content://" + authority + "/" + Uri.encode(file.getName()));
	}

	@Override
	public boolean onCreate() {
		authority = getContext().getPackageName() + ".pictures";
		return true;
	}

	@Override
	public ParcelFileDescriptor openFile(Uri uri, String mode) throws FileNotFoundException {
		int modeBits;
		try {
			modeBits = ParcelFileDescriptor.parseMode(mode);
		} catch (IllegalArgumentException e) {
			throw new FileNotFoundException("Bad mode " + mode + " for " + uri);
		}
		return ParcelFileDescriptor.open(fileOf(uri), modeBits);
	}

	/* 相机应用可能先查询文件名和大小 */
	@Override
	public Cursor query(Uri uri, String[] projection, String selection, String[] selectionArgs,
			String sortOrder) {
		File file;
		try {
			file = fileOf(uri);
		} catch (FileNotFoundException e) {
			return null;
		}
		String[] columns = projection != null ? projection : COLUMNS;
		MatrixCursor cursor = new MatrixCursor(columns, 1);
		Object[] row = new Object[columns.length];
		for (int i = 0; i < columns.length; i++) {
			if (OpenableColumns.DISPLAY_NAME.equals(columns[i])) {
				row[i] = file.getName();
			} else if (OpenableColumns.SIZE.equals(columns[i])) {
				row[i] = file.length();
			}
		}
		cursor.addRow(row);
		return cursor;
	}

	@Override
	public String getType(Uri uri) {
		String name = uri.getLastPathSegment();
		String lowerName = name == null ? "" : name.toLowerCase(Locale.US);
		if (lowerName.endsWith(".jpg") || lowerName.endsWith(".jpeg")) {
			return "image/jpeg";
		}
		if (lowerName.endsWith(".png")) {
			return "image/png";
		}
		if (lowerName.endsWith(".bmp")) {
			return "image/bmp";
		}
		if (lowerName.endsWith(".gif")) {
			return "image/gif";
		}
		if (lowerName.endsWith(".webp")) {
			return "image/webp";
		}
		return "application/octet-stream";
	}

	@Override
	public Uri insert(Uri uri, ContentValues values) {
		throw new UnsupportedOperationException("The picture folder takes no inserts");
	}

	@Override
	public int update(Uri uri, ContentValues values, String selection, String[] selectionArgs) {
		throw new UnsupportedOperationException("The picture folder takes no updates");
	}

	@Override
	public int delete(Uri uri, String selection, String[] selectionArgs) {
		throw new UnsupportedOperationException("The picture folder takes no deletes");
	}

	/* 地址指向的文件; 只接受图片文件夹中的一个文件名, 不能借".."等离开这个文件夹 */
	private File fileOf(Uri uri) throws FileNotFoundException {
		List<String> segments = uri.getPathSegments();
		String name = segments.size() == 1 ? segments.get(0) : "";
		if (!authority.equals(uri.getAuthority()) || name.length() == 0 || name.equals(".")
				|| name.equals("..") || name.indexOf('/') >= 0) {
			throw new FileNotFoundException("No picture at " + uri);
		}
		return new File(Declare.picturesFolder(getContext()), name);
	}
}
