#pragma once

#include <QDialog>

#include "commands/ProjectCommands.h"
#include "workbench/FormOwner.h"
#include "workbench/FormStyle.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// Caption, size and control places that tell the add and edit member dialogs apart.
struct TMemberFormLayout {
    const char* caption;
    int width;
    int height;
    TPlace name, type, mustFlag, okButton, cancelButton, comment, queryFlag, keyFlag, length,
        displayFlag, queryDisplayFlag, androidDisplayFlag;
};

// The fields of one member; "确定" saves them through the member commands, which check the
// entries (the same rules in both dialogs) and derive the stored flags.
class TMemberForm : public QDialog {
    Q_OBJECT
  public:
    void Save();

  protected:
    enum class Purpose { Add, Update };
    TMemberForm(TFormOwner* owner, Purpose purpose, const TMemberFormLayout& layout);
    // The member as entered, in the selected project and class.
    TMemberEntry EnteredMember() const;

    TFormOwner* owner_;
    Purpose purpose_;
    qint32 memberId_ = 0;

    QLineEdit* Edt_MemberName;
    QComboBox* CB_MemberType;
    QCheckBox* CB_MemberIsMust;
    QLineEdit* Edt_MemberComment;
    QCheckBox* CB_QueryFlag;
    QCheckBox* CB_MemberIsPri;
    QLineEdit* Edt_MemberLength;
    QCheckBox* CB_MemberIsDisplay;
    QCheckBox* CB_MemberQueryDisplay;
    QCheckBox* CB_AndroidDisplay;

  private:
    void BuildControls(const TMemberFormLayout& layout);
    void FillTypeList();
};

// Adds a member to the selected class.
class TAddMemberForm : public TMemberForm {
    Q_OBJECT
  public:
    explicit TAddMemberForm(TFormOwner* owner);
};

// Edits one member of the selected class.
class TUpdateMemberForm : public TMemberForm {
    Q_OBJECT
  public:
    TUpdateMemberForm(TFormOwner* owner, qint32 memberId);

  private:
    void ShowMember(const TMember& member);
};
