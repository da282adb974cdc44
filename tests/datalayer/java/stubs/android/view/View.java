package android.view;

import java.util.HashMap;
import java.util.Map;

import android.widget.ImageView;
import android.widget.TextView;

/*
 * A row view whose children are made on first lookup: ids from IMAGE_ID_BASE up are image
 * views, smaller ids text views.
 */
public class View {
	public static final int IMAGE_ID_BASE = 0x7f020000;

	private final Map<Integer, View> children = new HashMap<Integer, View>();
	private Object tag;

	public View findViewById(int id) {
		View child = children.get(id);
		if (child == null) {
			child = id >= IMAGE_ID_BASE ? new ImageView() : new TextView();
			children.put(id, child);
		}
		return child;
	}

	public void setTag(Object tag) {
		this.tag = tag;
	}

	public Object getTag() {
		return tag;
	}
}
