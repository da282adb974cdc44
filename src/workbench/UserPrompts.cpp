#include "workbench/UserPrompts.h"

#include <QDesktopServices>
#include <QInputDialog>
#include <QMessageBox>

void TDesktopPrompts::Message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

void TDesktopPrompts::Information(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox::information(parent, caption, text, QMessageBox::Ok);
}

bool TDesktopPrompts::Confirm(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                    parent);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

QString TDesktopPrompts::GetText(QWidget* parent, const QString& caption, const QString& prompt,
                                 const QString& defaultText) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, defaultText, &accepted);
    return accepted ? answer : defaultText;
}

void TDesktopPrompts::OpenFolder(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TDesktopPrompts::OpenUrl(const QUrl& url) {
    QDesktopServices::openUrl(url);
}
