#pragma once

// The library project of the data-layer tests: every member category, an integer-key and a
// text-key referenced class, a single-member class, two references to one class, and query
// members the add dialog refuses: an image member (the edit dialog lets it through) and an
// integer member (only a store written by other means holds one).

#include "TestSupport.h"

namespace testing {

inline TProjectModel library() {
    return testing::ProjectBuilder(QStringLiteral("Library"))
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

}  // namespace testing
