#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <optional>

#include "commands/ProjectCommands.h"
#include "run/AutoCode.h"
#include "store/MemberDAO.h"
#include "workbench/FormOwner.h"
#include "workbench/UserPrompts.h"

class QAction;
class QComboBox;
class QDialog;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QSettings;
class QTableWidget;
class QTimer;

// The user guide in the app folder: the home page that the banner, the 帮助 menu and the timer of
// the first start open.
inline const QString kGuidePath = QStringLiteral("guide/index.html");

// The workbench's only top-level window: the projects of the store, the classes of the selected
// project, the members of the selected class, the progress log of generation runs, and every
// command on them. It hosts the generation runs it starts. It reloads its lists, keeping the
// selection, when the store changes elsewhere (another window, the command line). Its files:
// MainForm.cpp the view, MainMenus.cpp the menus, MainCommands.cpp the commands on the store,
// MainRun.cpp the runs.
class TFormMain : public QMainWindow, public TGenerationHost, public TFormOwner {
    Q_OBJECT
  public:
    // appFolder holds the template project and the templates and receives projects/.
    // Without prompts the window asks through real message boxes.
    explicit TFormMain(const QString& appFolder, TUserPrompts* prompts = nullptr,
                       QWidget* parent = nullptr);
    ~TFormMain() override;

    // TFormOwner, for the class and member dialogs.
    QWidget* DialogParent() override { return this; }
    TUserPrompts& Prompts() const override { return *prompts_; }
    qint32 SelectedProjectId() const override;
    qint32 SelectedClassId() const override;
    QString SelectedClassName() const override;
    void ShowSavedClass(qint32 classId) override;
    void ShowSavedMember(qint32 memberId) override;
    void Reload() override;
    void Log(const QString& line) override;

    // Each loader fills its list and selects the given entry (project: the first when it is
    // gone; class: none when it is gone), or without one the first entry, then loads the next
    // list down. The member table selects the given members.
    void LoadProjects(std::optional<qint32> projectId = std::nullopt,
                      std::optional<qint32> classId = std::nullopt,
                      const QList<qint32>& memberIds = {});
    void LoadClasses(qint32 projectId, std::optional<qint32> classId = std::nullopt,
                     const QList<qint32>& memberIds = {});
    void LoadMembers(qint32 classId, const QList<qint32>& memberIds = {});
    // Reloads when the store has changed since the window last loaded it, unless a dialog is
    // open (it reloads once the dialog has closed).
    void ReloadIfChanged();

    // TGenerationHost, called on this window's thread while the run waits.
    void AppendProgress(const QString& line) override;
    void Notice(int message, qint32 failingClassId, const QString& text) override;
    void RunFailed(const QString& message) override;
    void Conflicts(const QStringList& files) override;

  public slots:
    void NewProject();
    void RenameProject();
    void DeleteProject();
    void AddClass();
    void EditClass();
    void DeleteClass();
    void AddMember();
    void EditMember();
    void DeleteMember();
    void ExchangeMembers();
    void MoveMemberUp();
    void MoveMemberDown();
    void SetPackageName();
    void Generate();
    void GenerateServer();
    void ExportModel();
    void ImportModel();
    void OpenHomePage();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Activation looks for changes made elsewhere.
    void changeEvent(QEvent* event) override;
    // While a run writes, closing asks whether to stop it; the window closes only once the run
    // has ended, so no process goes on writing without a window.
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    QWidget* BuildWorkArea();
    void BuildMemberTable(QWidget* parent);
    // Insert adds a member, Enter edits the selected one, Delete deletes the selected ones.
    bool MemberTableKey(int key);
    QWidget* BuildProgressArea();
    void ConnectClassList();
    void BuildMenus();
    QAction* AddCommand(QMenu* menu, const QString& caption, void (TFormMain::*command)());
    void Message(const QString& text);
    // Shows the command's message (if any), reloading when the window showed what is gone or
    // changed; answers whether it was done.
    bool Report(const TCommandResult& result);
    // Shows missingText and answers false when nothing is selected.
    bool Require(bool selected, const QString& missingText);
    template <typename Action>
    void Guarded(Action&& action) {
        RunGuarded(*prompts_, this, std::forward<Action>(action));
    }
    void ProjectChosen(int index);
    void ClassChosen(int row);
    void MemberTableDoubleClicked();
    void ClearMembers();
    // Selected rows of the member table in table order, and their members as loaded.
    QList<int> SelectedMemberRows() const;
    QList<qint32> SelectedMemberIds() const;
    qint32 MemberIdAt(int row) const;
    void SwapWithNeighbour(int offset, const QString& atEndText);
    // The names of the project's other classes with a member referring to the class.
    QStringList ReferringClasses(const QString& className) const;
    // Shows the dialog modally, then gives the keyboard back to this window.
    void ExecDialog(QDialog& dialog);
    // Asks the run to stop after the file it is writing and waits until it has ended.
    void StopRun();
    QString PreRunText() const;
    void StartRun(const TOutputTarget& target);
    void SetRunActionsEnabled(bool enabled);
    QSettings Settings() const;
    void RestoreWindowSize();

    QString appFolder_;
    std::unique_ptr<TUserPrompts> ownPrompts_;
    TUserPrompts* prompts_;
    TMemberList shownMembers_;   // the member table's rows as loaded
    qint64 loadedChanges_ = -1;  // the store's change count when the lists were loaded
    // The application id set for a project (设置包名) in this session, by project id; a project
    // without one gets the default derived from its name.
    QHash<qint32, QString> packageNames_;
    int classRowAtPress_ = -1;  // the chosen class row when the last press in the list began
    QString runProjectName_;
    QPointer<TAutoCode> activeRun_;
    bool closing_ = false;

    QLabel* Image1 = nullptr;
    QComboBox* CB_Project = nullptr;
    QListWidget* LB_Object = nullptr;
    QTableWidget* LV_Member = nullptr;
    QPlainTextEdit* Memo_State = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* A1 = nullptr;
    QAction* GenerateServerAction = nullptr;
    QAction* KeepEdits = nullptr;  // checked: a run keeps the user's changes to generated files
    QTimer* Timer1 = nullptr;
    QTimer* storeWatch_ = nullptr;
};
