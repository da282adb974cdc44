package com.mobileclient.domain;

import java.io.Serializable;

public class City implements Serializable {
    /*³ÇÊÐ±àºÅ*/
    private int cityId;
    public int getCityId() {
        return cityId;
    }
    public void setCityId(int cityId) {
        this.cityId = cityId;
    }

    /*Ãû³Æ & <¼ò³Æ>*/
    private String cityName;
    public String getCityName() {
        return cityName;
    }
    public void setCityName(String cityName) {
        this.cityName = cityName;
    }

}