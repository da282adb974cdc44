#include "commands/ProjectCommands.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <optional>

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
// problem when the entry fails the dialogs' own checks or its length is no integer.
struct TEnteredMember {
    TMember member;
    TModelProblem problem;
};

TEnteredMember readEntry(const TMemberEntry& entry) {
    TEnteredMember entered{entry.member, FindMemberFieldProblem(entry.member)};
    TMember& m = entered.member;
    const TMemberTypeInfo& type = MemberTypeOf(m.memberType);
    std::optional<qint32> length = 0;
    if (!entered.problem.found() && type.keepsLength) {
        length = parseLength(entry.lengthText);
    }
    if (!length) {
        entered.problem = {0,
                           text("长度\"%1\"无效，请输入不小于0的整数长度!").arg(entry.lengthText),
                           0, TEntryField::Length};
        return entered;
    }
    m.memberLength = type.keepsLength ? *length : 0;
    m.memberIsInteger = type.integerFlag ? 1 : 0;
    m.memberIsFloat = type.floatFlag ? 1 : 0;
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

std::optional<QString> storedProjectName(qint32 projectId) {
    for (const TEntry& project : TProjectDAO().ListProjects()) {
        if (project.id == projectId) {
            return project.name;
        }
    }
    return std::nullopt;
}

QString classGoneText() {
    return text("该类已不存在，请重新选择!");
}

// Refuses a name that another project has or that cannot be the output folder's name.
std::optional<TCommandResult> projectNameRefusal(const QString& name, qint32 projectId) {
    const QString problem = FindProjectNameProblem(name);
    if (!problem.isEmpty()) {
        return TCommandResult::Refused(problem);
    }
    const QList<qint32> named = TProjectDAO().FindProjectsByName(name);
    if (!named.isEmpty() && named != QList<qint32>{projectId}) {
        return TCommandResult::Refused(nameInUseText());
    }
    return std::nullopt;
}

// Refuses a command on a row the store no longer holds as the window showed it.
template <typename Row>
std::optional<TCommandResult> staleRefusal(const std::optional<Row>& stored, const Row& shown,
                                           const QString& goneText) {
    if (!stored) {
        return TCommandResult::Stale(goneText);
    }
    if (!(*stored == shown)) {
        return TCommandResult::Stale(ChangedElsewhereText());
    }
    return std::nullopt;
}

// The entry's problem, or the rule of the run that the member breaks in its project.
TCommandResult memberRefusal(const TEnteredMember& entered) {
    if (entered.problem.found()) {
        return TCommandResult::Refused(entered.problem.message, entered.problem.field);
    }
    const TMember& m = entered.member;
    const TProjectContents project = ReadProjectContents(m.projectId, QString());
    if (!classExists(project, m.classId)) {
        return TCommandResult::Stale(classGoneText());
    }
    const TModelProblem broken = CheckMemberEntry(project, m);
    return TCommandResult::Refused(broken.message, broken.field);
}

}  // namespace

QString ChangedElsewhereText() {
    return text("已被其他窗口修改，请重新选择!");
}

TCommandResult TProjectCommands::NewProject(const QString& name) const {
    if (name.isEmpty()) {
        return TCommandResult::Refused(text("工程名称不能为空!"));
    }
    return checkAndWrite([&] {
        if (const auto refusal = projectNameRefusal(name, 0)) {
            return *refusal;
        }
        return TCommandResult::Done(text("工程名称添加成功！"), TProjectDAO().AddProject(name));
    });
}

TCommandResult TProjectCommands::RenameProject(qint32 projectId, const QString& shownName,
                                               const QString& name) const {
    if (name.isEmpty()) {
        return TCommandResult::Refused(text("工程项目名称不能为空!"));
    }
    return checkAndWrite([&] {
        if (const auto stale =
                staleRefusal(storedProjectName(projectId), shownName, projectGoneText())) {
            return *stale;
        }
        if (const auto refusal = projectNameRefusal(name, projectId)) {
            return *refusal;
        }
        if (name != shownName) {
            TProjectDAO().RenameProject(projectId, name);
        }
        return TCommandResult::Done(text("工程名称修改成功！"), projectId);
    });
}

TCommandResult TProjectCommands::DeleteProject(qint32 projectId, const QString& shownName) const {
    return checkAndWrite([&] {
        if (const auto stale =
                staleRefusal(storedProjectName(projectId), shownName, projectGoneText())) {
            return *stale;
        }
        TProjectDAO().DeleteProject(projectId);
        return TCommandResult::Done(text("删除成功!"), projectId);
    });
}

TCommandResult TProjectCommands::AddClass(qint32 projectId, const TClassRecord& entered) const {
    const TModelProblem problem =
        FindClassFieldProblem(TClassEntryKind::Added, entered.className, entered.friendName);
    if (problem.found()) {
        return TCommandResult::Refused(problem.message, problem.field);
    }
    return checkAndWrite([&] {
        const TClassDAO classes;
        if (!storedProjectName(projectId)) {
            return TCommandResult::Stale(projectGoneText());
        }
        if (classes.CountClassesByName(projectId, entered.className) >= 1) {
            return TCommandResult::Refused(text("该类名称已经存在!"), TEntryField::ClassName);
        }
        TClassRecord added = entered;
        added.classId = 0;
        const TModelProblem broken =
            CheckClassEntry(ReadProjectContents(projectId, QString()), added);
        if (broken.found()) {
            return TCommandResult::Refused(broken.message, broken.field);
        }
        return TCommandResult::Done(text("类名称添加成功！"),
                                    classes.AddClass(projectId, entered.className,
                                                     entered.friendName, entered.frontShowFlag));
    });
}

TCommandResult TProjectCommands::UpdateClass(qint32 projectId, const TClassRecord& shown,
                                             const TClassRecord& entered) const {
    const TModelProblem problem =
        FindClassFieldProblem(TClassEntryKind::Edited, entered.className, entered.friendName);
    if (problem.found()) {
        return TCommandResult::Refused(problem.message, problem.field);
    }
    return checkAndWrite([&] {
        const TClassDAO classes;
        if (const auto stale =
                staleRefusal(classes.GetClass(shown.classId), shown, classGoneText())) {
            return *stale;
        }
        TClassRecord edited = entered;
        edited.classId = shown.classId;
        const TModelProblem broken =
            CheckClassEntry(ReadProjectContents(projectId, QString()), edited);
        if (broken.found()) {
            return TCommandResult::Refused(broken.message, broken.field);
        }
        classes.UpdateChangedFields(projectId, shown, edited);
        return TCommandResult::Done(text("类名称更新成功"), shown.classId);
    });
}

TCommandResult TProjectCommands::DeleteClass(const TClassRecord& shown) const {
    return checkAndWrite([&] {
        const TClassDAO classes;
        if (const auto stale =
                staleRefusal(classes.GetClass(shown.classId), shown, classGoneText())) {
            return *stale;
        }
        classes.DeleteClass(shown.classId);
        return TCommandResult::Done(text("类对象删除成功!"), shown.classId);
    });
}

TCommandResult TProjectCommands::AddMember(const TMemberEntry& entry) const {
    return checkAndWrite([&] {
        TEnteredMember entered = readEntry(entry);
        entered.member.memberId = 0;
        const TCommandResult refusal = memberRefusal(entered);
        if (!refusal.message.isEmpty()) {
            return refusal;
        }
        return TCommandResult::Done(text("类成员属性添加成功!"),
                                    TMemberDAO().AddMember(entered.member));
    });
}

TCommandResult TProjectCommands::UpdateMember(const TMember& shown,
                                              const TMemberEntry& entry) const {
    return checkAndWrite([&] {
        const TMemberDAO members;
        if (const auto stale =
                staleRefusal(members.GetMember(shown.memberId), shown, memberGoneText())) {
            return *stale;
        }
        TEnteredMember entered = readEntry(entry);
        entered.member.memberId = shown.memberId;
        entered.member.projectId = shown.projectId;
        entered.member.classId = shown.classId;
        const TCommandResult refusal = memberRefusal(entered);
        if (!refusal.message.isEmpty()) {
            return refusal;
        }
        members.UpdateChangedFields(shown, entered.member);
        return TCommandResult::Done(text("类成员属性更新成功!"), shown.memberId);
    });
}

TCommandResult TProjectCommands::DeleteMembers(const QList<TMember>& shown) const {
    return checkAndWrite([&] {
        const TMemberDAO members;
        for (const TMember& member : shown) {
            if (const auto stale =
                    staleRefusal(members.GetMember(member.memberId), member, memberGoneText())) {
                return *stale;
            }
        }
        for (const TMember& member : shown) {
            members.DeleteMember(member.memberId);
        }
        return TCommandResult::Done(text("成员属性删除成功"));
    });
}

TCommandResult TProjectCommands::ExchangeMembers(const TMember& first,
                                                 const TMember& second) const {
    return checkAndWrite([&] {
        const TMemberDAO members;
        for (const TMember& shown : {first, second}) {
            if (const auto stale =
                    staleRefusal(members.GetMember(shown.memberId), shown, memberGoneText())) {
                return *stale;
            }
        }
        members.SwapMembers(first.memberId, second.memberId);
        return TCommandResult::Done(QString(), first.memberId);
    });
}
