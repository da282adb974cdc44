#pragma once

#include <QString>

class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Where a control sits in its form: left, top and width in pixels.
struct TPlace {
    int left;
    int top;
    int width;
};

// The 8-point dialog font every form uses.
void ApplyDialogFont(QWidget* widget);
// A dialog with a fixed border, the given caption and client size, made wider where the caption
// needs it to show whole in the title bar.
void SetUpFixedDialog(QDialog* dialog, const QString& caption, int width, int height);
// Gives the dialog a new caption, widening it as SetUpFixedDialog does.
void SetFixedDialogCaption(QDialog* dialog, const QString& caption, int width);
// The width a window needs for the caption to show whole in its title bar.
int CaptionWidth(const QWidget* window, const QString& caption);

QLabel* PlaceLabel(QWidget* parent, const QString& text, int left, int top);
// A label naming the field to its right: its mnemonic (the letter after "&") moves the focus
// there. It ends just before the field, so trailing blanks never cover the field.
QLabel* PlaceBuddyLabel(QWidget* parent, const QString& text, int left, int top, QWidget* field);
// Enter presses ok, wherever the focus is but on another button; Escape closes the dialog.
void SetUpDialogButtons(QDialog* dialog, QPushButton* ok, QPushButton* cancel);
// Tab moves through the dialog's fields as they are read: row by row from the top, left to
// right within a row (fields less than a row's height apart in height share the row).
void OrderTabsByPlace(QWidget* form);
QLineEdit* PlaceLineEdit(QWidget* parent, const char* name, TPlace place);
QCheckBox* PlaceCheckBox(QWidget* parent, const char* name, const QString& caption, TPlace place);
QPushButton* PlaceButton(QWidget* parent, const char* name, const QString& caption, TPlace place,
                         int height = 25);
