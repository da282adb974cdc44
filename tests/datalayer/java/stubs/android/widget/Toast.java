package android.widget;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;

import android.content.Context;

/* Every text shown, in order. */
public class Toast {
	public static final int LENGTH_SHORT = 0;
	public static final int LENGTH_LONG = 1;
	public static final List<CharSequence> shown =
			Collections.synchronizedList(new ArrayList<CharSequence>());

	private final CharSequence text;

	private Toast(CharSequence text) {
		this.text = text;
	}

	public static Toast makeText(Context context, CharSequence text, int duration) {
		return new Toast(text);
	}

	public void show() {
		shown.add(text);
	}
}
