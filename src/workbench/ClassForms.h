#pragma once

#include <QDialog>

#include "commands/ProjectCommands.h"
#include "workbench/FormOwner.h"
#include "workbench/FormStyle.h"

class QCheckBox;
class QLineEdit;

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
// "取消" closes without writing. A refused entry keeps the dialog open with the focus on the
// field at fault; a refusal because the class changed elsewhere closes it.
class TClassForm : public QDialog {
    Q_OBJECT
  public:
    void Save();

  protected:
    TClassForm(TFormOwner* owner, const TClassFormLayout& layout);
    // Checks and writes the entered class.
    virtual TCommandResult Store(const TClassRecord& entered) = 0;

    TFormOwner* owner_;
    qint32 projectId_;
    TClassRecord shown_;  // the edited class as the store held it; classId 0 for a new one
    QLineEdit* Edt_ClassName;
    QLineEdit* Edt_FriendName;
    QCheckBox* CB_FrontShowFlag;
};

// Adds a class to the selected project.
class TAddClassForm : public TClassForm {
    Q_OBJECT
  public:
    explicit TAddClassForm(TFormOwner* owner);

  protected:
    TCommandResult Store(const TClassRecord& entered) override;
};

// Edits the selected class; a new name also renames the reference types naming the class.
class TUpdateClassForm : public TClassForm {
    Q_OBJECT
  public:
    TUpdateClassForm(TFormOwner* owner, qint32 classId);

  protected:
    TCommandResult Store(const TClassRecord& entered) override;
};
