package android.content;

public class ActivityNotFoundException extends RuntimeException {
    public ActivityNotFoundException() { throw new RuntimeException("Stub!"); }
    public ActivityNotFoundException(String name) { throw new RuntimeException("Stub!"); }
}
