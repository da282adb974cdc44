package android.content;

import android.net.Uri;
import android.os.Bundle;
import android.os.Parcel;
import android.os.Parcelable;
import java.io.Serializable;

public class Intent implements Parcelable, Cloneable {
    public static final String ACTION_MAIN = "android.intent.action.MAIN";
    public static final String ACTION_VIEW = "android.intent.action.VIEW";
    public static final String ACTION_PICK = "android.intent.action.PICK";
    public static final String ACTION_GET_CONTENT = "android.intent.action.GET_CONTENT";
    public static final String CATEGORY_LAUNCHER = "android.intent.category.LAUNCHER";
    public static final int FLAG_ACTIVITY_CLEAR_TOP = 67108864;
    public static final int FLAG_ACTIVITY_NEW_TASK = 268435456;

    public Intent() { throw new RuntimeException("Stub!"); }
    public Intent(Intent o) { throw new RuntimeException("Stub!"); }
    public Intent(String action) { throw new RuntimeException("Stub!"); }
    public Intent(String action, Uri uri) { throw new RuntimeException("Stub!"); }
    public Intent(Context packageContext, Class<?> cls) { throw new RuntimeException("Stub!"); }

    public Object clone() { throw new RuntimeException("Stub!"); }
    public String getAction() { throw new RuntimeException("Stub!"); }
    public Intent setAction(String action) { throw new RuntimeException("Stub!"); }
    public Uri getData() { throw new RuntimeException("Stub!"); }
    public Intent setData(Uri data) { throw new RuntimeException("Stub!"); }
    public String getType() { throw new RuntimeException("Stub!"); }
    public Intent setType(String type) { throw new RuntimeException("Stub!"); }
    public Intent setClass(Context packageContext, Class<?> cls) { throw new RuntimeException("Stub!"); }
    public Intent setFlags(int flags) { throw new RuntimeException("Stub!"); }
    public Intent addFlags(int flags) { throw new RuntimeException("Stub!"); }
    public Intent addCategory(String category) { throw new RuntimeException("Stub!"); }

    public Bundle getExtras() { throw new RuntimeException("Stub!"); }
    public boolean hasExtra(String name) { throw new RuntimeException("Stub!"); }
    public String getStringExtra(String name) { throw new RuntimeException("Stub!"); }
    public int getIntExtra(String name, int defaultValue) { throw new RuntimeException("Stub!"); }
    public long getLongExtra(String name, long defaultValue) { throw new RuntimeException("Stub!"); }
    public boolean getBooleanExtra(String name, boolean defaultValue) { throw new RuntimeException("Stub!"); }
    public Serializable getSerializableExtra(String name) { throw new RuntimeException("Stub!"); }
    public Bundle getBundleExtra(String name) { throw new RuntimeException("Stub!"); }

    public Intent putExtra(String name, boolean value) { throw new RuntimeException("Stub!"); }
    public Intent putExtra(String name, int value) { throw new RuntimeException("Stub!"); }
    public Intent putExtra(String name, long value) { throw new RuntimeException("Stub!"); }
    public Intent putExtra(String name, float value) { throw new RuntimeException("Stub!"); }
    public Intent putExtra(String name, double value) { throw new RuntimeException("Stub!"); }
    public Intent putExtra(String name, String value) { throw new RuntimeException("Stub!"); }
    public Intent putExtra(String name, CharSequence value) { throw new RuntimeException("Stub!"); }
    public Intent putExtra(String name, Parcelable value) { throw new RuntimeException("Stub!"); }
    public Intent putExtra(String name, Serializable value) { throw new RuntimeException("Stub!"); }
    public Intent putExtra(String name, byte[] value) { throw new RuntimeException("Stub!"); }
    public Intent putExtra(String name, String[] value) { throw new RuntimeException("Stub!"); }
    public Intent putExtra(String name, Bundle value) { throw new RuntimeException("Stub!"); }
    public Intent putExtras(Intent src) { throw new RuntimeException("Stub!"); }
    public Intent putExtras(Bundle extras) { throw new RuntimeException("Stub!"); }
    public void removeExtra(String name) { throw new RuntimeException("Stub!"); }

    public int describeContents() { throw new RuntimeException("Stub!"); }
    public void writeToParcel(Parcel out, int flags) { throw new RuntimeException("Stub!"); }
}
