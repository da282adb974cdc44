package android.text;

public interface Editable extends CharSequence {
    public void clear();
}
