package android.provider;

public final class MediaStore {
    public static final String AUTHORITY = "media";
    public static final String ACTION_IMAGE_CAPTURE = "android.media.action.IMAGE_CAPTURE";
    public static final String ACTION_VIDEO_CAPTURE = "android.media.action.VIDEO_CAPTURE";
    public static final String EXTRA_OUTPUT = "output";

    public MediaStore() { throw new RuntimeException("Stub!"); }
}
