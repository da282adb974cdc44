package com.mobileclient.domain;

import java.time.LocalDateTime;

/** 读者: an object of the class Reader. */
public class Reader {
    private final String readerNo;
    private final String readerName;
    private final String sex;
    private final LocalDateTime birthday;
    private final String telephone;
    private final String readerPhoto;

    public Reader(
            String readerNo,
            String readerName,
            String sex,
            LocalDateTime birthday,
            String telephone,
            String readerPhoto) {
        this.readerNo = readerNo;
        this.readerName = readerName;
        this.sex = sex;
        this.birthday = birthday;
        this.telephone = telephone;
        this.readerPhoto = readerPhoto;
    }

    /** 读者编号 */
    public String getReaderNo() {
        return readerNo;
    }

    /** 读者姓名 */
    public String getReaderName() {
        return readerName;
    }

    /** 性别 */
    public String getSex() {
        return sex;
    }

    /** 出生日期 */
    public LocalDateTime getBirthday() {
        return birthday;
    }

    /** 联系电话 */
    public String getTelephone() {
        return telephone;
    }

    /** 读者照片 */
    public String getReaderPhoto() {
        return readerPhoto;
    }
}
