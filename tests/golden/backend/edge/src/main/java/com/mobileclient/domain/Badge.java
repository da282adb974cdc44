package com.mobileclient.domain;

/** 徽章: an object of the class Badge. */
public class Badge {
    private final String badgePic;
    private final String label;
    private final String category;

    public Badge(
            String badgePic,
            String label,
            String category) {
        this.badgePic = badgePic;
        this.label = label;
        this.category = category;
    }

    /** 徽章图 */
    public String getBadgePic() {
        return badgePic;
    }

    /** label */
    public String getLabel() {
        return label;
    }

    /** 类别 */
    public String getCategory() {
        return category;
    }
}
