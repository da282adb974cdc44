#pragma once

// The models the suites share, each defined once.

#include "TestSupport.h"

namespace testing {

// The library of the data-layer round trip (tests/datalayer/java drives it) and of the run
// tests: every member category, an integer-key and a text-key referenced class, a
// single-member class, two references to one class, and query members the add dialog refuses:
// an image member (the edit dialog lets it through) and an integer member.
inline TProjectModel library() {
    return ProjectBuilder(QStringLiteral("Library"))
        .cls("BookType", "图书类别", {"typeId 整型 K 类别编号", "typeName 字符串 DP 类别名称"})
        .cls("Publisher", "出版社",
             {"publisherNo 字符串 K 出版社编号", "publisherName 字符串 DP 出版社名称"})
        .cls("Book", "图书",
             {"barcode 字符串 KQP 条形码", "bookName 字符串 QDP 图书名称",
              "bookType BookType QP 图书类别", "price 浮点型 P 价格", "count 整型 P 库存",
              "publishDate 日期型 QP 出版日期", "publisher Publisher QP 出版社",
              "bookPhoto 图片型 P 图书图片"})
        .cls("Shelf", "书架", {"shelfId 整型 KDP 书架编号"})
        .cls("Reader", "读者", {"readerNo 字符串 KP 读者编号", "readerName 字符串 D 姓名"})
        .cls("Loan", "借阅",
             {"loanId 整型 KQDP 借阅编号", "reader Reader QP 借阅人", "guarantor Reader - 担保人",
              "receipt 图片型 Q 凭据"})
        .build();
}

// A valid project that drives every generator through every branch: integer, text, image and
// reference keys; a self reference and several references to one class (one of them named like
// another's class, so the renamed ones need numbers); display members that are not text;
// integer, float, date, image, text and reference query members; a class without query
// members; a class holding only its key; string lengths on both sides of the multi-line
// threshold; markup and empty texts in comments; texts that need their safe form in Java strings,
// Java comments and layout attributes (quotes, backslashes, "*/", a line break, a leading @ or
// ?); one-letter names.
inline TProjectModel edgeModel() {
    return ProjectBuilder(QStringLiteral("边界"))
        .cls("City", "城市", {"cityId 整型 KDP 城市编号", "cityName 字符串/99 Q 名称 & <简称>"})
        .cls("Trip", "行程",
             {"tripNo 字符串/100 KDP 行程号", "fromCity City QP 出发城市", "toCity City Q 到达城市",
              "city City -", "startDate 日期型 QP 出发日期", "fare 浮点型 Q 票价",
              "seats 整型 Q 座位", "photo 图片型 QP 照片", "ticket 图片型 -",
              "note 字符串/100 - 备注&说明", "memo 字符串/99 -"})
        .cls("Category", "类别",
             {"categoryName 字符串 KDP 类别名称", "parent Category QP 上级类别",
              "picture 图片型 Q 图片"})
        .cls("Badge", "徽章",
             {"badgePic 图片型 K 徽章图", "label 字符串 DP", "category Category - 类别"})
        .cls("Profile", "档案", {"trip Trip K 行程", "level 浮点型 DP 等级", "since 日期型 -"})
        .cls("X", "某\"甲\"\\", {"a 整型 KDP", "t 字符串 - ?问\"答\"\nC:\\users */完"})
        .cls("Y", "另", {"b 字符串 KP 乙", "p Profile QP 档案", "x X Q @某", "d 日期型 D 日期"})
        .build();
}

}  // namespace testing
