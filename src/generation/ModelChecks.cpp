#include "generation/ModelChecks.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>
#include <optional>

#include "files/FileOperate.h"
#include "generation/JavaNames.h"
#include "generation/Protocol.h"
#include "store/MemberType.h"

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

// What can be wrong with a reference, in the order the run checks it.
enum class ReferenceFault { NoClass, NoKey, NoDisplay };

// A reference no file can be built from: the referring member, what is wrong and the run's
// notice about it.
struct ReferenceProblem {
    qint32 memberId;
    ReferenceFault fault;
    TModelProblem problem;
};

std::optional<ReferenceFault> referenceFault(const TMemberInfo& member) {
    if (member.referenced == nullptr) {
        return ReferenceFault::NoClass;
    }
    if (member.referenced->keyMember() == nullptr) {
        return ReferenceFault::NoKey;
    }
    if (member.referenced->displayMember() == nullptr) {
        return ReferenceFault::NoDisplay;
    }
    return std::nullopt;
}

// Every faulty reference of the project, in class and member order.
QList<ReferenceProblem> listReferenceProblems(const TProjectModel& project) {
    QList<ReferenceProblem> problems;
    for (const TClassModel& cls : project.classes) {
        for (const TMemberInfo& member : cls.members) {
            const std::optional<ReferenceFault> fault =
                member.isReference() ? referenceFault(member) : std::nullopt;
            if (!fault) {
                continue;
            }
            static const QString what[] = {QStringLiteral("在本项目中不存在!"),
                                           QStringLiteral("没有设置主键!"),
                                           QStringLiteral("没有设置下拉框显示字段!")};
            const QString message = QStringLiteral("%1表的成员%2引用的类%3")
                                        .arg(cls.className, member.name(), member.refClass()) +
                                    what[int(*fault)];
            problems.append({member.member.memberId, *fault,
                             TModelProblem{kNoticeModelCheck, message, cls.classId}});
        }
    }
    return problems;
}

TModelProblem findReferenceProblem(const TProjectModel& project) {
    const QList<ReferenceProblem> problems = listReferenceProblems(project);
    return problems.isEmpty() ? TModelProblem() : problems.first().problem;
}

const char* const kGeneratedTypeSuffixes[] = {
    "Service",      "ListHandler",  "SimpleAdapter",  "AddActivity",
    "EditActivity", "ListActivity", "DetailActivity", "QueryActivity",
};

// Where each class name and each type name that a class's files generate lies, so that a
// class's clashes are found without comparing it with every other class.
struct ClassNameIndex {
    QHash<QString, QList<const TClassModel*>> byLayoutName;
    QHash<QString, const TClassModel*> byGeneratedType;

    explicit ClassNameIndex(const TProjectModel& project) {
        for (const TClassModel& cls : project.classes) {
            byLayoutName[cls.layoutName()].append(&cls);
            for (const char* suffix : kGeneratedTypeSuffixes) {
                byGeneratedType.insert(cls.className + QLatin1String(suffix), &cls);
            }
        }
    }

    // The other class whose name clashes with the class's name or generated types, if any.
    QString clash(const TClassModel& cls) const {
        const QString& name = cls.className;
        const QString owner = name + QStringLiteral("表");
        for (const TClassModel* other : byLayoutName.value(cls.layoutName())) {
            if (other == &cls) {
                continue;
            }
            if (other->className == name) {
                return owner + QStringLiteral("与本项目的另一个类重名，请修改类名!");
            }
            return owner + QStringLiteral(
                               "与类%1的类名只有大小写不同，两者的布局文件同名，"
                               "请修改类名!")
                               .arg(other->className);
        }
        if (const TClassModel* other = byGeneratedType.value(name); other && other != &cls) {
            return owner + QStringLiteral("与类%1生成的类同名，请修改类名!").arg(other->className);
        }
        for (const char* suffix : kGeneratedTypeSuffixes) {
            const QString generated = name + QLatin1String(suffix);
            for (const TClassModel* other : byLayoutName.value(LayoutName(generated))) {
                if (other->className == generated) {
                    return owner +
                           QStringLiteral("生成的类%1与类%1同名，请修改类名!").arg(generated);
                }
            }
        }
        return QString();
    }
};

// "字符€(U+20AC)": the character at `index` (both halves of a pair) and its code point.
QString describeCharacter(const QString& text, qsizetype index) {
    const bool pair = text[index].isHighSurrogate() && index + 1 < text.size() &&
                      text[index + 1].isLowSurrogate();
    const QString character = text.mid(index, pair ? 2 : 1);
    const char32_t code = pair ? QChar::surrogateToUcs4(text[index], text[index + 1])
                               : char32_t(text[index].unicode());
    return QStringLiteral("字符%1(U+%2)")
        .arg(character, QString::number(code, 16).toUpper().rightJustified(4, u'0'));
}

// The message for a text (a friendly name or a comment) that the GBK sources cannot hold.
QString unwritableText(const QString& owner, const QString& field, const QString& text) {
    const qsizetype index = TFileOperate::FirstUnwritableGbk(text);
    if (index < 0) {
        return QString();
    }
    return QStringLiteral("%1的%2含有%3，生成的GBK编码Java文件无法表示，请删除或替换该字符!")
        .arg(owner, field, describeCharacter(text, index));
}

QString classNameProblem(const ClassNameIndex& index, const TClassModel& cls) {
    static const QRegularExpression identifier(
        QRegularExpression::anchoredPattern(QStringLiteral("[A-Z][A-Za-z0-9_]*")));
    const QString& name = cls.className;
    const QString owner = name + QStringLiteral("表");
    if (!identifier.match(name).hasMatch()) {
        return owner + QStringLiteral(
                           "的类名只能由英文字母、数字和下划线组成，并以大写字母开头，请修改类名!");
    }
    if (name.size() > kMaxClassNameLength) {
        return owner + QStringLiteral("的类名超过%1个字符，生成的文件名过长，请缩短类名!")
                           .arg(kMaxClassNameLength);
    }
    if (IsReservedTypeName(name)) {
        return owner +
               QStringLiteral("的类名与生成代码所用的Java或Android类%1重名，请修改类名!").arg(name);
    }
    const QString clash = index.clash(cls);
    return clash.isEmpty() ? unwritableText(owner, QStringLiteral("友好名称"), cls.friendName)
                           : clash;
}

TModelProblem memberRuleProblem(const TClassModel& cls, const TMemberInfo& member) {
    static const QRegularExpression identifier(
        QRegularExpression::anchoredPattern(QStringLiteral("[a-z][A-Za-z0-9_]*")));
    const QString& name = member.name();
    const QString owner = QStringLiteral("%1表的成员%2").arg(cls.className, name);
    auto problem = [&](const QString& what, TEntryField field) {
        return TModelProblem{kNoticeModelCheck, owner + what, cls.classId, field};
    };
    if (!identifier.match(name).hasMatch()) {
        return problem(
            QStringLiteral(
                "的名称只能由英文字母、数字和下划线组成，并以小写字母开头，请修改成员名称!"),
            TEntryField::MemberName);
    }
    if (IsJavaKeyword(name)) {
        return problem(QStringLiteral("的名称是Java关键字，请修改成员名称!"),
                       TEntryField::MemberName);
    }
    for (const TMemberInfo& other : cls.members) {
        if (&other != &member && other.name() == name) {
            return problem(QStringLiteral("与同一类的另一个成员重名，请修改成员名称!"),
                           TEntryField::MemberName);
        }
    }
    const TMember& row = member.member;
    const TMemberTypeInfo& type = MemberTypeOf(member.category);
    if ((row.memberIsInteger == 1) != type.integerFlag ||
        (row.memberIsFloat == 1) != type.floatFlag) {
        return problem(QStringLiteral("的整型、浮点型标志与类型%1不符，请在成员对话框中重新保存!")
                           .arg(row.memberType),
                       TEntryField::Type);
    }
    const QString unwritable = unwritableText(owner, QStringLiteral("注释"), member.comment());
    return unwritable.isEmpty()
               ? TModelProblem()
               : TModelProblem{kNoticeModelCheck, unwritable, cls.classId, TEntryField::Comment};
}

TModelProblem findRuleProblem(const TProjectModel& project) {
    const ClassNameIndex index(project);
    for (const TClassModel& cls : project.classes) {
        TModelProblem problem{kNoticeModelCheck, classNameProblem(index, cls), cls.classId};
        for (qsizetype i = 0; !problem.found() && i < cls.members.size(); ++i) {
            problem = memberRuleProblem(cls, cls.members[i]);
        }
        if (problem.found()) {
            return problem;
        }
    }
    return {};
}

// ---- the rules of a served model ----

// The server carries every name as an XML element name and keeps every class and member in a
// data file whose names ignore case.
bool isElementName(const QString& name) {
    if (name.isEmpty() || name[0].isDigit()) {
        return false;
    }
    return std::all_of(name.begin(), name.end(),
                       [](QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); });
}

struct NamedPlace {
    QString name;
    QString text;  // how a message names it
    qint32 classId = 0;
};

// The first of the names equal to an earlier one but for case.
TModelProblem caseTwin(const QList<NamedPlace>& names) {
    QHash<QString, QString> seen;
    for (const NamedPlace& place : names) {
        const auto twin = seen.find(place.name.toLower());
        if (twin != seen.end()) {
            return {kNoticeModelCheck,
                    QStringLiteral("%1与%2的名字只差大小写，服务器的数据文件无法区分")
                        .arg(*twin, place.text),
                    place.classId};
        }
        seen.insert(place.name.toLower(), place.text);
    }
    return {};
}

TModelProblem servedMemberProblem(const TClassModel& cls) {
    QList<NamedPlace> names;
    for (const TMemberInfo& member : cls.members) {
        const QString text = QStringLiteral("%1表的成员%2").arg(cls.className, member.name());
        if (!isElementName(member.name())) {
            return {kNoticeModelCheck,
                    text + QStringLiteral("的名字不能用作XML元素名，服务器无法传送"), cls.classId};
        }
        // The generated client sends the servlet's command as a parameter of its own.
        if (member.name() == protocol::kActionParameter) {
            return {kNoticeModelCheck,
                    text + QStringLiteral("与请求参数%1同名，生成的客户端无法发送它的值")
                               .arg(protocol::kActionParameter),
                    cls.classId};
        }
        names.append({member.name(), text, cls.classId});
    }
    return caseTwin(names);
}

TModelProblem findServingProblem(const TProjectModel& project) {
    QList<NamedPlace> classNames;
    for (const TClassModel& cls : project.classes) {
        if (!isElementName(cls.className)) {
            return {
                kNoticeModelCheck,
                QStringLiteral("%1表的类名不能用作XML元素名，服务器无法传送").arg(cls.className),
                cls.classId};
        }
        const TModelProblem problem = servedMemberProblem(cls);
        if (problem.found()) {
            return problem;
        }
        classNames.append({cls.className, cls.className + QStringLiteral("表"), cls.classId});
    }
    return caseTwin(classNames);
}

}  // namespace

TModelProblem FindModelProblem(const TProjectModel& project, TRuleSet rules) {
    if (const QString idProblem = FindApplicationIdProblem(project.applicationId());
        rules == TRuleSet::Generation && !idProblem.isEmpty()) {
        return {kNoticeModelCheck, idProblem, 0};
    }
    for (auto find : {findMemberCountProblem, findRuleProblem, findReferenceProblem}) {
        TModelProblem problem = find(project);
        if (problem.found()) {
            return problem;
        }
    }
    return rules == TRuleSet::Serving ? findServingProblem(project) : TModelProblem();
}

TModelProblem CheckClassEntry(TProjectContents project, const TClassRecord& entered) {
    auto cls = std::find_if(project.classes.begin(), project.classes.end(),
                            [&](const TClassContents& c) { return c.classId == entered.classId; });
    if (cls == project.classes.end()) {
        cls = project.classes.insert(project.classes.end(), TClassContents());
        cls->classId = entered.classId;
    }
    // Saving a new name also renames the reference types that named the class.
    for (TClassContents& other : project.classes) {
        for (TMember& member : other.members) {
            if (!cls->className.isEmpty() && member.memberType == cls->className) {
                member.memberType = entered.className;
            }
        }
    }
    cls->className = entered.className;
    cls->friendName = entered.friendName;
    const qsizetype index = cls - project.classes.begin();
    const TProjectModel model = ProjectModelOf(project, QString());
    const TClassModel& checked = model.classes[index];
    const QString message = classNameProblem(ClassNameIndex(model), checked);
    const bool inFriendName =
        !message.isEmpty() &&
        message == unwritableText(checked.className + QStringLiteral("表"),
                                  QStringLiteral("友好名称"), checked.friendName);
    return {kNoticeModelCheck, message, checked.classId,
            inFriendName ? TEntryField::FriendName : TEntryField::ClassName};
}

namespace {

// A second key or drop-down display member that the entry brings into its class.
TModelProblem newCountProblem(const TClassContents& before, const TClassContents& after) {
    const struct {
        int notice;
        qint32 TMember::*flag;
        TEntryField field;
    } counted[] = {{kNoticeKeyCheck, &TMember::memberIsPri, TEntryField::Key},
                   {kNoticeDisplayCheck, &TMember::memberIsDisplay, TEntryField::Display}};
    for (const auto& rule : counted) {
        auto count = [&rule](const TClassContents& cls) {
            return std::count_if(cls.members.begin(), cls.members.end(),
                                 [&rule](const TMember& m) { return m.*rule.flag == 1; });
        };
        const auto now = count(after);
        if (now > 1 && now > count(before)) {
            return {rule.notice, CheckNoticeText(rule.notice, after.className), after.classId,
                    rule.field};
        }
    }
    return {};
}

// A faulty reference the entry brings into the project: one it makes, or one it breaks by
// taking the key or display flag from a class that is referred to.
TModelProblem newReferenceProblem(const TProjectModel& before, const TProjectModel& after,
                                  const TMember& entered) {
    QSet<std::pair<qint32, int>> known;
    for (const ReferenceProblem& old : listReferenceProblems(before)) {
        known.insert({old.memberId, int(old.fault)});
    }
    for (const ReferenceProblem& found : listReferenceProblems(after)) {
        if (known.contains({found.memberId, int(found.fault)})) {
            continue;
        }
        TModelProblem problem = found.problem;
        problem.field = found.memberId == entered.memberId     ? TEntryField::Type
                        : found.fault == ReferenceFault::NoKey ? TEntryField::Key
                                                               : TEntryField::Display;
        return problem;
    }
    return {};
}

}  // namespace

TModelProblem CheckMemberEntry(TProjectContents project, const TMember& entered) {
    const TProjectContents before = project;
    for (qsizetype c = 0; c < project.classes.size(); ++c) {
        QList<TMember>& members = project.classes[c].members;
        if (project.classes[c].classId != entered.classId) {
            continue;
        }
        auto member = std::find_if(members.begin(), members.end(), [&](const TMember& m) {
            return entered.memberId != 0 && m.memberId == entered.memberId;
        });
        if (member == members.end()) {
            member = members.insert(members.end(), TMember());
        }
        *member = entered;
        const qsizetype index = member - members.begin();
        const TProjectModel model = ProjectModelOf(project, QString());
        TModelProblem problem =
            memberRuleProblem(model.classes[c], model.classes[c].members[index]);
        if (!problem.found()) {
            problem = newCountProblem(before.classes[c], project.classes[c]);
        }
        if (!problem.found()) {
            problem = newReferenceProblem(ProjectModelOf(before, QString()), model, entered);
        }
        return problem;
    }
    return {};
}

QString FindApplicationIdProblem(const QString& applicationId) {
    static const QRegularExpression segment(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*$"));
    const QStringList segments = applicationId.split(QLatin1Char('.'));
    const bool valid =
        segments.size() >= 2 && std::all_of(segments.begin(), segments.end(), [](const QString& s) {
            return segment.match(s).hasMatch() && !IsJavaKeyword(s);
        });
    return valid ? QString()
                 : QStringLiteral(
                       "包名\"%1\"不能用作安卓应用标识: 应是用点分开的两段或更多段, "
                       "每段以英文字母开头, 只含英文字母、数字和下划线, 且不是Java关键字, "
                       "例如com.example.library")
                       .arg(applicationId);
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

// ---- The class and member dialogs' own checks ----

namespace {

bool startsWithin(const QString& text, char16_t first, char16_t last) {
    return !text.isEmpty() && text[0] >= first && text[0] <= last;
}

}  // namespace

TModelProblem FindClassFieldProblem(TClassEntryKind kind, const QString& className,
                                    const QString& friendName) {
    const bool adding = kind == TClassEntryKind::Added;
    auto problem = [](const QString& message, TEntryField field) {
        return TModelProblem{0, message, 0, field};
    };
    if (className.isEmpty()) {
        return problem(
            adding ? QStringLiteral("类名称不能为空!") : QStringLiteral("类名称不能为空"),
            TEntryField::ClassName);
    }
    const TModelProblem noFriendName =
        friendName.isEmpty() ? problem(QStringLiteral("友好名称不能为空"), TEntryField::FriendName)
                             : TModelProblem();
    if (adding && noFriendName.found()) {
        return noFriendName;
    }
    if (!startsWithin(className, u'A', u'Z')) {
        return problem(QStringLiteral("类名首个字母必须大写"), TEntryField::ClassName);
    }
    return noFriendName;
}

TModelProblem FindMemberFieldProblem(const TMember& entered) {
    const TMemberTypeInfo& type = MemberTypeOf(entered.memberType);
    auto problem = [](const QString& message, TEntryField field) {
        return TModelProblem{0, message, 0, field};
    };
    if (entered.memberName.isEmpty()) {
        return problem(QStringLiteral("成员名称输入不能为空!"), TEntryField::MemberName);
    }
    if (!startsWithin(entered.memberName, u'a', u'z')) {
        return problem(QStringLiteral("成员属性首个字母必须小写"), TEntryField::MemberName);
    }
    if (entered.memberIsMust != 1 && !type.mayBeOptional) {
        return problem(QStringLiteral("除了字符串和图片类型外其他类型必须勾选是否必填标志!"),
                       TEntryField::Must);
    }
    if (entered.memberIsPri == 1 && !type.mayBeKey) {
        return problem(QStringLiteral("主键字段必须是整型或字符串型!"), TEntryField::Key);
    }
    if (entered.queryFlag == 1 && !type.mayBeQueried) {
        return problem(QStringLiteral("参与查询的字段不要设置整型或浮点型或图片型"),
                       TEntryField::Query);
    }
    return {};
}
