package com.mobileclient.domain;

import java.io.Serializable;

public class X implements Serializable {
    /**/
    private int a;
    public int getA() {
        return a;
    }
    public void setA(int a) {
        this.a = a;
    }

    /*?ÎÊ"´ğ" C:\\users * /Íê*/
    private String t;
    public String getT() {
        return t;
    }
    public void setT(String t) {
        this.t = t;
    }

}