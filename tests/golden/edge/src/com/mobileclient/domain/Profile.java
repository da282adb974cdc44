package com.mobileclient.domain;

import java.io.Serializable;

public class Profile implements Serializable {
    /*行程*/
    private String trip;
    public String getTrip() {
        return trip;
    }
    public void setTrip(String trip) {
        this.trip = trip;
    }

    /*等级*/
    private float level;
    public float getLevel() {
        return level;
    }
    public void setLevel(float level) {
        this.level = level;
    }

    /**/
    private java.sql.Timestamp since;
    public java.sql.Timestamp getSince() {
        return since;
    }
    public void setSince(java.sql.Timestamp since) {
        this.since = since;
    }

}