package com.mobileclient.domain;

import java.io.Serializable;

public class Trip implements Serializable {
    /*行程号*/
    private String tripNo;
    public String getTripNo() {
        return tripNo;
    }
    public void setTripNo(String tripNo) {
        this.tripNo = tripNo;
    }

    /*出发城市*/
    private int fromCity;
    public int getFromCity() {
        return fromCity;
    }
    public void setFromCity(int fromCity) {
        this.fromCity = fromCity;
    }

    /*到达城市*/
    private int toCity;
    public int getToCity() {
        return toCity;
    }
    public void setToCity(int toCity) {
        this.toCity = toCity;
    }

    /**/
    private int city;
    public int getCity() {
        return city;
    }
    public void setCity(int city) {
        this.city = city;
    }

    /*出发日期*/
    private java.sql.Timestamp startDate;
    public java.sql.Timestamp getStartDate() {
        return startDate;
    }
    public void setStartDate(java.sql.Timestamp startDate) {
        this.startDate = startDate;
    }

    /*票价*/
    private float fare;
    public float getFare() {
        return fare;
    }
    public void setFare(float fare) {
        this.fare = fare;
    }

    /*座位*/
    private int seats;
    public int getSeats() {
        return seats;
    }
    public void setSeats(int seats) {
        this.seats = seats;
    }

    /*照片*/
    private String photo;
    public String getPhoto() {
        return photo;
    }
    public void setPhoto(String photo) {
        this.photo = photo;
    }

    /**/
    private String ticket;
    public String getTicket() {
        return ticket;
    }
    public void setTicket(String ticket) {
        this.ticket = ticket;
    }

    /*备注&说明*/
    private String note;
    public String getNote() {
        return note;
    }
    public void setNote(String note) {
        this.note = note;
    }

    /**/
    private String memo;
    public String getMemo() {
        return memo;
    }
    public void setMemo(String memo) {
        this.memo = memo;
    }

}