package com.mobileclient.domain;

import java.io.Serializable;

public class Loan implements Serializable {
    /*½èÔÄ±àºÅ*/
    private int loanId;
    public int getLoanId() {
        return loanId;
    }
    public void setLoanId(int loanId) {
        this.loanId = loanId;
    }

    /*½èÔÄÍ¼Êé*/
    private String book;
    public String getBook() {
        return book;
    }
    public void setBook(String book) {
        this.book = book;
    }

    /*½èÔÄ¶ÁÕß*/
    private String reader;
    public String getReader() {
        return reader;
    }
    public void setReader(String reader) {
        this.reader = reader;
    }

    /*½èÔÄÈÕÆÚ*/
    private java.sql.Timestamp borrowDate;
    public java.sql.Timestamp getBorrowDate() {
        return borrowDate;
    }
    public void setBorrowDate(java.sql.Timestamp borrowDate) {
        this.borrowDate = borrowDate;
    }

    /*±¸×¢*/
    private String memo;
    public String getMemo() {
        return memo;
    }
    public void setMemo(String memo) {
        this.memo = memo;
    }

}