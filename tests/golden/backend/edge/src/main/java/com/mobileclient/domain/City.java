package com.mobileclient.domain;

/** 城市: an object of the class City. */
public class City {
    private final int cityId;
    private final String cityName;

    public City(
            int cityId,
            String cityName) {
        this.cityId = cityId;
        this.cityName = cityName;
    }

    /** 城市编号 */
    public int getCityId() {
        return cityId;
    }

    /** 名称 & <简称> */
    public String getCityName() {
        return cityName;
    }
}
