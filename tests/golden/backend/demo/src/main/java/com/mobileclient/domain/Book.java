package com.mobileclient.domain;

import java.time.LocalDateTime;

/** 图书: an object of the class Book. */
public class Book {
    private final String barcode;
    private final String bookName;
    private final int bookType;
    private final double price;
    private final int count;
    private final LocalDateTime publishDate;
    private final String publish;
    private final String bookPhoto;
    private final String introduction;

    public Book(
            String barcode,
            String bookName,
            int bookType,
            double price,
            int count,
            LocalDateTime publishDate,
            String publish,
            String bookPhoto,
            String introduction) {
        this.barcode = barcode;
        this.bookName = bookName;
        this.bookType = bookType;
        this.price = price;
        this.count = count;
        this.publishDate = publishDate;
        this.publish = publish;
        this.bookPhoto = bookPhoto;
        this.introduction = introduction;
    }

    /** 图书条码 */
    public String getBarcode() {
        return barcode;
    }

    /** 图书名称 */
    public String getBookName() {
        return bookName;
    }

    /** 图书类别 */
    public int getBookType() {
        return bookType;
    }

    /** 图书价格 */
    public double getPrice() {
        return price;
    }

    /** 库存数量 */
    public int getCount() {
        return count;
    }

    /** 出版日期 */
    public LocalDateTime getPublishDate() {
        return publishDate;
    }

    /** 出版社 */
    public String getPublish() {
        return publish;
    }

    /** 图书图片 */
    public String getBookPhoto() {
        return bookPhoto;
    }

    /** 图书简介 */
    public String getIntroduction() {
        return introduction;
    }
}
