package android.widget;

public class Button extends TextView {
}
