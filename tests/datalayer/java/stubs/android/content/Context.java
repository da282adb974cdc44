package android.content;

/* Just enough of Android's Context for a list adapter to find its layout inflater. */
public class Context {
	public static final String LAYOUT_INFLATER_SERVICE = "layout_inflater";

	private final Object inflater;

	public Context(Object inflater) {
		this.inflater = inflater;
	}

	public Object getSystemService(String name) {
		return LAYOUT_INFLATER_SERVICE.equals(name) ? inflater : null;
	}
}
