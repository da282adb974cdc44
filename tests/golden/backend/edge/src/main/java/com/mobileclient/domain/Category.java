package com.mobileclient.domain;

/** 类别: an object of the class Category. */
public class Category {
    private final String categoryName;
    private final String parent;
    private final String picture;

    public Category(
            String categoryName,
            String parent,
            String picture) {
        this.categoryName = categoryName;
        this.parent = parent;
        this.picture = picture;
    }

    /** 类别名称 */
    public String getCategoryName() {
        return categoryName;
    }

    /** 上级类别 */
    public String getParent() {
        return parent;
    }

    /** 图片 */
    public String getPicture() {
        return picture;
    }
}
