#include "workbench/FormStyle.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcutEvent>
#include <algorithm>

namespace {

constexpr int kEditHeight = 21;
constexpr int kCheckBoxHeight = 17;
constexpr int kRowTolerance = 12;
// What a window manager's title bar takes beside the caption: icon and buttons.
constexpr int kTitleBarExtra = 160;

// A button whose access key clicks it at once. QAbstractButton's own access key animates a
// click that happens only 100 ms later, so a key pressed within that time met the form as it
// was before: Enter right after Alt+Q saved the query box unticked, and a name typed right after
// "保存并继续(&N)" went into the member being saved.
template <typename Button>
class TClickAtOnce : public Button {
  public:
    using Button::Button;

  protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::Shortcut) {
            return Button::event(event);
        }
        this->setFocus(Qt::ShortcutFocusReason);
        if (!static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
            this->click();
        }
        return true;
    }
};

}  // namespace

void ApplyDialogFont(QWidget* widget) {
    QFont font = widget->font();
    font.setPointSize(8);
    widget->setFont(font);
}

void SetUpFixedDialog(QDialog* dialog, const QString& caption, int width, int height) {
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);
    ApplyDialogFont(dialog);
    dialog->setFixedHeight(height);
    SetFixedDialogCaption(dialog, caption, width);
}

void SetFixedDialogCaption(QDialog* dialog, const QString& caption, int width) {
    dialog->setWindowTitle(caption);
    dialog->setFixedWidth(std::max(width, CaptionWidth(dialog, caption)));
}

int CaptionWidth(const QWidget* window, const QString& caption) {
    return window->fontMetrics().horizontalAdvance(caption) + kTitleBarExtra;
}

QLabel* PlaceLabel(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLabel* PlaceBuddyLabel(QWidget* parent, const QString& text, int left, int top, QWidget* field) {
    QLabel* label = PlaceLabel(parent, text, left, top);
    label->setBuddy(field);
    label->resize(std::min(label->width(), field->x() - left - 2), label->height());
    return label;
}

void SetUpDialogButtons(QDialog* dialog, QPushButton* ok, QPushButton* cancel) {
    ok->setAutoDefault(true);
    cancel->setAutoDefault(true);
    ok->setDefault(true);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

void OrderTabsByPlace(QWidget* form) {
    QList<QWidget*> fields;
    for (QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->focusPolicy() & Qt::TabFocus) {
            fields.append(child);
        }
    }
    std::sort(fields.begin(), fields.end(),
              [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    // Rows start where a field lies clearly below the first field of the row before.
    QList<std::pair<int, QWidget*>> placed;
    int row = -1;
    int rowTop = 0;
    for (QWidget* field : fields) {
        if (row < 0 || field->y() - rowTop > kRowTolerance) {
            ++row;
            rowTop = field->y();
        }
        placed.append({row, field});
    }
    std::stable_sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second->x() < b.second->x();
    });
    for (qsizetype i = 1; i < placed.size(); ++i) {
        QWidget::setTabOrder(placed[i - 1].second, placed[i].second);
    }
}

QLineEdit* PlaceLineEdit(QWidget* parent, const char* name, TPlace place) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(place.left, place.top, place.width, kEditHeight);
    return edit;
}

QCheckBox* PlaceCheckBox(QWidget* parent, const char* name, const QString& caption, TPlace place) {
    auto* box = new TClickAtOnce<QCheckBox>(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(place.left, place.top, place.width, kCheckBoxHeight);
    return box;
}

QPushButton* PlaceButton(QWidget* parent, const char* name, const QString& caption, TPlace place,
                         int height) {
    auto* button = new TClickAtOnce<QPushButton>(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place.left, place.top, place.width, height);
    button->setAutoDefault(false);
    return button;
}
