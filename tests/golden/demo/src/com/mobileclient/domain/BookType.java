package com.mobileclient.domain;

import java.io.Serializable;

public class BookType implements Serializable {
    /*类别编号*/
    private int typeId;
    public int getTypeId() {
        return typeId;
    }
    public void setTypeId(int typeId) {
        this.typeId = typeId;
    }

    /*类别名称*/
    private String typeName;
    public String getTypeName() {
        return typeName;
    }
    public void setTypeName(String typeName) {
        this.typeName = typeName;
    }

    /*可借阅天数*/
    private int borrowDays;
    public int getBorrowDays() {
        return borrowDays;
    }
    public void setBorrowDays(int borrowDays) {
        this.borrowDays = borrowDays;
    }

}