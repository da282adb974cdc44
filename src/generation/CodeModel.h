#pragma once

#include <QList>
#include <QString>
#include <algorithm>

#include "store/Entry.h"
#include "store/Member.h"
#include "store/MemberType.h"
#include "store/ProjectContents.h"

// The vocabulary every generator shares: member categories (named by the store), Java types,
// name forms and the member lists of a class. A run loads its project once into this model;
// generators read the model and never touch the store or the file system.

// Case changes touch ASCII letters only.
QString ObjectName(const QString& className);     // first "A"-"Z" lowered: Student -> student
QString LayoutName(const QString& className);     // every "A"-"Z" lowered: URLInfo -> urlinfo
QString AccessorStem(const QString& memberName);  // first "a"-"z" raised: birthDate -> BirthDate

class TClassModel;

// A member together with what the generators derive from it.
struct TMemberInfo {
    TMember member;
    MemberCategory category = MemberCategory::String;
    // For reference members: the referenced class (never null once the model is checked).
    const TClassModel* referenced = nullptr;
    // The name of the generated variables that hold this member's value (the screens' key
    // field, the service's key parameter, the locals of a date or picture): the member name,
    // unless the generated code of its class already uses that name for something else.
    QString variable{};

    const QString& name() const { return member.memberName; }
    QString stem() const { return AccessorStem(member.memberName); }  // *Name*
    const QString& comment() const { return member.memberComment; }
    bool isKey() const { return member.memberIsPri == 1; }
    // The member as users know it (in the servers' texts): its comment, or its name without one.
    const QString& label() const { return comment().isEmpty() ? name() : comment(); }
    // The most characters a text member holds (its length); 0 for no limit and other members.
    qint32 textLength() const {
        return category == MemberCategory::String ? std::max(member.memberLength, 0) : 0;
    }
    bool isReference() const { return category == MemberCategory::Reference; }
    // A reference whose referenced key member is an integer member behaves as an integer.
    bool referenceKeyIsInteger() const;
    // The category used wherever query members are used: an image query member counts as a
    // string member there.
    MemberCategory queryCategory() const;
    // The category of the value exchanged with the server (form parameters, JSON, XML): an
    // image travels as its path (String), a reference as its referenced key (Integer or
    // String); every other member as its own category.
    MemberCategory wireCategory() const;
    // The Java field type of the domain class ("String", "int", "float", "java.sql.Timestamp").
    QString javaType() const;

    // References only: *Ref*, *refCls*, the referenced key member and *RefShow*.
    const QString& refClass() const { return member.memberType; }
    QString refObject() const;  // the referenced class's object variable
    const TMemberInfo& refKey() const;
    QString refShow() const;
    // "get" + *RefShow* + "()": the display member's getter, made text (+ "") when the display
    // member is not held as a String, so it can fill labels and drop-down texts.
    QString refShowText() const;
    // object + ".get" + *RefKey* + "()": the referenced key of an object of the referenced class,
    // made text (+ "") where the reference holds text but that key is not held as a String.
    QString refKeyValue(const QString& object) const;
};

class TClassModel {
  public:
    qint32 classId = 0;
    QString className;   // *Class*
    QString friendName;  // *Friend*
    qint32 frontShowFlag = 0;
    QList<TMemberInfo> members;  // every member, in member order
    // The name of the variables that hold an object of the class in its own files: the object
    // name, unless that is a keyword or a name the generated code uses for something else.
    QString objectVariable;

    // *cls*: the object variable once the model is resolved.
    QString objectName() const {
        return objectVariable.isEmpty() ? ObjectName(className) : objectVariable;
    }
    QString layoutName() const { return LayoutName(className); }  // *class*

    // The key and display members (lowest memberId among flagged ones); null when absent.
    const TMemberInfo* keyMember() const;
    const TMemberInfo* displayMember() const;
    bool hasIntegerKey() const;

    QList<const TMemberInfo*> nonKeyMembers() const;
    QList<const TMemberInfo*> imageMembers() const;
    QList<const TMemberInfo*> referenceMembers() const;
    QList<const TMemberInfo*> queryMembers() const;
    QList<const TMemberInfo*> phoneListMembers() const;
    QList<const TMemberInfo*> allMembers() const;

  private:
    template <typename Pred>
    QList<const TMemberInfo*> select(Pred pred) const;
};

// Members point at the classes they reference, so a model is moved, never copied.
class TProjectModel {
  public:
    TProjectModel() = default;
    TProjectModel(const TProjectModel&) = delete;
    TProjectModel& operator=(const TProjectModel&) = delete;
    TProjectModel(TProjectModel&&) = default;
    TProjectModel& operator=(TProjectModel&&) = default;

    qint32 projectId = 0;
    QString projectName;
    QString packageName;         // the client's application id as set; empty for the default
    QList<TClassModel> classes;  // ascending classId

    // The package name, or the default derived from the project's name (DefaultApplicationId).
    QString applicationId() const;

    // The class of this project with that exact name (lowest classId), or null.
    const TClassModel* classNamed(const QString& className) const;
    // Sets every member's category, links each reference member to its class and names the
    // generated variables.
    void resolve();
};

// True when the text can stand as one file-name component: not empty, "." or "..", and free of
// "/", "\\", ":" and control characters.
bool IsSafeFileNameComponent(const QString& text);

// The resolved model of a project as the store holds it (or a model file carries it).
TProjectModel ProjectModelOf(const TProjectContents& contents, const QString& packageName);

// The model of the store's project, read in one read transaction, so that what the run checks
// and what it generates are the same state of the store, whatever other writers do.
TProjectModel LoadProjectModel(qint32 projectId, const QString& projectName,
                               const QString& packageName);
