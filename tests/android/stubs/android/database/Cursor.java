package android.database;

import java.io.Closeable;

public interface Cursor extends Closeable {
    public int getCount();
    public int getColumnCount();
    public boolean moveToFirst();
    public boolean moveToNext();
    public String getString(int columnIndex);
    public long getLong(int columnIndex);
    public void close();
}
