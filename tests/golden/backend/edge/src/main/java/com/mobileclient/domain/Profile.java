package com.mobileclient.domain;

import java.time.LocalDateTime;

/** 档案: an object of the class Profile. */
public class Profile {
    private final String trip;
    private final double level;
    private final LocalDateTime since;

    public Profile(
            String trip,
            double level,
            LocalDateTime since) {
        this.trip = trip;
        this.level = level;
        this.since = since;
    }

    /** 行程 */
    public String getTrip() {
        return trip;
    }

    /** 等级 */
    public double getLevel() {
        return level;
    }

    /** since */
    public LocalDateTime getSince() {
        return since;
    }
}
