#pragma once

#include <QString>
#include <QUrl>
#include <optional>

#include "common/Error.h"

class QWidget;

// The caption of plain message boxes: the application's title.
inline const QString kAppTitle = QStringLiteral("Quillmere");

// The button that Enter presses in a confirmation: 取消 where the command cannot be undone.
enum class TDefaultAnswer { Ok, Cancel };

// Every box the workbench shows and every outside program it starts. The forms ask through this
// interface only, so tests can answer instead of a user and nothing opens a browser.
class TUserPrompts {
  public:
    virtual ~TUserPrompts() = default;
    // A plain box with an OK button and the application's title as caption.
    virtual void Message(QWidget* parent, const QString& text) = 0;
    // A box with an information icon, the given caption and an OK button.
    virtual void Information(QWidget* parent, const QString& text, const QString& caption) = 0;
    // OK and Cancel with an information icon; true for OK.
    virtual bool Confirm(QWidget* parent, const QString& text, const QString& caption,
                         TDefaultAnswer defaultAnswer = TDefaultAnswer::Ok) = 0;
    // An input box holding initialText; nullopt when the user cancels (Escape or closing it).
    virtual std::optional<QString> AskText(QWidget* parent, const QString& caption,
                                           const QString& prompt, const QString& initialText) = 0;
    // An input box; Cancel (or closing it) answers the default text.
    QString GetText(QWidget* parent, const QString& caption, const QString& prompt,
                    const QString& defaultText) {
        return AskText(parent, caption, prompt, defaultText).value_or(defaultText);
    }
    // File dialogs; the empty text when the user cancels. The save dialog proposes the path.
    virtual QString GetOpenFileName(QWidget* parent, const QString& caption,
                                    const QString& filter) = 0;
    virtual QString GetSaveFileName(QWidget* parent, const QString& caption,
                                    const QString& proposedPath, const QString& filter) = 0;
    // Shows the folder in the system's file browser.
    virtual void OpenFolder(const QString& path) = 0;
    // Opens the address in the system's browser; false when no program opened it.
    virtual bool OpenUrl(const QUrl& url) = 0;
};

// The prompts of the running program: Qt message boxes, input dialogs and desktop services.
class TDesktopPrompts : public TUserPrompts {
  public:
    void Message(QWidget* parent, const QString& text) override;
    void Information(QWidget* parent, const QString& text, const QString& caption) override;
    bool Confirm(QWidget* parent, const QString& text, const QString& caption,
                 TDefaultAnswer defaultAnswer = TDefaultAnswer::Ok) override;
    std::optional<QString> AskText(QWidget* parent, const QString& caption, const QString& prompt,
                                   const QString& initialText) override;
    QString GetOpenFileName(QWidget* parent, const QString& caption,
                            const QString& filter) override;
    QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& proposedPath,
                            const QString& filter) override;
    void OpenFolder(const QString& path) override;
    bool OpenUrl(const QUrl& url) override;
};

// Loads Qt's own Chinese texts, so standard buttons and file dialogs speak the window's
// language ("确定", "取消"). Answers false when they are not installed.
bool LoadQtTranslations();

// Runs one user action; a store error ends it with the store's message in a plain box.
template <typename Action>
void RunGuarded(TUserPrompts& prompts, QWidget* parent, Action&& action) {
    try {
        action();
    } catch (const TError& error) {
        prompts.Message(parent, error.message());
    }
}
