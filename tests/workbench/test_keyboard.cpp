// The workbench from the keyboard alone: access keys unique within each menu and dialog, every
// field reachable by one, Tab through the fields in reading order, Enter for 确定 and Escape
// for 取消 in every dialog and box, and the main window active again after each dialog.

#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "WorkbenchSupport.h"
#include "workbench/ClassForms.h"
#include "workbench/MemberForms.h"

using namespace testing;

namespace {

// The access key of a caption ("修改类名(&B)" gives B), or 0 when it has none.
QChar accessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (caption[i + 1] != u'&') {
                return caption[i + 1].toUpper();
            }
            ++i;
        }
    }
    return QChar();
}

// What is wrong with the access keys of one menu or dialog: keys used twice, captions without.
QStringList accessKeyProblems(const QStringList& captions) {
    QHash<QChar, QString> owners;
    QStringList problems;
    for (const QString& caption : captions) {
        const QChar key = accessKey(caption);
        if (key.isNull()) {
            problems.append(QStringLiteral("no access key: ") + caption);
        } else if (owners.contains(key)) {
            problems.append(QStringLiteral("%1 and %2 share %3").arg(owners[key], caption, key));
        }
        owners.insert(key, caption);
    }
    return problems;
}

// A project with the classes Book (selected, one member) and Reader.
struct Library {
    Bench bench;
    qint32 project = addProject("Library");
    qint32 book = addClass(project, "Book", "图书");
    qint32 reader = addClass(project, "Reader", "读者");
    qint32 code = [this] {
        TMemberDAO().AddMember(member(project, book, "code", kTypeString, true, true, true));
        return memberIds(book).first();
    }();
    TFormMain& window = bench.open();
};

// Makes one of the four dialogs over the library's window.
using MakeDialog = std::function<QDialog*(Library&)>;

QList<QWidget*> focusableFields(QWidget* form) {
    QList<QWidget*> fields;
    for (QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->focusPolicy() & Qt::TabFocus) {
            fields.append(child);
        }
    }
    return fields;
}

// b reads after a: it lies lower, or on the same line (their heights overlap) further right.
bool readsAfter(const QWidget* a, const QWidget* b) {
    const bool sameLine = b->y() < a->y() + a->height() && a->y() < b->y() + b->height();
    return sameLine ? b->x() > a->x() : b->y() > a->y();
}

void showActive(QWidget* widget) {
    widget->show();
    widget->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(widget));
}

void press(Qt::Key key) {
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target != nullptr);
    QTest::keyClick(target, key);
}

// Once the next modal dialog is up and has the focus, lets `fill` work on it, then presses key
// (Qt::Key_unknown: none, `fill` closes it).
void pressInNextDialog(Qt::Key key, std::function<void(QWidget*)> fill = {}) {
    auto* poll = new QTimer(QCoreApplication::instance());
    QObject::connect(poll, &QTimer::timeout, poll, [poll, key, fill] {
        QWidget* dialog = QApplication::activeModalWidget();
        QWidget* focus = QApplication::focusWidget();
        if (dialog == nullptr || focus == nullptr || focus->window() != dialog) {
            return;
        }
        poll->deleteLater();
        poll->stop();
        if (fill) {
            fill(dialog);
        }
        if (key != Qt::Key_unknown) {
            QTest::keyClick(QApplication::focusWidget(), key);
        }
    });
    poll->start(10);
}

}  // namespace

Q_DECLARE_METATYPE(MakeDialog)

class TestKeyboard : public QObject {
    Q_OBJECT
  private slots:
    void accessKeysAreUniqueInEveryMenu() {
        Library library;
        QMenuBar* bar = library.window.menuBar();
        // The main window's own access keys: its menus, and the labels naming the project
        // drop-down and the class list.
        QStringList top;
        QList<QMenu*> menus{library.bench.child<QMenu>("PopupMenu1")};
        for (QAction* action : bar->actions()) {
            top.append(action->text());
            menus.append(action->menu());
        }
        QSet<QWidget*> named;
        for (QLabel* label : library.window.findChildren<QLabel*>()) {
            if (label->buddy() != nullptr) {
                top.append(label->text());
                named.insert(label->buddy());
            }
        }
        QCOMPARE(named, (QSet<QWidget*>{library.bench.projects(), library.bench.classes()}));
        QCOMPARE(accessKeyProblems(top), QStringList());
        for (QMenu* menu : menus) {
            QStringList captions;
            for (QAction* action : menu->actions()) {
                if (!action->isSeparator()) {
                    captions.append(action->text());
                }
            }
            QVERIFY(!captions.isEmpty());
            QCOMPARE(accessKeyProblems(captions), QStringList());
        }
    }

    // Each text box and drop-down is named by a label whose access key reaches it, each check
    // box has its own; no key twice. 确定 and 取消 are reached by Enter and Escape. Tab starts
    // at the top-left field and walks every field once, each one after the other as they are
    // read, then wraps around.
    void everyDialogFieldIsReachedFromTheKeyboard_data() {
        QTest::addColumn<MakeDialog>("make");
        QTest::newRow("add class")
            << MakeDialog([](Library& l) { return new TAddClassForm(&l.window); });
        QTest::newRow("edit class")
            << MakeDialog([](Library& l) { return new TUpdateClassForm(&l.window, l.book); });
        QTest::newRow("add member")
            << MakeDialog([](Library& l) { return new TAddMemberForm(&l.window); });
        QTest::newRow("edit member")
            << MakeDialog([](Library& l) { return new TUpdateMemberForm(&l.window, l.code); });
    }
    void everyDialogFieldIsReachedFromTheKeyboard() {
        QFETCH(MakeDialog, make);
        Library library;
        const std::unique_ptr<QDialog> dialog(make(library));
        QStringList captions;
        QSet<QWidget*> named;
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            if (label->buddy() != nullptr && !accessKey(label->text()).isNull()) {
                named.insert(label->buddy());
            }
            if (label->buddy() != nullptr) {
                captions.append(label->text());
            }
        }
        QStringList buttons;  // the push buttons without access key: Enter and Escape press them
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
            const bool plain =
                qobject_cast<QPushButton*>(button) && accessKey(button->text()).isNull();
            (plain ? buttons : captions).append(button->text());
            if (qobject_cast<QCheckBox*>(button)) {
                named.insert(button);
            }
        }
        QCOMPARE(accessKeyProblems(captions), QStringList());
        QCOMPARE(buttons, (QStringList{"确定", "取消"}));
        const QList<QWidget*> fields = focusableFields(dialog.get());
        for (QWidget* field : fields) {
            QVERIFY2(named.contains(field) || qobject_cast<QPushButton*>(field),
                     qPrintable(field->objectName()));
        }

        showActive(dialog.get());
        QWidget* first = QApplication::focusWidget();
        for (QWidget* field : fields) {
            QVERIFY2(field == first || readsAfter(first, field), qPrintable(field->objectName()));
        }
        QList<QWidget*> visited{first};
        for (int step = 0; step < fields.size(); ++step) {
            press(Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            if (now == first) {
                break;
            }
            QVERIFY2(readsAfter(visited.last(), now),
                     qPrintable(visited.last()->objectName() + " -> " + now->objectName()));
            visited.append(now);
        }
        QCOMPARE(QApplication::focusWidget(), first);
        QCOMPARE(visited.size(), fields.size());
    }

    // Enter, from a text box or a check box, saves like 确定; Escape and 取消 close without
    // writing. Whichever way a dialog closes, the main window has the keyboard again.
    void enterSavesAndEscapeCancels_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("message");  // empty: the dialog closes without writing
        const std::pair<const char*, const char*> commands[] = {
            {"添加类(&A)", "类名称添加成功！ Shelf"},
            {"修改类名(&B)", "类名称更新成功 Shelf"},
            {"添加成员(&M)", "类成员属性添加成功! Book.title"},
            {"修改成员属性(&E)", "类成员属性更新成功! Book.title"},
        };
        for (const auto& [command, saved] : commands) {
            QTest::addRow("%s: Enter in the name", command) << command << "enter" << saved;
            QTest::addRow("%s: Enter on a check box", command)
                << command << "enter on box" << saved;
            QTest::addRow("%s: Escape", command) << command << "escape" << QString();
            QTest::addRow("%s: 取消", command) << command << "cancel" << QString();
        }
    }
    void enterSavesAndEscapeCancels() {
        QFETCH(QString, command);
        QFETCH(QString, how);
        QFETCH(QString, message);
        Library library;
        showActive(&library.window);
        library.bench.selectRows({0});
        const QStringList before = storeRows();
        const Qt::Key key = how == "escape"   ? Qt::Key_Escape
                            : how == "cancel" ? Qt::Key_unknown
                                              : Qt::Key_Return;
        pressInNextDialog(key, [how](QWidget* dialog) {
            if (auto* name = dialog->findChild<QLineEdit*>("Edt_ClassName")) {
                name->setText("Shelf");
                dialog->findChild<QLineEdit*>("Edt_FriendName")->setText("书架");
            } else {
                dialog->findChild<QLineEdit*>("Edt_MemberName")->setText("title");
            }
            if (how == "enter on box") {
                dialog->findChildren<QCheckBox*>().first()->setFocus();
            } else if (how == "cancel") {
                QTest::mouseClick(dialog->findChild<QPushButton*>("Button2"), Qt::LeftButton);
            }
        });
        library.bench.trigger(command);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(library.bench.said(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(storeRows() == before, message.isEmpty());
        QTRY_COMPARE(QApplication::activeWindow(), &library.window);
        QVERIFY(library.window.focusWidget() != nullptr);
    }

    // The boxes of the running program: Enter is 确定, Escape 取消 (or OK where it is alone).
    void boxesTakeEnterAndEscape() {
        TDesktopPrompts prompts;
        pressInNextDialog(Qt::Key_Escape);
        QVERIFY(!prompts.Confirm(nullptr, "确认删除此类对象！", "提示"));
        pressInNextDialog(Qt::Key_Return);
        QVERIFY(prompts.Confirm(nullptr, "确认删除此类对象！", "提示"));
        pressInNextDialog(Qt::Key_Return);
        QVERIFY(!prompts.Confirm(nullptr, "确认删除此类对象！", "提示", TDefaultAnswer::Cancel));
        pressInNextDialog(Qt::Key_Escape);
        prompts.Message(nullptr, "没有类被选中!");
        pressInNextDialog(Qt::Key_Return, [](QWidget* dialog) {
            dialog->findChild<QLineEdit*>()->setText("新名称");
        });
        QCOMPARE(prompts.GetText(nullptr, "请输入工程名称", QString(), "旧"), QString("新名称"));
        pressInNextDialog(Qt::Key_Escape, [](QWidget* dialog) {
            dialog->findChild<QLineEdit*>()->setText("新名称");
        });
        QCOMPARE(prompts.GetText(nullptr, "请输入工程名称", QString(), "旧"), QString("旧"));
        pressInNextDialog(Qt::Key_Escape);
        QCOMPARE(prompts.AskText(nullptr, "新建项目", "请输入工程名称:", QString()), std::nullopt);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // Tab, Shift+Tab and Ctrl+Tab leave the member table; on a member, Insert adds one (the
    // dialog names the class), Enter edits the selected one and Delete deletes it once confirmed.
    void theMemberTableTakesInsertEnterAndDelete() {
        Library library;
        showActive(&library.window);
        QTableWidget* table = library.bench.members();
        for (const QKeyCombination key :
             {QKeyCombination(Qt::Key_Tab), QKeyCombination(Qt::SHIFT, Qt::Key_Backtab),
              QKeyCombination(Qt::CTRL, Qt::Key_Tab)}) {
            table->setFocus();
            QTest::keyClick(table, key.key(), key.keyboardModifiers());
            QVERIFY2(QApplication::focusWidget() != table,
                     qPrintable(QKeySequence(key).toString()));
        }
        table->setFocus();
        QString caption;
        pressInNextDialog(Qt::Key_Return, [&caption](QWidget* dialog) {
            caption = dialog->windowTitle();
            dialog->findChild<QLineEdit*>("Edt_MemberName")->setText("title");
        });
        QTest::keyClick(table, Qt::Key_Insert);
        QCOMPARE(caption, QStringLiteral("添加成员属性 - Book类"));
        QCOMPARE(memberNames(library.book), (QStringList{"code", "title"}));
        QCOMPARE(library.bench.selectedMemberNames(), QStringList{"title"});
        QTRY_COMPARE(QApplication::focusWidget(), table);

        QString shownName;
        pressInNextDialog(Qt::Key_Escape, [&shownName](QWidget* dialog) {
            shownName = dialog->findChild<QLineEdit*>("Edt_MemberName")->text();
        });
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(shownName, QStringLiteral("title"));

        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(library.bench.prompts.confirmations,
                 QStringList{"删除提示: 确定删除Book类的成员title吗?"});
        QCOMPARE(memberNames(library.book), QStringList{"code"});
    }

    // Insert, the name, Alt+N: saved, and the dialog waits for the next member with the focus in
    // the name; the next name and Enter save it and close the dialog.
    void saveAndContinueEntersOneMemberAfterAnother() {
        Library library;
        showActive(&library.window);
        library.bench.members()->setFocus();
        QStringList namesAfterFirst;
        QString focusAfterFirst;
        pressInNextDialog(Qt::Key_unknown, [&](QWidget* dialog) {
            QTest::keyClicks(QApplication::focusWidget(), "isbn");
            QTest::keyClick(dialog, Qt::Key_N, Qt::AltModifier);
            namesAfterFirst = memberNames(library.book);
            focusAfterFirst = QApplication::focusWidget()->objectName() + "=" +
                              dialog->findChild<QLineEdit*>("Edt_MemberName")->text();
            QTest::keyClicks(QApplication::focusWidget(), "title");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QTest::keyClick(library.bench.members(), Qt::Key_Insert);
        QCOMPARE(namesAfterFirst, (QStringList{"code", "isbn"}));
        QCOMPARE(focusAfterFirst, QStringLiteral("Edt_MemberName="));
        QCOMPARE(memberNames(library.book), (QStringList{"code", "isbn", "title"}));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(library.bench.prompts.messages, QStringList());
        QCOMPARE(library.bench.said().size(), 2);
    }

    // An access key ticks its box at once: Enter right after it saves the ticked box.
    void aCheckBoxKeyCountsAtOnce() {
        Library library;
        showActive(&library.window);
        library.bench.selectRows({0});
        library.bench.members()->setFocus();
        pressInNextDialog(Qt::Key_unknown, [](QWidget* dialog) {
            QTest::keyClick(dialog, Qt::Key_Q, Qt::AltModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QTest::keyClick(library.bench.members(), Qt::Key_Return);
        QCOMPARE(TMemberDAO().GetMember(library.code)->queryFlag, 1);
    }

    // Captions show whole: every box and input dialog leaves room beside its caption for the
    // title bar's icon and buttons, however short its text.
    void boxesAreWideEnoughForTheirCaption() {
        TDesktopPrompts prompts;
        const QString caption = kAppTitle;
        const std::function<void()> boxes[] = {
            [&] { prompts.Confirm(nullptr, "?", caption); },
            [&] { prompts.AskText(nullptr, caption, "名称:", QString()); },
            [&] { prompts.Message(nullptr, "!"); },
        };
        for (const auto& show : boxes) {
            int room = 0;
            pressInNextDialog(Qt::Key_Escape, [&room](QWidget* dialog) {
                room = dialog->width() -
                       dialog->fontMetrics().horizontalAdvance(dialog->windowTitle());
            });
            show();
            QVERIFY2(room > 150, qPrintable(QString::number(room)));
        }
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
