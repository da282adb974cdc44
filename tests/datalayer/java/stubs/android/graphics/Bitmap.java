package android.graphics;

/* Stands for a decoded picture; the tests only pass it around. */
public class Bitmap {
}
