package com.mobileclient.domain;

import java.io.Serializable;

public class Y implements Serializable {
    /*ÒÒ*/
    private String b;
    public String getB() {
        return b;
    }
    public void setB(String b) {
        this.b = b;
    }

    /*µµ°¸*/
    private String p;
    public String getP() {
        return p;
    }
    public void setP(String p) {
        this.p = p;
    }

    /*@Ä³*/
    private int x;
    public int getX() {
        return x;
    }
    public void setX(int x) {
        this.x = x;
    }

    /*ÈÕÆÚ*/
    private java.sql.Timestamp d;
    public java.sql.Timestamp getD() {
        return d;
    }
    public void setD(java.sql.Timestamp d) {
        this.d = d;
    }

}