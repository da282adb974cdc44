package android.content;

public interface SharedPreferences {
    public interface Editor {
        public SharedPreferences.Editor putString(String key, String value);
        public SharedPreferences.Editor remove(String key);
        public SharedPreferences.Editor clear();
        public boolean commit();
        public void apply();
    }

    public String getString(String key, String defValue);
    public boolean contains(String key);
    public SharedPreferences.Editor edit();
}
