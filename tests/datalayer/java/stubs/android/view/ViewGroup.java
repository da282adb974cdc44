package android.view;

public class ViewGroup extends View {
}
