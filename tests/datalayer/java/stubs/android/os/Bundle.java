package android.os;

import java.util.HashMap;
import java.util.Map;

public final class Bundle {
	private final Map<String, Object> values = new HashMap<String, Object>();

	public void putString(String key, String value) {
		values.put(key, value);
	}

	public void putInt(String key, int value) {
		values.put(key, value);
	}

	public String getString(String key) {
		return (String) values.get(key);
	}

	public int getInt(String key) {
		Object value = values.get(key);
		return value == null ? 0 : (Integer) value;
	}
}
