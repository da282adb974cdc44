package android.database;

public abstract class AbstractCursor implements Cursor {
    public AbstractCursor() { throw new RuntimeException("Stub!"); }

    public abstract int getCount();
    public abstract String[] getColumnNames();
    public int getColumnCount() { throw new RuntimeException("Stub!"); }
    public final boolean moveToFirst() { throw new RuntimeException("Stub!"); }
    public final boolean moveToNext() { throw new RuntimeException("Stub!"); }
    public abstract String getString(int column);
    public abstract long getLong(int column);
    public void close() { throw new RuntimeException("Stub!"); }
}
