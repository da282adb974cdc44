package com.mobileclient.domain;

import java.time.LocalDateTime;

/** 另: an object of the class Y. */
public class Y {
    private final String b;
    private final String p;
    private final int x;
    private final LocalDateTime d;

    public Y(
            String b,
            String p,
            int x,
            LocalDateTime d) {
        this.b = b;
        this.p = p;
        this.x = x;
        this.d = d;
    }

    /** 乙 */
    public String getB() {
        return b;
    }

    /** 档案 */
    public String getP() {
        return p;
    }

    /** @某 */
    public int getX() {
        return x;
    }

    /** 日期 */
    public LocalDateTime getD() {
        return d;
    }
}
