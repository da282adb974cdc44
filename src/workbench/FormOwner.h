#pragma once

#include <QString>

class QWidget;
class TUserPrompts;

// What the class and member dialogs need from the window that opens them: its prompts, the
// selection they work on, and the views to bring up to date once they have saved.
class TFormOwner {
  public:
    // The window the dialogs open over.
    virtual QWidget* DialogParent() = 0;
    virtual TUserPrompts& Prompts() const = 0;
    // Ids of the selected entries, -1 when nothing is selected.
    virtual qint32 SelectedProjectId() const = 0;
    virtual qint32 SelectedClassId() const = 0;
    virtual QString SelectedClassName() const = 0;
    virtual void LoadClasses(qint32 projectId) = 0;
    virtual void LoadMembers(qint32 classId) = 0;
    // Gives the selected class entry a new text; its id and the selection stay.
    virtual void RenameSelectedClass(const QString& className) = 0;

  protected:
    ~TFormOwner() = default;
};
