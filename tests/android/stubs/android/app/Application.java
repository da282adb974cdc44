package android.app;

import android.content.ContextWrapper;
import android.os.Bundle;

public class Application extends ContextWrapper {
    public Application() { super(null); throw new RuntimeException("Stub!"); }

    public void onCreate() { throw new RuntimeException("Stub!"); }
    public void onTerminate() { throw new RuntimeException("Stub!"); }
    public void onLowMemory() { throw new RuntimeException("Stub!"); }
    public void registerActivityLifecycleCallbacks(Application.ActivityLifecycleCallbacks callback) { throw new RuntimeException("Stub!"); }

    public static interface ActivityLifecycleCallbacks {
        public void onActivityCreated(Activity activity, Bundle savedInstanceState);
        public void onActivityStarted(Activity activity);
        public void onActivityResumed(Activity activity);
        public void onActivityPaused(Activity activity);
        public void onActivityStopped(Activity activity);
        public void onActivitySaveInstanceState(Activity activity, Bundle outState);
        public void onActivityDestroyed(Activity activity);
    }
}
