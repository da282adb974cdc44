package android.widget;

import android.graphics.Bitmap;
import android.view.View;

public class ImageView extends View {
	private Bitmap bitmap;
	private int resource;

	public void setImageBitmap(Bitmap bitmap) {
		this.bitmap = bitmap;
		resource = 0;
	}

	public Bitmap getImageBitmap() {
		return bitmap;
	}

	public void setImageResource(int resId) {
		bitmap = null;
		resource = resId;
	}

	public int getImageResource() {
		return resource;
	}
}
