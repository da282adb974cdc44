package com.mobileclient.domain;

/** 图书类别: an object of the class BookType. */
public class BookType {
    private final int typeId;
    private final String typeName;
    private final int borrowDays;

    public BookType(
            int typeId,
            String typeName,
            int borrowDays) {
        this.typeId = typeId;
        this.typeName = typeName;
        this.borrowDays = borrowDays;
    }

    /** 类别编号 */
    public int getTypeId() {
        return typeId;
    }

    /** 类别名称 */
    public String getTypeName() {
        return typeName;
    }

    /** 可借阅天数 */
    public int getBorrowDays() {
        return borrowDays;
    }
}
