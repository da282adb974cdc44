package android.database;

public class MatrixCursor extends AbstractCursor {
    public MatrixCursor(String[] columnNames, int initialCapacity) { throw new RuntimeException("Stub!"); }
    public MatrixCursor(String[] columnNames) { throw new RuntimeException("Stub!"); }

    public void addRow(Object[] columnValues) { throw new RuntimeException("Stub!"); }
    public int getCount() { throw new RuntimeException("Stub!"); }
    public String[] getColumnNames() { throw new RuntimeException("Stub!"); }
    public String getString(int column) { throw new RuntimeException("Stub!"); }
    public long getLong(int column) { throw new RuntimeException("Stub!"); }
}
