package android.widget;

import java.util.List;
import java.util.Map;

import android.content.Context;
import android.view.View;
import android.view.ViewGroup;

public class SimpleAdapter {
	public SimpleAdapter(Context context, List<? extends Map<String, ?>> data, int resource,
			String[] from, int[] to) {
	}

	public View getView(int position, View convertView, ViewGroup parent) {
		return null;
	}
}
