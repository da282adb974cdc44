package android.os;

import java.util.Set;

public class BaseBundle {
    BaseBundle() { throw new RuntimeException("Stub!"); }

    public int size() { throw new RuntimeException("Stub!"); }
    public boolean isEmpty() { throw new RuntimeException("Stub!"); }
    public void clear() { throw new RuntimeException("Stub!"); }
    public boolean containsKey(String key) { throw new RuntimeException("Stub!"); }
    public Object get(String key) { throw new RuntimeException("Stub!"); }
    public void remove(String key) { throw new RuntimeException("Stub!"); }
    public Set<String> keySet() { throw new RuntimeException("Stub!"); }

    public void putBoolean(String key, boolean value) { throw new RuntimeException("Stub!"); }
    public void putInt(String key, int value) { throw new RuntimeException("Stub!"); }
    public void putLong(String key, long value) { throw new RuntimeException("Stub!"); }
    public void putDouble(String key, double value) { throw new RuntimeException("Stub!"); }
    public void putString(String key, String value) { throw new RuntimeException("Stub!"); }
    public void putStringArray(String key, String[] value) { throw new RuntimeException("Stub!"); }

    public boolean getBoolean(String key) { throw new RuntimeException("Stub!"); }
    public boolean getBoolean(String key, boolean defaultValue) { throw new RuntimeException("Stub!"); }
    public int getInt(String key) { throw new RuntimeException("Stub!"); }
    public int getInt(String key, int defaultValue) { throw new RuntimeException("Stub!"); }
    public long getLong(String key) { throw new RuntimeException("Stub!"); }
    public long getLong(String key, long defaultValue) { throw new RuntimeException("Stub!"); }
    public double getDouble(String key) { throw new RuntimeException("Stub!"); }
    public double getDouble(String key, double defaultValue) { throw new RuntimeException("Stub!"); }
    public String getString(String key) { throw new RuntimeException("Stub!"); }
    public String getString(String key, String defaultValue) { throw new RuntimeException("Stub!"); }
    public String[] getStringArray(String key) { throw new RuntimeException("Stub!"); }
}
