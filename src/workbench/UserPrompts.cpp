#include "workbench/UserPrompts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTranslator>
#include <algorithm>

#include "workbench/FormStyle.h"

namespace {

constexpr int kInputMinimumWidth = 360;

// Message boxes size themselves to their text only; a spacer row widens them to the caption.
void fitCaption(QMessageBox& box) {
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(
            new QSpacerItem(CaptionWidth(&box, box.windowTitle()), 0, QSizePolicy::Minimum),
            grid->rowCount(), 0, 1, grid->columnCount());
    }
}

}  // namespace

void TDesktopPrompts::Message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Ok, parent);
    fitCaption(box);
    box.exec();
}

void TDesktopPrompts::Information(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, parent);
    fitCaption(box);
    box.exec();
}

bool TDesktopPrompts::Confirm(QWidget* parent, const QString& text, const QString& caption,
                              TDefaultAnswer defaultAnswer) {
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                    parent);
    box.setDefaultButton(defaultAnswer == TDefaultAnswer::Ok ? QMessageBox::Ok
                                                             : QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    fitCaption(box);
    return box.exec() == QMessageBox::Ok;
}

std::optional<QString> TDesktopPrompts::AskText(QWidget* parent, const QString& caption,
                                                const QString& prompt, const QString& initialText) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initialText);
    // The dialog's layout fixes its size to its fields' sizes: the text box sets the width.
    if (auto* field = dialog.findChild<QLineEdit*>()) {
        field->setMinimumWidth(std::max(kInputMinimumWidth, CaptionWidth(&dialog, caption)));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue();
}

QString TDesktopPrompts::GetOpenFileName(QWidget* parent, const QString& caption,
                                         const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString TDesktopPrompts::GetSaveFileName(QWidget* parent, const QString& caption,
                                         const QString& proposedPath, const QString& filter) {
    QFileDialog dialog(parent, caption, proposedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(proposedPath).suffix());
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void TDesktopPrompts::OpenFolder(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool TDesktopPrompts::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

bool LoadQtTranslations() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
