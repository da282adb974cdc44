#include "store/DemoProject.h"

#include "generation/CodeModel.h"
#include "store/ClassDAO.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"

namespace {

// A member as the member dialog takes it: the flags are the dialog's check boxes.
struct DemoMember {
    const char* name;
    QString type;
    const char* comment;
    qint32 length = 0;  // read for string members only, as the dialog does
    bool key = false;
    bool query = false;
    bool display = false;
    bool phoneList = false;
    bool required = false;  // the dialog demands it for every type but string
};

struct DemoClass {
    const char* className;
    const char* friendName;
    QList<DemoMember> members;
};

QList<DemoClass> demoClasses() {
    return {
        {"BookType",
         "图书类别",
         {
             {.name = "typeId",
              .type = kTypeInteger,
              .comment = "类别编号",
              .key = true,
              .phoneList = true},
             {.name = "typeName",
              .type = kTypeString,
              .comment = "类别名称",
              .length = 20,
              .display = true,
              .phoneList = true,
              .required = true},
             {.name = "borrowDays", .type = kTypeInteger, .comment = "可借阅天数"},
         }},
        {"Book",
         "图书",
         {
             {.name = "barcode",
              .type = kTypeString,
              .comment = "图书条码",
              .length = 20,
              .key = true,
              .query = true,
              .phoneList = true,
              .required = true},
             {.name = "bookName",
              .type = kTypeString,
              .comment = "图书名称",
              .length = 50,
              .query = true,
              .display = true,
              .phoneList = true,
              .required = true},
             {.name = "bookType",
              .type = QStringLiteral("BookType"),
              .comment = "图书类别",
              .query = true,
              .phoneList = true},
             {.name = "price", .type = kTypeFloat, .comment = "图书价格", .phoneList = true},
             {.name = "count", .type = kTypeInteger, .comment = "库存数量"},
             {.name = "publishDate", .type = kTypeDate, .comment = "出版日期", .query = true},
             {.name = "publish", .type = kTypeString, .comment = "出版社", .length = 20},
             {.name = "bookPhoto", .type = kTypeImage, .comment = "图书图片", .phoneList = true},
             {.name = "introduction", .type = kTypeString, .comment = "图书简介", .length = 500},
         }},
        {"Reader",
         "读者",
         {
             {.name = "readerNo",
              .type = kTypeString,
              .comment = "读者编号",
              .length = 20,
              .key = true,
              .query = true,
              .phoneList = true,
              .required = true},
             {.name = "readerName",
              .type = kTypeString,
              .comment = "读者姓名",
              .length = 20,
              .query = true,
              .display = true,
              .phoneList = true,
              .required = true},
             {.name = "sex", .type = kTypeString, .comment = "性别", .length = 4},
             {.name = "birthday", .type = kTypeDate, .comment = "出生日期"},
             {.name = "telephone",
              .type = kTypeString,
              .comment = "联系电话",
              .length = 20,
              .phoneList = true},
             {.name = "readerPhoto", .type = kTypeImage, .comment = "读者照片"},
         }},
        {"Loan",
         "借阅记录",
         {
             {.name = "loanId",
              .type = kTypeInteger,
              .comment = "借阅编号",
              .key = true,
              .display = true,
              .phoneList = true},
             {.name = "book",
              .type = QStringLiteral("Book"),
              .comment = "借阅图书",
              .query = true,
              .phoneList = true},
             {.name = "reader",
              .type = QStringLiteral("Reader"),
              .comment = "借阅读者",
              .query = true,
              .phoneList = true},
             {.name = "borrowDate",
              .type = kTypeDate,
              .comment = "借阅日期",
              .query = true,
              .phoneList = true},
             {.name = "memo", .type = kTypeString, .comment = "备注", .length = 100},
         }},
    };
}

// The stored row, with the flags derived the way the member dialogs derive them.
TMember memberRow(qint32 projectId, qint32 classId, const DemoMember& demo) {
    const bool isString = demo.type == kTypeString;
    TMember row;
    row.projectId = projectId;
    row.classId = classId;
    row.memberName = QString::fromUtf8(demo.name);
    row.memberType = demo.type;
    row.memberLength = isString ? demo.length : 0;
    row.memberIsPri = demo.key ? 1 : 0;
    row.memberComment = QString::fromUtf8(demo.comment);
    row.memberIsMust = demo.required || !isString ? 1 : 0;
    row.memberIsInteger = demo.type == kTypeInteger ? 1 : 0;
    row.memberIsFloat = demo.type == kTypeFloat ? 1 : 0;
    row.queryFlag = demo.query ? 1 : 0;
    row.memberIsDisplay = demo.display ? 1 : 0;
    row.memberQueryDisplay = 1;
    row.androidDisplay = demo.phoneList ? 1 : 0;
    return row;
}

}  // namespace

QString DemoProjectName() {
    return QStringLiteral("图书管理");
}

void CreateDemoProject() {
    const TProjectDAO projects;
    const TClassDAO classes;
    const TMemberDAO members;
    projects.AddProject(DemoProjectName());
    const qint32 projectId = projects.FindProjectsByName(DemoProjectName()).last();
    for (const DemoClass& demo : demoClasses()) {
        const QString className = QString::fromUtf8(demo.className);
        classes.AddClass(projectId, className, QString::fromUtf8(demo.friendName), 1);
        const qint32 classId = classes.GetClassId(projectId, className);
        for (const DemoMember& member : demo.members) {
            members.AddMember(memberRow(projectId, classId, member));
        }
    }
}
