#include "workbench/MainForm.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "store/ClassDAO.h"
#include "store/DbHelper.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"
#include "workbench/FormStyle.h"

namespace {

constexpr int kBannerHeight = 97;
constexpr int kProgressHeight = 157;
constexpr int kClassListWidth = 151;
constexpr int kClassListHeight = 224;
constexpr int kMemberTableWidth = 681;
constexpr int kMemberTableHeight = 289;
constexpr int kStoreWatchInterval = 1000;  // ms between two looks for changes made elsewhere
constexpr int kGuideDelay = 1000;          // ms from the first start to the guide

const QString kGuideOpenedKey = QStringLiteral("guide/opened");
const QString kWindowGeometryKey = QStringLiteral("window/geometry");

struct TMemberColumn {
    const char* caption;
    int width;
};

const TMemberColumn kMemberColumns[] = {
    {QT_TR_NOOP("编号"), 1},      {QT_TR_NOOP("成员名称"), 90},   {QT_TR_NOOP("成员类型"), 80},
    {QT_TR_NOOP("长度"), 50},     {QT_TR_NOOP("主键"), 40},       {QT_TR_NOOP("必填"), 40},
    {QT_TR_NOOP("参与查询"), 60}, {QT_TR_NOOP("下拉框显示"), 75}, {QT_TR_NOOP("界面显示"), 60},
    {QT_TR_NOOP("手机显示"), 60}, {QT_TR_NOOP("注释"), 120},
};

}  // namespace

TFormMain::TFormMain(const QString& appFolder, TUserPrompts* prompts, QWidget* parent)
    : QMainWindow(parent), appFolder_(appFolder) {
    if (prompts == nullptr) {
        ownPrompts_ = std::make_unique<TDesktopPrompts>();
        prompts = ownPrompts_.get();
    }
    prompts_ = prompts;
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(tr("Quillmere安卓Android代码生成器2.0版"));
    setWindowIcon(QIcon(QStringLiteral(":/quillmere.png")));
    ApplyDialogFont(this);
    BuildControls();
    BuildMenus();
    RestoreWindowSize();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kGuideDelay);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TFormMain::OpenHomePage);
    if (!Settings().value(kGuideOpenedKey, false).toBool()) {
        Timer1->start();
    }

    storeWatch_ = new QTimer(this);
    storeWatch_->setObjectName(QStringLiteral("StoreWatch"));
    connect(storeWatch_, &QTimer::timeout, this, &TFormMain::ReloadIfChanged);
    storeWatch_->start(kStoreWatchInterval);

    Guarded([this] { LoadProjects(); });
}

// A run still in progress stops after the file it is writing; its remaining lines and notices
// are dropped, as no window is left to show them. A window that was shown leaves its size for
// the next start.
TFormMain::~TFormMain() {
    StopRun();
    if (windowHandle() != nullptr) {
        Settings().setValue(kWindowGeometryKey, saveGeometry());
    }
}

// Without a remembered size the window opens at the size its layout asks for.
void TFormMain::RestoreWindowSize() {
    const QByteArray geometry = Settings().value(kWindowGeometryKey).toByteArray();
    if (!geometry.isEmpty()) {
        restoreGeometry(geometry);
    }
}

// The banner on top, the working area, and the progress log at the bottom.
void TFormMain::BuildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Image1 = new QLabel(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedHeight(kBannerHeight);
    Image1->setPixmap(QPixmap(QStringLiteral(":/banner.gif")));
    Image1->setScaledContents(true);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->installEventFilter(this);
    column->addWidget(Image1);
    column->addWidget(BuildWorkArea(), 2);
    column->addWidget(BuildProgressArea(), 1);
}

// The project drop-down above the class list on the left, the member table on the right; the
// class list and the table take the room the window gives.
QWidget* TFormMain::BuildWorkArea() {
    auto* work = new QGroupBox(tr("项目操作区"));
    work->setObjectName(QStringLiteral("GroupBox1"));

    CB_Project = new QComboBox(work);
    CB_Project->setObjectName(QStringLiteral("CB_Project"));
    CB_Project->setMinimumWidth(145);
    connect(CB_Project, &QComboBox::activated, this, &TFormMain::ProjectChosen);
    auto* projectCaption = new QLabel(tr("当前项目(&J):"), work);
    projectCaption->setObjectName(QStringLiteral("Label1"));
    projectCaption->setBuddy(CB_Project);

    LB_Object = new QListWidget(work);
    LB_Object->setObjectName(QStringLiteral("LB_Object"));
    LB_Object->setMinimumSize(kClassListWidth, kClassListHeight);
    LB_Object->viewport()->installEventFilter(this);
    ConnectClassList();
    auto* classCaption = new QLabel(tr("该项目所有类如下(&L):"), work);
    classCaption->setObjectName(QStringLiteral("Label2"));
    classCaption->setBuddy(LB_Object);

    BuildMemberTable(work);

    auto* classColumn = new QVBoxLayout;
    classColumn->setContentsMargins(5, 0, 0, 0);
    classColumn->setSpacing(4);
    classColumn->addWidget(projectCaption);
    classColumn->addWidget(CB_Project);
    classColumn->addWidget(classCaption);
    classColumn->addWidget(LB_Object, 1);
    auto* row = new QHBoxLayout(work);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addLayout(classColumn);
    row->addWidget(LV_Member, 1);
    return work;
}

void TFormMain::BuildMemberTable(QWidget* parent) {
    LV_Member = new QTableWidget(0, std::size(kMemberColumns), parent);
    LV_Member->setObjectName(QStringLiteral("LV_Member"));
    LV_Member->setMinimumSize(kMemberTableWidth, kMemberTableHeight);
    LV_Member->setShowGrid(true);
    LV_Member->setTabKeyNavigation(false);
    LV_Member->setSelectionBehavior(QAbstractItemView::SelectRows);
    LV_Member->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LV_Member->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LV_Member->verticalHeader()->hide();
    LV_Member->verticalHeader()->setDefaultSectionSize(18);
    LV_Member->horizontalHeader()->setMinimumSectionSize(1);
    LV_Member->horizontalHeader()->setHighlightSections(false);
    LV_Member->horizontalHeader()->setStretchLastSection(true);
    for (int column = 0; column < LV_Member->columnCount(); ++column) {
        LV_Member->setHorizontalHeaderItem(
            column, new QTableWidgetItem(tr(kMemberColumns[column].caption)));
        LV_Member->setColumnWidth(column, kMemberColumns[column].width);
    }
    LV_Member->installEventFilter(this);
    LV_Member->viewport()->installEventFilter(this);
    LV_Member->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(LV_Member, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopupMenu1->popup(LV_Member->viewport()->mapToGlobal(at));
    });
}

QWidget* TFormMain::BuildProgressArea() {
    auto* progress = new QGroupBox(tr("生成进度"));
    progress->setObjectName(QStringLiteral("GroupBox2"));
    progress->setMinimumHeight(kProgressHeight);
    Memo_State = new QPlainTextEdit(progress);
    Memo_State->setObjectName(QStringLiteral("Memo_State"));
    Memo_State->setReadOnly(true);
    Memo_State->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette silver = Memo_State->palette();
    silver.setColor(QPalette::Base, QColor(192, 192, 192));
    Memo_State->setPalette(silver);
    auto* progressLayout = new QVBoxLayout(progress);
    progressLayout->setContentsMargins(2, 2, 2, 2);
    progressLayout->addWidget(Memo_State);
    return progress;
}

void TFormMain::ConnectClassList() {
    connect(LB_Object, &QListWidget::currentRowChanged, this, &TFormMain::ClassChosen);
    // A click on the class already chosen reloads its members too; a click that chose another
    // class has loaded them through the row change.
    connect(LB_Object, &QListWidget::itemClicked, this, [this] {
        if (LB_Object->currentRow() == classRowAtPress_) {
            ClassChosen(classRowAtPress_);
        }
    });
    // Like a plain list box, the list keeps its chosen class selected (no Ctrl+click deselect).
    connect(LB_Object, &QListWidget::itemSelectionChanged, this, [this] {
        if (QListWidgetItem* current = LB_Object->currentItem();
            current && !current->isSelected()) {
            current->setSelected(true);
        }
    });
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        OpenHomePage();
    } else if (watched == LB_Object->viewport() && event->type() == QEvent::MouseButtonPress) {
        classRowAtPress_ = LB_Object->currentRow();
    } else if (watched == LV_Member && event->type() == QEvent::KeyPress) {
        const auto* press = static_cast<QKeyEvent*>(event);
        // Ctrl+Tab leaves the table like Tab (the table would move its current cell).
        if (press->modifiers() & Qt::ControlModifier &&
            (press->key() == Qt::Key_Tab || press->key() == Qt::Key_Backtab)) {
            return focusNextPrevChild(press->key() == Qt::Key_Tab);
        }
        if (press->modifiers() == Qt::NoModifier || press->modifiers() == Qt::KeypadModifier) {
            return MemberTableKey(press->key());
        }
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == LV_Member->viewport()) {
            MemberTableDoubleClicked();
            return true;
        }
        if (watched == LB_Object->viewport()) {
            EditClass();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TFormMain::MemberTableKey(int key) {
    switch (key) {
        case Qt::Key_Insert:
            AddMember();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            EditMember();
            return true;
        case Qt::Key_Delete:
            DeleteMember();
            return true;
        default:
            return false;
    }
}

void TFormMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        ReloadIfChanged();
    }
}

void TFormMain::ReloadIfChanged() {
    if (QApplication::activeModalWidget() != nullptr) {
        return;
    }
    try {
        if (TDbHelper().ChangeCount() != loadedChanges_) {
            Reload();
        }
    } catch (const TError&) {
        // An unreadable store is reported by the next command the user gives.
    }
}

// The page opens in the browser; where none can open it, a box says where it is.
void TFormMain::OpenHomePage() {
    Timer1->stop();
    Settings().setValue(kGuideOpenedKey, true);
    const QString path = QDir(appFolder_).absoluteFilePath(kGuidePath);
    if (!prompts_->OpenUrl(QUrl::fromLocalFile(path))) {
        prompts_->Information(
            this,
            tr("没有浏览器能打开用户指南，请自行打开文件:\n%1").arg(QDir::toNativeSeparators(path)),
            tr("用户指南"));
    }
}

void TFormMain::ExecDialog(QDialog& dialog) {
    const QPointer<QWidget> focused = focusWidget();
    dialog.exec();
    activateWindow();
    if (focused) {
        focused->setFocus(Qt::OtherFocusReason);
    }
}

void TFormMain::Message(const QString& text) {
    prompts_->Message(this, text);
}

bool TFormMain::Require(bool selected, const QString& missingText) {
    if (!selected) {
        Message(missingText);
    }
    return selected;
}

bool TFormMain::Report(const TCommandResult& result) {
    if (!result.message.isEmpty()) {
        Message(result.message);
    }
    if (result.stale) {
        Reload();
    }
    return result.done;
}

void TFormMain::Log(const QString& line) {
    Memo_State->appendPlainText(line);
}

qint32 TFormMain::SelectedProjectId() const {
    const int index = CB_Project->currentIndex();
    return index < 0 ? -1 : CB_Project->itemData(index).toInt();
}

qint32 TFormMain::SelectedClassId() const {
    const QListWidgetItem* item = LB_Object->currentItem();
    return item == nullptr ? -1 : item->data(Qt::UserRole).toInt();
}

QString TFormMain::SelectedClassName() const {
    const QListWidgetItem* item = LB_Object->currentItem();
    return item == nullptr ? QString() : item->text();
}

void TFormMain::ShowSavedClass(qint32 classId) {
    LoadClasses(SelectedProjectId(), classId);
}

void TFormMain::ShowSavedMember(qint32 memberId) {
    LoadMembers(SelectedClassId(), {memberId});
}

void TFormMain::Reload() {
    const qint32 classId = SelectedClassId();
    LoadProjects(SelectedProjectId(), classId, SelectedMemberIds());
}

void TFormMain::LoadProjects(std::optional<qint32> projectId, std::optional<qint32> classId,
                             const QList<qint32>& memberIds) {
    loadedChanges_ = TDbHelper().ChangeCount();
    const TEntryList projects = TProjectDAO().ListProjects();
    const QSignalBlocker blocker(CB_Project);
    CB_Project->clear();
    for (const TEntry& project : projects) {
        CB_Project->addItem(project.name, project.id);
    }
    {
        const QSignalBlocker classBlocker(LB_Object);
        LB_Object->clear();
    }
    ClearMembers();
    if (projects.isEmpty()) {
        return;
    }
    const int index = projectId ? CB_Project->findData(*projectId) : -1;
    CB_Project->setCurrentIndex(std::max(index, 0));
    LoadClasses(SelectedProjectId(), index >= 0 ? classId : std::nullopt, memberIds);
}

void TFormMain::LoadClasses(qint32 projectId, std::optional<qint32> classId,
                            const QList<qint32>& memberIds) {
    const TEntryList classes = TClassDAO().ListClasses(projectId);
    const QSignalBlocker blocker(LB_Object);
    LB_Object->clear();
    ClearMembers();
    int current = classes.isEmpty() || classId ? -1 : 0;
    for (const TEntry& entry : classes) {
        auto* item = new QListWidgetItem(entry.name, LB_Object);
        item->setData(Qt::UserRole, entry.id);
        if (classId && entry.id == *classId) {
            current = LB_Object->count() - 1;
        }
    }
    LB_Object->setCurrentRow(current);
    if (current >= 0) {
        LoadMembers(SelectedClassId(), memberIds);
    }
}

void TFormMain::LoadMembers(qint32 classId, const QList<qint32>& memberIds) {
    const TMemberList members = TMemberDAO().ListMembers(classId);
    ClearMembers();
    shownMembers_ = members;
    LV_Member->setRowCount(members.size());
    int current = -1;
    for (int row = 0; row < members.size(); ++row) {
        const TMember& m = members[row];
        const auto flag = [this](qint32 value) { return value == 1 ? tr("是") : tr("否"); };
        const QStringList cells{QString::number(m.memberId),
                                m.memberName,
                                m.memberType,
                                QString::number(m.memberLength),
                                flag(m.memberIsPri),
                                flag(m.memberIsMust),
                                flag(m.queryFlag),
                                flag(m.memberIsDisplay),
                                flag(m.memberQueryDisplay),
                                flag(m.androidDisplay),
                                m.memberComment};
        for (int column = 0; column < cells.size(); ++column) {
            LV_Member->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
        if (memberIds.contains(m.memberId) && current < 0) {
            current = row;
        }
    }
    QItemSelectionModel* selection = LV_Member->selectionModel();
    if (current >= 0) {
        selection->setCurrentIndex(LV_Member->model()->index(current, 1),
                                   QItemSelectionModel::NoUpdate);
        LV_Member->scrollTo(LV_Member->model()->index(current, 1));
    }
    for (int row = 0; row < members.size(); ++row) {
        if (memberIds.contains(members[row].memberId)) {
            selection->select(LV_Member->model()->index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
}

void TFormMain::ClearMembers() {
    LV_Member->clearSelection();
    LV_Member->setRowCount(0);
    shownMembers_.clear();
}

QList<int> TFormMain::SelectedMemberRows() const {
    QList<int> rows;
    for (const QModelIndex& index : LV_Member->selectionModel()->selectedRows()) {
        rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

QList<qint32> TFormMain::SelectedMemberIds() const {
    QList<qint32> ids;
    for (int row : SelectedMemberRows()) {
        ids.append(MemberIdAt(row));
    }
    return ids;
}

qint32 TFormMain::MemberIdAt(int row) const {
    return shownMembers_[row].memberId;
}

void TFormMain::ProjectChosen(int index) {
    ClearMembers();
    if (index >= 0) {
        Guarded([&] { LoadClasses(SelectedProjectId()); });
    }
}

void TFormMain::ClassChosen(int row) {
    if (row >= 0) {
        Guarded([&] { LoadMembers(SelectedClassId()); });
    }
}

void TFormMain::MemberTableDoubleClicked() {
    if (SelectedClassId() >= 0 && SelectedMemberRows().isEmpty()) {
        AddMember();
    } else {
        EditMember();
    }
}
