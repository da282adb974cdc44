import android.graphics.BitmapFactory;
import com.mobileclient.activity.photoListActivity;

// Prints photoListActivity.computeSampleSize for each argument "width,height,minSide,maxPixels".
public class SampleSizes {
    public static void main(String[] args) {
        for (String arg : args) {
            String[] v = arg.split(",");
            BitmapFactory.Options options = new BitmapFactory.Options();
            options.outWidth = Integer.parseInt(v[0]);
            options.outHeight = Integer.parseInt(v[1]);
            System.out.println(photoListActivity.computeSampleSize(
                    options, Integer.parseInt(v[2]), Integer.parseInt(v[3])));
        }
    }
}
