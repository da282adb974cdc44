#pragma once

#include <QDialog>

#include "store/Member.h"
#include "workbench/FormStyle.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class TFormMain;

// Caption, size and control places that tell the add and edit member dialogs apart.
struct TMemberFormLayout {
    const char* caption;
    int width;
    int height;
    TPlace name, type, mustFlag, okButton, cancelButton, comment, queryFlag, keyFlag, length,
        displayFlag, queryDisplayFlag, androidDisplayFlag;
};

// The fields of one member; "确定" checks the entries, derives the stored flags and saves.
class TMemberForm : public QDialog {
    Q_OBJECT
  public:
    void Save();

  protected:
    enum class Purpose { Add, Update };
    TMemberForm(TFormMain* owner, Purpose purpose, const TMemberFormLayout& layout);
    // The member built from the entries; the length box is read for string members only.
    TMember EnteredMember(qint32 length) const;

    TFormMain* owner_;
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
    // The message of the first failing check, or the empty text.
    QString FailedCheck() const;
};

// Adds a member to the selected class.
class TAddMemberForm : public TMemberForm {
    Q_OBJECT
  public:
    explicit TAddMemberForm(TFormMain* owner);
};

// Edits one member of the selected class.
class TUpdateMemberForm : public TMemberForm {
    Q_OBJECT
  public:
    TUpdateMemberForm(TFormMain* owner, qint32 memberId);

  private:
    void ShowMember(const TMember& member);
};
