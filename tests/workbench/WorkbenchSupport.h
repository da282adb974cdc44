#pragma once

// Helpers of the workbench tests: prompts answered by the test, a main window over a throwaway
// store, and store seeding through the access objects.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "TestSupport.h"
#include "workbench/MainForm.h"

namespace testing {

// Records every box and opener call; confirmations answer OK and input boxes answer from a
// queue (an empty queue answers like Escape).
class FakePrompts : public TUserPrompts {
  public:
    QStringList messages;
    QStringList informations;   // "caption: text"
    QStringList confirmations;  // "caption: text"
    QList<TDefaultAnswer> confirmDefaults;
    QStringList inputs;  // "caption|prompt|default"
    QStringList folders;
    QList<QUrl> urls;
    QStringList answers;
    QStringList fileDialogs;  // "caption|proposed path"
    QStringList fileAnswers;  // an empty queue answers like Cancel
    QStringList boxes;        // the texts of messages and informations, in the order shown
    bool confirmAnswer = true;
    bool urlOpens = true;

    void Message(QWidget*, const QString& text) override {
        messages.append(text);
        boxes.append(text);
    }
    void Information(QWidget*, const QString& text, const QString& caption) override {
        informations.append(caption + QStringLiteral(": ") + text);
        boxes.append(text);
    }
    bool Confirm(QWidget*, const QString& text, const QString& caption,
                 TDefaultAnswer defaultAnswer = TDefaultAnswer::Ok) override {
        confirmations.append(caption + QStringLiteral(": ") + text);
        confirmDefaults.append(defaultAnswer);
        return confirmAnswer;
    }
    std::optional<QString> AskText(QWidget*, const QString& caption, const QString& prompt,
                                   const QString& initialText) override {
        inputs.append(caption + '|' + prompt + '|' + initialText);
        return answers.isEmpty() ? std::nullopt : std::optional<QString>(answers.takeFirst());
    }
    QString GetOpenFileName(QWidget*, const QString& caption, const QString&) override {
        return GetSaveFileName(nullptr, caption, QString(), QString());
    }
    QString GetSaveFileName(QWidget*, const QString& caption, const QString& proposedPath,
                            const QString&) override {
        fileDialogs.append(caption + '|' + proposedPath);
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }
    void OpenFolder(const QString& path) override { folders.append(path); }
    bool OpenUrl(const QUrl& url) override {
        urls.append(url);
        return urlOpens;
    }

    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.last(); }
};

inline qint32 addProject(const QString& name) {
    TProjectDAO().AddProject(name);
    return TProjectDAO().FindProjectsByName(name).last();
}

inline qint32 addClass(qint32 projectId, const QString& name, const QString& friendName = {},
                       qint32 frontShowFlag = 0) {
    return TClassDAO().AddClass(projectId, name, friendName.isEmpty() ? name : friendName,
                                frontShowFlag);
}

// A member as the dialogs would store it; phone and display flags as given.
inline TMember member(qint32 projectId, qint32 classId, const QString& name,
                      const QString& type = kTypeString, bool key = false, bool display = false,
                      bool phone = false) {
    TMember m;
    m.projectId = projectId;
    m.classId = classId;
    m.memberName = name;
    m.memberType = type;
    m.memberLength = type == kTypeString ? 20 : 0;
    m.memberIsPri = key ? 1 : 0;
    m.memberIsMust = 1;
    m.memberIsInteger = type == kTypeInteger ? 1 : 0;
    m.memberIsFloat = type == kTypeFloat ? 1 : 0;
    m.memberIsDisplay = display ? 1 : 0;
    m.androidDisplay = phone ? 1 : 0;
    return m;
}

inline QStringList memberNames(qint32 classId) {
    QStringList names;
    for (const TMember& m : TMemberDAO().ListMembers(classId)) {
        names.append(m.memberName);
    }
    return names;
}

inline QList<qint32> memberIds(qint32 classId) {
    QList<qint32> ids;
    for (const TMember& m : TMemberDAO().ListMembers(classId)) {
        ids.append(m.memberId);
    }
    return ids;
}

// A main window over a fresh store and, unless told another, an empty app folder of its own
// (its settings file among them); construct the store content first, then call open().
class Bench {
  public:
    TempStore store;
    QTemporaryDir appFolder;
    FakePrompts prompts;
    std::unique_ptr<TFormMain> window;

    TFormMain& open(const QString& folder = QString()) {
        window.reset();
        window =
            std::make_unique<TFormMain>(folder.isEmpty() ? appFolder.path() : folder, &prompts);
        return *window;
    }
    template <typename T>
    T* child(const char* name) const {
        T* found = window->findChild<T*>(QLatin1String(name));
        if (found == nullptr) {
            qFatal("no child %s", name);
        }
        return found;
    }
    QComboBox* projects() const { return child<QComboBox>("CB_Project"); }
    QListWidget* classes() const { return child<QListWidget>("LB_Object"); }
    QTableWidget* members() const { return child<QTableWidget>("LV_Member"); }
    QPlainTextEdit* log() const { return child<QPlainTextEdit>("Memo_State"); }

    // The main-menu or context-menu item with that caption.
    QAction* action(const QString& caption, const char* menuName = nullptr) const {
        QWidget* menus = menuName ? static_cast<QWidget*>(child<QMenu>(menuName))
                                  : static_cast<QWidget*>(window->menuBar());
        for (QAction* top : menus->actions()) {
            const QList<QAction*> items =
                top->menu() ? top->menu()->actions() : QList<QAction*>{top};
            for (QAction* item : items) {
                if (item->text() == caption) {
                    return item;
                }
            }
        }
        qFatal("no menu item %s", qPrintable(caption));
    }
    void trigger(const QString& caption) const { action(caption)->trigger(); }

    // Chooses a project as the user does (the drop-down's activation).
    void chooseProject(int index) const {
        projects()->setCurrentIndex(index);
        emit projects()->activated(index);
    }
    // Selects exactly these rows of the member table.
    void selectRows(const QList<int>& rows) const {
        members()->clearSelection();
        for (int row : rows) {
            members()->selectionModel()->select(
                members()->model()->index(row, 0),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    QStringList selectedMemberNames() const {
        QStringList names;
        for (int row = 0; row < members()->rowCount(); ++row) {
            if (members()->selectionModel()->isRowSelected(row)) {
                names.append(members()->item(row, 1)->text());
            }
        }
        return names;
    }
    // What the window said: the texts of its message boxes, then the lines of its log.
    QStringList said() const {
        return prompts.messages + log()->toPlainText().split('\n', Qt::SkipEmptyParts);
    }
    QStringList shownMemberNames() const {
        QStringList names;
        for (int row = 0; row < members()->rowCount(); ++row) {
            names.append(members()->item(row, 1)->text());
        }
        return names;
    }
};

}  // namespace testing
