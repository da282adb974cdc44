#include "generation/ModelChecks.h"

#include <algorithm>

namespace {

struct MemberCountCheck {
    int notice;
    bool (*counts)(const TMember&);
    bool (*fails)(qsizetype count);
};

const MemberCountCheck kMemberCountChecks[] = {
    {kNoticeKeyCheck, [](const TMember& m) { return m.memberIsPri == 1; },
     [](qsizetype count) { return count != 1; }},
    {kNoticeDisplayCheck, [](const TMember& m) { return m.memberIsDisplay == 1; },
     [](qsizetype count) { return count != 1; }},
    {kNoticePhoneListCheck, [](const TMember& m) { return m.androidDisplay == 1; },
     [](qsizetype count) { return count == 0; }},
};

TModelProblem findMemberCountProblem(const TProjectModel& project) {
    for (const MemberCountCheck& check : kMemberCountChecks) {
        for (const TClassModel& cls : project.classes) {
            const auto count = std::count_if(
                cls.members.begin(), cls.members.end(),
                [&check](const TMemberInfo& info) { return check.counts(info.member); });
            if (check.fails(count)) {
                return {check.notice, CheckNoticeText(check.notice, cls.className), cls.classId};
            }
        }
    }
    return {};
}

TModelProblem findReferenceProblem(const TProjectModel& project) {
    for (const TClassModel& cls : project.classes) {
        auto problem = [&cls](const QString& message) {
            return TModelProblem{kNoticeModelCheck, message, cls.classId};
        };
        if (!IsSafeFileNameComponent(cls.className)) {
            return problem(
                QStringLiteral("%1表的类名不能用作文件名，请修改类名!").arg(cls.className));
        }
        for (const TMemberInfo& member : cls.members) {
            if (!member.isReference()) {
                continue;
            }
            const QString prefix = QStringLiteral("%1表的成员%2引用的类%3")
                                       .arg(cls.className, member.name(), member.refClass());
            if (member.referenced == nullptr) {
                return problem(prefix + QStringLiteral("在本项目中不存在!"));
            }
            if (member.referenced->keyMember() == nullptr) {
                return problem(prefix + QStringLiteral("没有设置主键!"));
            }
            if (member.referenced->displayMember() == nullptr) {
                return problem(prefix + QStringLiteral("没有设置下拉框显示字段!"));
            }
        }
    }
    return {};
}

}  // namespace

TModelProblem FindModelProblem(const TProjectModel& project) {
    TModelProblem problem = findMemberCountProblem(project);
    return problem.found() ? problem : findReferenceProblem(project);
}

QString FindProjectNameProblem(const QString& projectName) {
    return IsSafeFileNameComponent(projectName)
               ? QString()
               : QStringLiteral("项目名称\"%1\"不能用作文件夹名，请修改项目名称!").arg(projectName);
}

QString CheckNoticeText(int notice, const QString& className) {
    switch (notice) {
        case kNoticeKeyCheck:
            return className + QStringLiteral("表主键设置错误，每个类只能设置一个主键!");
        case kNoticeDisplayCheck:
            return className +
                   QStringLiteral("表显示成员设置错误，每个类有且只能设置一个下拉框显示字段!");
        case kNoticePhoneListCheck:
            return className + QStringLiteral("表请至少设置一个安卓列表页显示字段!");
        default:
            return QString();
    }
}
