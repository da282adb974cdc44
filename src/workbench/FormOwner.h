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
    // Reloads the views after a save, with the saved class or member selected.
    virtual void ShowSavedClass(qint32 classId) = 0;
    virtual void ShowSavedMember(qint32 memberId) = 0;
    // Reloads the views from the store, keeping the selection where it still exists.
    virtual void Reload() = 0;
    // Adds a line to the window's log.
    virtual void Log(const QString& line) = 0;

  protected:
    ~TFormOwner() = default;
};
