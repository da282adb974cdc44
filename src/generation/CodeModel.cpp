#include "generation/CodeModel.h"

#include <QHash>
#include <algorithm>

#include "generation/JavaNames.h"

namespace {

bool isAsciiUpper(QChar c) {
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}
bool isAsciiLower(QChar c) {
    return c >= QLatin1Char('a') && c <= QLatin1Char('z');
}

QChar toAsciiLower(QChar c) {
    return isAsciiUpper(c) ? QChar(c.unicode() + 32) : c;
}
QChar toAsciiUpper(QChar c) {
    return isAsciiLower(c) ? QChar(c.unicode() - 32) : c;
}

}  // namespace

QString ObjectName(const QString& className) {
    QString result = className;
    if (!result.isEmpty()) {
        result[0] = toAsciiLower(result[0]);
    }
    return result;
}

QString LayoutName(const QString& className) {
    QString result = className;
    for (QChar& c : result) {
        c = toAsciiLower(c);
    }
    return result;
}

QString AccessorStem(const QString& memberName) {
    QString result = memberName;
    if (!result.isEmpty()) {
        result[0] = toAsciiUpper(result[0]);
    }
    return result;
}

bool TMemberInfo::referenceKeyIsInteger() const {
    return isReference() && referenced != nullptr && referenced->hasIntegerKey();
}

MemberCategory TMemberInfo::queryCategory() const {
    return MemberTypeOf(category).queryAs;
}

MemberCategory TMemberInfo::wireCategory() const {
    if (isReference()) {
        return referenceKeyIsInteger() ? MemberCategory::Integer : MemberCategory::String;
    }
    return MemberTypeOf(category).wire;
}

QString TMemberInfo::javaType() const {
    return MemberTypeOf(wireCategory()).javaType;
}

const TMemberInfo& TMemberInfo::refKey() const {
    return *referenced->keyMember();
}

QString TMemberInfo::refObject() const {
    return referenced != nullptr ? referenced->objectName() : ObjectName(member.memberType);
}

QString TMemberInfo::refShowText() const {
    const QString getter = "get" + refShow() + "()";
    return referenced->displayMember()->wireCategory() == MemberCategory::String
               ? getter
               : getter + " + \"\"";
}

QString TMemberInfo::refKeyValue(const QString& object) const {
    const QString getter = object + ".get" + refKey().stem() + "()";
    const bool heldAsText = !referenceKeyIsInteger();
    return heldAsText && refKey().wireCategory() != MemberCategory::String ? getter + " + \"\""
                                                                           : getter;
}

QString TMemberInfo::refShow() const {
    return referenced->displayMember()->stem();
}

template <typename Pred>
QList<const TMemberInfo*> TClassModel::select(Pred pred) const {
    QList<const TMemberInfo*> result;
    for (const TMemberInfo& member : members) {
        if (pred(member)) {
            result.append(&member);
        }
    }
    return result;
}

const TMemberInfo* TClassModel::keyMember() const {
    const auto key = std::find_if(members.begin(), members.end(),
                                  [](const TMemberInfo& m) { return m.isKey(); });
    return key == members.end() ? nullptr : &*key;
}

const TMemberInfo* TClassModel::displayMember() const {
    const auto shown = std::find_if(members.begin(), members.end(), [](const TMemberInfo& m) {
        return m.member.memberIsDisplay == 1;
    });
    return shown == members.end() ? nullptr : &*shown;
}

bool TClassModel::hasIntegerKey() const {
    const TMemberInfo* key = keyMember();
    return key != nullptr && key->member.memberIsInteger == 1;
}

QList<const TMemberInfo*> TClassModel::allMembers() const {
    return select([](const TMemberInfo&) { return true; });
}

QList<const TMemberInfo*> TClassModel::nonKeyMembers() const {
    return select([](const TMemberInfo& m) { return m.member.memberIsPri == 0; });
}

QList<const TMemberInfo*> TClassModel::imageMembers() const {
    return select([](const TMemberInfo& m) { return m.category == MemberCategory::Image; });
}

QList<const TMemberInfo*> TClassModel::referenceMembers() const {
    return select([](const TMemberInfo& m) { return m.isReference(); });
}

QList<const TMemberInfo*> TClassModel::queryMembers() const {
    return select([](const TMemberInfo& m) { return m.member.queryFlag == 1; });
}

QList<const TMemberInfo*> TClassModel::phoneListMembers() const {
    return select([](const TMemberInfo& m) { return m.member.androidDisplay == 1; });
}

const TClassModel* TProjectModel::classNamed(const QString& className) const {
    const TClassModel* found = nullptr;
    for (const TClassModel& cls : classes) {
        if (cls.className == className && (found == nullptr || cls.classId < found->classId)) {
            found = &cls;
        }
    }
    return found;
}

QString TProjectModel::applicationId() const {
    return packageName.isEmpty() ? DefaultApplicationId(projectName) : packageName;
}

void TProjectModel::resolve() {
    QHash<QString, const TClassModel*> byName;
    for (const TClassModel& cls : classes) {
        const TClassModel*& slot = byName[cls.className];
        if (slot == nullptr || cls.classId < slot->classId) {
            slot = &cls;
        }
    }
    for (TClassModel& cls : classes) {
        for (TMemberInfo& info : cls.members) {
            info.category = CategoryOfType(info.member.memberType);
            info.referenced = info.isReference() ? byName.value(info.member.memberType) : nullptr;
        }
    }
    AssignVariableNames(*this);
}

bool IsSafeFileNameComponent(const QString& text) {
    if (text.isEmpty() || text == QLatin1String(".") || text == QLatin1String("..")) {
        return false;
    }
    for (QChar c : text) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c.category() == QChar::Other_Control) {
            return false;
        }
    }
    return true;
}

TProjectModel ProjectModelOf(const TProjectContents& contents, const QString& packageName) {
    TProjectModel project;
    project.projectId = contents.projectId;
    project.projectName = contents.projectName;
    project.packageName = packageName;
    for (const TClassContents& stored : contents.classes) {
        TClassModel& cls = project.classes.emplace_back();
        cls.classId = stored.classId;
        cls.className = stored.className;
        cls.friendName = stored.friendName;
        cls.frontShowFlag = stored.frontShowFlag;
        for (const TMember& member : stored.members) {
            cls.members.emplace_back().member = member;
        }
    }
    project.resolve();
    return project;
}

TProjectModel LoadProjectModel(qint32 projectId, const QString& projectName,
                               const QString& packageName) {
    return ProjectModelOf(ReadProjectContents(projectId, projectName), packageName);
}
