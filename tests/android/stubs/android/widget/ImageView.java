package android.widget;

import android.content.Context;
import android.graphics.Bitmap;
import android.net.Uri;
import android.view.View;

public class ImageView extends View {
    public ImageView(Context context) { super(null); throw new RuntimeException("Stub!"); }

    public void setImageResource(int resId) { throw new RuntimeException("Stub!"); }
    public void setImageURI(Uri uri) { throw new RuntimeException("Stub!"); }
    public void setImageBitmap(Bitmap bm) { throw new RuntimeException("Stub!"); }
    public void setScaleType(ImageView.ScaleType scaleType) { throw new RuntimeException("Stub!"); }
    public ImageView.ScaleType getScaleType() { throw new RuntimeException("Stub!"); }
    public void setAdjustViewBounds(boolean adjustViewBounds) { throw new RuntimeException("Stub!"); }
    public void setMaxWidth(int maxWidth) { throw new RuntimeException("Stub!"); }
    public void setMaxHeight(int maxHeight) { throw new RuntimeException("Stub!"); }

    public static enum ScaleType {
        MATRIX,
        FIT_XY,
        FIT_START,
        FIT_CENTER,
        FIT_END,
        CENTER,
        CENTER_CROP,
        CENTER_INSIDE;
    }
}
