package android.view;

import java.util.HashMap;
import java.util.Map;

import android.widget.Button;
import android.widget.ImageView;
import android.widget.TextView;

/*
 * A view whose children are made on first lookup: ids from BUTTON_ID_BASE up are buttons, from
 * IMAGE_ID_BASE up image views, smaller ids text views.
 */
public class View {
	public static final int IMAGE_ID_BASE = 0x7f020000;
	public static final int BUTTON_ID_BASE = 0x7f050000;

	public interface OnClickListener {
		void onClick(View v);
	}

	private OnClickListener onClick;

	private final Map<Integer, View> children = new HashMap<Integer, View>();
	private Object tag;

	public View findViewById(int id) {
		View child = children.get(id);
		if (child == null) {
			child = id >= BUTTON_ID_BASE ? new Button() : id >= IMAGE_ID_BASE ? new ImageView() : new TextView();
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

	public void setOnClickListener(OnClickListener l) {
		onClick = l;
	}
}
