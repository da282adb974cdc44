package com.mobileclient.domain;

import java.io.Serializable;

public class Badge implements Serializable {
    /*»ÕÕÂÍ¼*/
    private String badgePic;
    public String getBadgePic() {
        return badgePic;
    }
    public void setBadgePic(String badgePic) {
        this.badgePic = badgePic;
    }

    /**/
    private String label;
    public String getLabel() {
        return label;
    }
    public void setLabel(String label) {
        this.label = label;
    }

    /*Àà±ð*/
    private String category;
    public String getCategory() {
        return category;
    }
    public void setCategory(String category) {
        this.category = category;
    }

}