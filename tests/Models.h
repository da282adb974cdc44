#pragma once

// The models the suites share, each defined once.

#include "TestSupport.h"

namespace testing {

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
