package com.mobileclient.domain;

/** 某"甲"\\: an object of the class X. */
public class X {
    private final int a;
    private final String t;

    public X(
            int a,
            String t) {
        this.a = a;
        this.t = t;
    }

    /** a */
    public int getA() {
        return a;
    }

    /** ?问"答" C:\\users * /完 */
    public String getT() {
        return t;
    }
}
