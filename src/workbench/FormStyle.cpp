#include "workbench/FormStyle.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kEditHeight = 21;
constexpr int kCheckBoxHeight = 17;

}  // namespace

void ApplyDialogFont(QWidget* widget) {
    QFont font = widget->font();
    font.setPointSize(8);
    widget->setFont(font);
}

void SetUpFixedDialog(QDialog* dialog, const QString& caption, int width, int height) {
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);
    dialog->setFixedSize(width, height);
    ApplyDialogFont(dialog);
}

QLabel* PlaceLabel(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    return label;
}

QLineEdit* PlaceLineEdit(QWidget* parent, const char* name, TPlace place) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(place.left, place.top, place.width, kEditHeight);
    return edit;
}

QCheckBox* PlaceCheckBox(QWidget* parent, const char* name, const QString& caption, TPlace place) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(place.left, place.top, place.width, kCheckBoxHeight);
    return box;
}

QPushButton* PlaceButton(QWidget* parent, const char* name, const QString& caption, TPlace place,
                         int height) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place.left, place.top, place.width, height);
    button->setAutoDefault(false);
    return button;
}
