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
// A dialog with a fixed border, the given caption and client size.
void SetUpFixedDialog(QDialog* dialog, const QString& caption, int width, int height);

QLabel* PlaceLabel(QWidget* parent, const QString& text, int left, int top);
QLineEdit* PlaceLineEdit(QWidget* parent, const char* name, TPlace place);
QCheckBox* PlaceCheckBox(QWidget* parent, const char* name, const QString& caption, TPlace place);
QPushButton* PlaceButton(QWidget* parent, const char* name, const QString& caption, TPlace place,
                         int height = 25);
