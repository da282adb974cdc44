package android.widget;

import android.content.Context;

public class DatePicker extends FrameLayout {
    public DatePicker(Context context) { super(null); throw new RuntimeException("Stub!"); }

    public void init(int year, int monthOfYear, int dayOfMonth, DatePicker.OnDateChangedListener onDateChangedListener) { throw new RuntimeException("Stub!"); }
    public void updateDate(int year, int month, int dayOfMonth) { throw new RuntimeException("Stub!"); }
    public int getYear() { throw new RuntimeException("Stub!"); }
    public int getMonth() { throw new RuntimeException("Stub!"); }
    public int getDayOfMonth() { throw new RuntimeException("Stub!"); }
    public void setMinDate(long minDate) { throw new RuntimeException("Stub!"); }
    public void setMaxDate(long maxDate) { throw new RuntimeException("Stub!"); }
    public void setOnDateChangedListener(DatePicker.OnDateChangedListener onDateChangedListener) { throw new RuntimeException("Stub!"); }

    public static interface OnDateChangedListener {
        public void onDateChanged(DatePicker view, int year, int monthOfYear, int dayOfMonth);
    }
}
