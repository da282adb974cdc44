package com.mobileclient.domain;

import java.time.LocalDateTime;

/** 借阅记录: an object of the class Loan. */
public class Loan {
    private final int loanId;
    private final String book;
    private final String reader;
    private final LocalDateTime borrowDate;
    private final String memo;

    public Loan(
            int loanId,
            String book,
            String reader,
            LocalDateTime borrowDate,
            String memo) {
        this.loanId = loanId;
        this.book = book;
        this.reader = reader;
        this.borrowDate = borrowDate;
        this.memo = memo;
    }

    /** 借阅编号 */
    public int getLoanId() {
        return loanId;
    }

    /** 借阅图书 */
    public String getBook() {
        return book;
    }

    /** 借阅读者 */
    public String getReader() {
        return reader;
    }

    /** 借阅日期 */
    public LocalDateTime getBorrowDate() {
        return borrowDate;
    }

    /** 备注 */
    public String getMemo() {
        return memo;
    }
}
