#pragma once

#include <QDialog>

#include "commands/ProjectCommands.h"
#include "workbench/FormOwner.h"
#include "workbench/FormStyle.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The fields of one member of the class selected when the dialog opened, which its caption
// names. "确定" saves them through the member commands, which check the entries (the same rules
// in both dialogs) and derive the stored flags, and closes the dialog; "保存并继续(&N)" saves and
// clears the fields for the next new member of the class. A refused entry keeps the dialog open
// with the focus on the field at fault.
class TMemberForm : public QDialog {
    Q_OBJECT
  public:
    void Save();
    void SaveAndContinue();

  protected:
    enum class Purpose { Add, Update };
    TMemberForm(TFormOwner* owner, Purpose purpose);
    // The member as entered, in the dialog's project and class.
    TMemberEntry EnteredMember() const;
    // Shows the caption of the dialog's purpose with the class's name.
    void ShowCaption();
    // The fields as a new member starts.
    void ClearFields();

    TFormOwner* owner_;
    Purpose purpose_;
    qint32 projectId_;
    qint32 classId_;
    QString className_;
    TMember shown_;  // the edited member as the store held it when the dialog showed it

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
    void BuildControls();
    void FillTypeList();
    // Saves the entry; answers whether it was saved. A refusal because the member or its class
    // changed elsewhere closes the dialog.
    bool Store();
    QWidget* FieldOf(TEntryField field) const;
};

// Adds members to the class selected in the owner.
class TAddMemberForm : public TMemberForm {
    Q_OBJECT
  public:
    explicit TAddMemberForm(TFormOwner* owner);
};

// Edits one member of the class selected in the owner.
class TUpdateMemberForm : public TMemberForm {
    Q_OBJECT
  public:
    TUpdateMemberForm(TFormOwner* owner, qint32 memberId);

  private:
    void ShowMember(const TMember& member);
};
