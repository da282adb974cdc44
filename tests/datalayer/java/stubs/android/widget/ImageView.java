package android.widget;

import android.graphics.Bitmap;
import android.view.View;

public class ImageView extends View {
	private Bitmap bitmap;

	public void setImageBitmap(Bitmap bitmap) {
		this.bitmap = bitmap;
	}

	public Bitmap getImageBitmap() {
		return bitmap;
	}
}
