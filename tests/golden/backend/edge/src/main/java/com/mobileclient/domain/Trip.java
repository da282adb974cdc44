package com.mobileclient.domain;

import java.time.LocalDateTime;

/** 行程: an object of the class Trip. */
public class Trip {
    private final String tripNo;
    private final int fromCity;
    private final int toCity;
    private final int city;
    private final LocalDateTime startDate;
    private final double fare;
    private final int seats;
    private final String photo;
    private final String ticket;
    private final String note;
    private final String memo;

    public Trip(
            String tripNo,
            int fromCity,
            int toCity,
            int city,
            LocalDateTime startDate,
            double fare,
            int seats,
            String photo,
            String ticket,
            String note,
            String memo) {
        this.tripNo = tripNo;
        this.fromCity = fromCity;
        this.toCity = toCity;
        this.city = city;
        this.startDate = startDate;
        this.fare = fare;
        this.seats = seats;
        this.photo = photo;
        this.ticket = ticket;
        this.note = note;
        this.memo = memo;
    }

    /** 行程号 */
    public String getTripNo() {
        return tripNo;
    }

    /** 出发城市 */
    public int getFromCity() {
        return fromCity;
    }

    /** 到达城市 */
    public int getToCity() {
        return toCity;
    }

    /** city */
    public int getCity() {
        return city;
    }

    /** 出发日期 */
    public LocalDateTime getStartDate() {
        return startDate;
    }

    /** 票价 */
    public double getFare() {
        return fare;
    }

    /** 座位 */
    public int getSeats() {
        return seats;
    }

    /** 照片 */
    public String getPhoto() {
        return photo;
    }

    /** ticket */
    public String getTicket() {
        return ticket;
    }

    /** 备注&说明 */
    public String getNote() {
        return note;
    }

    /** memo */
    public String getMemo() {
        return memo;
    }
}
