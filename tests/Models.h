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
        .cls("BookType", "图书类别",
             {{.name = "typeId", .type = kTypeInteger, .comment = "类别编号", .key = true},
              {.name = "typeName",
               .type = kTypeString,
               .comment = "类别名称",
               .display = true,
               .phone = true}})
        .cls("Publisher", "出版社",
             {{.name = "publisherNo", .type = kTypeString, .comment = "出版社编号", .key = true},
              {.name = "publisherName",
               .type = kTypeString,
               .comment = "出版社名称",
               .display = true,
               .phone = true}})
        .cls("Book", "图书",
             {{.name = "barcode",
               .type = kTypeString,
               .comment = "条形码",
               .key = true,
               .query = true,
               .phone = true},
              {.name = "bookName",
               .type = kTypeString,
               .comment = "图书名称",
               .query = true,
               .display = true,
               .phone = true},
              {.name = "bookType",
               .type = "BookType",
               .comment = "图书类别",
               .query = true,
               .phone = true},
              {.name = "price", .type = kTypeFloat, .comment = "价格", .phone = true},
              {.name = "count", .type = kTypeInteger, .comment = "库存", .phone = true},
              {.name = "publishDate",
               .type = kTypeDate,
               .comment = "出版日期",
               .query = true,
               .phone = true},
              {.name = "publisher",
               .type = "Publisher",
               .comment = "出版社",
               .query = true,
               .phone = true},
              {.name = "bookPhoto", .type = kTypeImage, .comment = "图书图片", .phone = true}})
        .cls("Shelf", "书架",
             {{.name = "shelfId",
               .type = kTypeInteger,
               .comment = "书架编号",
               .key = true,
               .display = true,
               .phone = true}})
        .cls("Reader", "读者",
             {{.name = "readerNo",
               .type = kTypeString,
               .comment = "读者编号",
               .key = true,
               .phone = true},
              {.name = "readerName", .type = kTypeString, .comment = "姓名", .display = true}})
        .cls("Loan", "借阅",
             {{.name = "loanId",
               .type = kTypeInteger,
               .comment = "借阅编号",
               .key = true,
               .query = true,
               .display = true,
               .phone = true},
              {.name = "reader",
               .type = "Reader",
               .comment = "借阅人",
               .query = true,
               .phone = true},
              {.name = "guarantor", .type = "Reader", .comment = "担保人"},
              {.name = "receipt", .type = kTypeImage, .comment = "凭据", .query = true}})
        .build();
}

// A valid project that drives every generator through every branch: integer, text, image and
// reference keys; a self reference and several references to one class (one of them named like
// another's class, so the renamed ones need numbers); display members that are not text;
// integer, float, date, image, text and reference query members; a class without query
// members; a class holding only its key; string lengths on both sides of the multi-line
// threshold; markup and empty texts in comments; one-letter names.
inline TProjectModel edgeModel() {
    return ProjectBuilder(QStringLiteral("边界"))
        .cls("City", "城市",
             {{.name = "cityId",
               .type = kTypeInteger,
               .comment = "城市编号",
               .key = true,
               .display = true,
               .phone = true},
              {.name = "cityName",
               .type = kTypeString,
               .comment = "名称 & <简称>",
               .query = true,
               .length = 99}})
        .cls(
            "Trip", "行程",
            {{.name = "tripNo",
              .type = kTypeString,
              .comment = "行程号",
              .key = true,
              .display = true,
              .phone = true,
              .length = 100},
             {.name = "fromCity",
              .type = "City",
              .comment = "出发城市",
              .query = true,
              .phone = true},
             {.name = "toCity", .type = "City", .comment = "到达城市", .query = true},
             {.name = "city", .type = "City", .comment = ""},
             {.name = "startDate",
              .type = kTypeDate,
              .comment = "出发日期",
              .query = true,
              .phone = true},
             {.name = "fare", .type = kTypeFloat, .comment = "票价", .query = true},
             {.name = "seats", .type = kTypeInteger, .comment = "座位", .query = true},
             {.name = "photo", .type = kTypeImage, .comment = "照片", .query = true, .phone = true},
             {.name = "ticket", .type = kTypeImage, .comment = ""},
             {.name = "note", .type = kTypeString, .comment = "备注&说明", .length = 100},
             {.name = "memo", .type = kTypeString, .comment = "", .length = 99}})
        .cls("Category", "类别",
             {{.name = "categoryName",
               .type = kTypeString,
               .comment = "类别名称",
               .key = true,
               .display = true,
               .phone = true},
              {.name = "parent",
               .type = "Category",
               .comment = "上级类别",
               .query = true,
               .phone = true},
              {.name = "picture", .type = kTypeImage, .comment = "图片", .query = true}})
        .cls("Badge", "徽章",
             {{.name = "badgePic", .type = kTypeImage, .comment = "徽章图", .key = true},
              {.name = "label", .type = kTypeString, .comment = "", .display = true, .phone = true},
              {.name = "category", .type = "Category", .comment = "类别"}})
        .cls("Profile", "档案",
             {{.name = "trip", .type = "Trip", .comment = "行程", .key = true},
              {.name = "level",
               .type = kTypeFloat,
               .comment = "等级",
               .display = true,
               .phone = true},
              {.name = "since", .type = kTypeDate, .comment = ""}})
        .cls("X", "某",
             {{.name = "a",
               .type = kTypeInteger,
               .comment = "",
               .key = true,
               .display = true,
               .phone = true}})
        .cls("Y", "另",
             {{.name = "b", .type = kTypeString, .comment = "乙", .key = true, .phone = true},
              {.name = "p", .type = "Profile", .comment = "档案", .query = true, .phone = true},
              {.name = "x", .type = "X", .comment = "", .query = true},
              {.name = "d", .type = kTypeDate, .comment = "日期", .display = true}})
        .build();
}

}  // namespace testing
