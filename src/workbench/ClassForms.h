#pragma once

#include <QDialog>

#include "workbench/FormStyle.h"

class QCheckBox;
class QLineEdit;
class TFormMain;

// Captions and places that tell the add and edit class dialogs apart.
struct TClassFormLayout {
    const char* caption;
    int width;
    int height;
    const char* classLabel;
    int classLabelLeft;
    const char* friendLabel;
    int friendLabelLeft;
    int flagTop;
    TPlace okButton;
    TPlace cancelButton;
};

// The class name, friendly name and front-end flag of one class; "确定" checks and saves,
// "取消" closes without writing.
class TClassForm : public QDialog {
    Q_OBJECT
  public:
    void Save();

  protected:
    TClassForm(TFormMain* owner, const TClassFormLayout& layout);
    // The message of the first failing check, or the empty text.
    virtual QString FailedCheck() const = 0;
    // Writes the class and updates the main window; answers the success message.
    virtual QString Store() = 0;

    qint32 FrontShowFlag() const;
    // The message of the rule on names and texts that the entered class breaks, or the empty
    // text: the run would refuse it, so it is refused as it is entered.
    QString BrokenRule() const;

    TFormMain* owner_;
    qint32 classId_ = 0;  // the edited class; 0 for a new one
    QLineEdit* Edt_ClassName;
    QLineEdit* Edt_FriendName;
    QCheckBox* CB_FrontShowFlag;
};

// Adds a class to the selected project.
class TAddClassForm : public TClassForm {
    Q_OBJECT
  public:
    explicit TAddClassForm(TFormMain* owner);

  protected:
    QString FailedCheck() const override;
    QString Store() override;
};

// Edits the selected class; a new name also renames the reference types naming the class.
class TUpdateClassForm : public TClassForm {
    Q_OBJECT
  public:
    TUpdateClassForm(TFormMain* owner, qint32 classId);

  protected:
    QString FailedCheck() const override;
    QString Store() override;
};
