#include "commands/ProjectCommands.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <optional>

#include "generation/ModelChecks.h"
#include "store/ClassDAO.h"
#include "store/DbHelper.h"
#include "store/MemberDAO.h"
#include "store/MemberType.h"
#include "store/ProjectDAO.h"

namespace {

QString text(const char* source) {
    return QCoreApplication::translate("TProjectCommands", source);
}

QString nameInUseText() {
    return text("该工程名称已经存在!");
}

QString projectGoneText() {
    return text("该项目已不存在，请重新选择!");
}

QString memberGoneText() {
    return text("该成员已不存在，请重新选择!");
}

// Runs the command's checks and writes in one write transaction.
template <typename Command>
TCommandResult checkAndWrite(Command&& command) {
    TCommandResult result;
    TDbHelper().WriteConsistently([&] { result = command(); });
    return result;
}

// A whole number from 0 in decimal digits that fits 32 bits, as model files take lengths.
std::optional<qint32> parseLength(const QString& lengthText) {
    static const QRegularExpression decimal(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]+")));
    bool fits = false;
    const qint32 value = lengthText.toInt(&fits, 10);
    if (!decimal.match(lengthText).hasMatch() || !fits) {
        return std::nullopt;
    }
    return value;
}

// The member a dialog's entry stands for, with the flags and length its type implies; the
// message when the entry fails the dialogs' own checks or its length is no integer.
struct TEnteredMember {
    TMember member;
    QString problem;
};

TEnteredMember readEntry(const TMemberEntry& entry) {
    TEnteredMember entered{entry.member, FindMemberFieldProblem(entry.member)};
    TMember& m = entered.member;
    const MemberCategory category = CategoryOfType(m.memberType);
    std::optional<qint32> length = 0;
    if (entered.problem.isEmpty() && category == MemberCategory::String) {
        length = parseLength(entry.lengthText);
    }
    if (!length) {
        entered.problem = text("长度\"%1\"无效，请输入不小于0的整数长度!").arg(entry.lengthText);
        return entered;
    }
    m.memberLength = category == MemberCategory::String ? *length : 0;
    m.memberIsInteger = category == MemberCategory::Integer ? 1 : 0;
    m.memberIsFloat = category == MemberCategory::Float ? 1 : 0;
    return entered;
}

bool classExists(const TProjectContents& project, qint32 classId) {
    for (const TClassContents& cls : project.classes) {
        if (cls.classId == classId) {
            return true;
        }
    }
    return false;
}

bool projectExists(qint32 projectId) {
    for (const TEntry& project : TProjectDAO().ListProjects()) {
        if (project.id == projectId) {
            return true;
        }
    }
    return false;
}

QString classGoneText() {
    return text("该类已不存在，请重新选择!");
}

// The entry's problem, or the rule on names and texts that the member breaks in its class.
QString memberProblem(const TEnteredMember& entered) {
    if (!entered.problem.isEmpty()) {
        return entered.problem;
    }
    const TMember& m = entered.member;
    const TProjectContents project = ReadProjectContents(m.projectId, QString());
    if (!classExists(project, m.classId)) {
        return classGoneText();
    }
    return CheckMemberEntry(project, m).message;
}

}  // namespace

TCommandResult TProjectCommands::NewProject(const QString& name) const {
    if (name.isEmpty()) {
        return TCommandResult::Refused(text("工程名称不能为空!"));
    }
    return checkAndWrite([&] {
        const TProjectDAO projects;
        if (projects.CountProjectsByName(name) >= 1) {
            return TCommandResult::Refused(nameInUseText());
        }
        return TCommandResult::Done(text("工程名称添加成功！"), projects.AddProject(name));
    });
}

TCommandResult TProjectCommands::RenameProject(qint32 projectId, const QString& name) const {
    if (name.isEmpty()) {
        return TCommandResult::Refused(text("工程项目名称不能为空!"));
    }
    return checkAndWrite([&] {
        const TProjectDAO projects;
        if (!projectExists(projectId)) {
            return TCommandResult::Refused(projectGoneText());
        }
        const QList<qint32> named = projects.FindProjectsByName(name);
        if (!named.isEmpty() && named != QList<qint32>{projectId}) {
            return TCommandResult::Refused(nameInUseText());
        }
        projects.RenameProject(projectId, name);
        return TCommandResult::Done(text("工程名称修改成功！"), projectId);
    });
}

TCommandResult TProjectCommands::DeleteProject(qint32 projectId) const {
    TProjectDAO().DeleteProject(projectId);
    return TCommandResult::Done(text("删除成功!"), projectId);
}

TCommandResult TProjectCommands::AddClass(qint32 projectId, const TClassRecord& entered) const {
    const QString problem =
        FindClassFieldProblem(TClassEntryKind::Added, entered.className, entered.friendName);
    if (!problem.isEmpty()) {
        return TCommandResult::Refused(problem);
    }
    return checkAndWrite([&] {
        const TClassDAO classes;
        if (!projectExists(projectId)) {
            return TCommandResult::Refused(projectGoneText());
        }
        if (classes.CountClassesByName(projectId, entered.className) >= 1) {
            return TCommandResult::Refused(text("该类名称已经存在!"));
        }
        TClassRecord added = entered;
        added.classId = 0;
        const TModelProblem broken =
            CheckClassEntry(ReadProjectContents(projectId, QString()), added);
        if (broken.found()) {
            return TCommandResult::Refused(broken.message);
        }
        return TCommandResult::Done(text("类名称添加成功！"),
                                    classes.AddClass(projectId, entered.className,
                                                     entered.friendName, entered.frontShowFlag));
    });
}

TCommandResult TProjectCommands::UpdateClass(qint32 projectId, const TClassRecord& entered) const {
    const QString problem =
        FindClassFieldProblem(TClassEntryKind::Edited, entered.className, entered.friendName);
    if (!problem.isEmpty()) {
        return TCommandResult::Refused(problem);
    }
    return checkAndWrite([&] {
        const TProjectContents project = ReadProjectContents(projectId, QString());
        if (!classExists(project, entered.classId)) {
            return TCommandResult::Refused(classGoneText());
        }
        const TModelProblem broken = CheckClassEntry(project, entered);
        if (broken.found()) {
            return TCommandResult::Refused(broken.message);
        }
        TClassDAO().UpdateClass(projectId, entered.classId, entered.className, entered.friendName,
                                entered.frontShowFlag);
        return TCommandResult::Done(text("类名称更新成功"), entered.classId);
    });
}

TCommandResult TProjectCommands::DeleteClass(qint32 classId) const {
    TClassDAO().DeleteClass(classId);
    return TCommandResult::Done(text("类对象删除成功!"), classId);
}

TCommandResult TProjectCommands::AddMember(const TMemberEntry& entry) const {
    return checkAndWrite([&] {
        TEnteredMember entered = readEntry(entry);
        entered.member.memberId = 0;
        const QString problem = memberProblem(entered);
        if (!problem.isEmpty()) {
            return TCommandResult::Refused(problem);
        }
        return TCommandResult::Done(text("类成员属性添加成功!"),
                                    TMemberDAO().AddMember(entered.member));
    });
}

TCommandResult TProjectCommands::UpdateMember(const TMemberEntry& entry) const {
    return checkAndWrite([&] {
        const TMemberDAO members;
        const std::optional<TMember> stored = members.GetMember(entry.member.memberId);
        if (!stored) {
            return TCommandResult::Refused(memberGoneText());
        }
        TEnteredMember entered = readEntry(entry);
        entered.member.projectId = stored->projectId;
        entered.member.classId = stored->classId;
        const QString problem = memberProblem(entered);
        if (!problem.isEmpty()) {
            return TCommandResult::Refused(problem);
        }
        members.UpdateMember(entered.member);
        return TCommandResult::Done(text("类成员属性更新成功!"), stored->memberId);
    });
}

TCommandResult TProjectCommands::DeleteMember(qint32 memberId) const {
    TMemberDAO().DeleteMember(memberId);
    return TCommandResult::Done(text("成员属性删除成功"), memberId);
}

TCommandResult TProjectCommands::ExchangeMembers(qint32 first, qint32 second) const {
    return checkAndWrite([&] {
        if (!TMemberDAO().SwapMembers(first, second)) {
            return TCommandResult::Refused(memberGoneText());
        }
        return TCommandResult::Done(QString(), first);
    });
}
