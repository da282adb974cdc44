#include "workbench/MainForm.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "store/ClassDAO.h"
#include "store/MemberDAO.h"
#include "store/ProjectDAO.h"
#include "workbench/FormStyle.h"

namespace {

constexpr int kClientWidth = 841;
constexpr int kClientHeight = 560;
constexpr int kBannerHeight = 97;
constexpr int kProgressHeight = 157;

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
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    ApplyDialogFont(this);
    BuildControls();
    BuildMenus();
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5000);
    connect(Timer1, &QTimer::timeout, this, [this] {
        Timer1->stop();
        OpenHomePage();
    });
    Timer1->start();

    Guarded([this] { LoadProjects(); });
}

// A run still in progress stops after the file it is writing; its remaining lines and notices
// are dropped, as no window is left to show them.
TFormMain::~TFormMain() {
    StopRun();
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
    column->addWidget(BuildWorkArea(), 1);
    column->addWidget(BuildProgressArea());
}

// The project drop-down above the class list on the left, the member table on the right.
QWidget* TFormMain::BuildWorkArea() {
    auto* work = new QGroupBox(tr("项目操作区"));
    work->setObjectName(QStringLiteral("GroupBox1"));

    CB_Project = new QComboBox(work);
    CB_Project->setObjectName(QStringLiteral("CB_Project"));
    CB_Project->setFixedWidth(145);
    connect(CB_Project, &QComboBox::activated, this, &TFormMain::ProjectChosen);

    auto* classCaption = new QLabel(tr("该项目所有类如下:"), work);
    classCaption->setObjectName(QStringLiteral("Label2"));

    LB_Object = new QListWidget(work);
    LB_Object->setObjectName(QStringLiteral("LB_Object"));
    LB_Object->setFixedSize(151, 224);
    LB_Object->viewport()->installEventFilter(this);
    ConnectClassList();

    BuildMemberTable(work);

    auto* pickers = new QVBoxLayout;
    pickers->setContentsMargins(5, 0, 0, 0);
    pickers->setSpacing(7);
    pickers->addWidget(CB_Project);
    pickers->addWidget(classCaption);
    auto* classColumn = new QVBoxLayout;
    classColumn->setSpacing(0);
    classColumn->addLayout(pickers);
    classColumn->addStretch(1);
    classColumn->addWidget(LB_Object);
    auto* row = new QHBoxLayout(work);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addLayout(classColumn);
    row->addWidget(LV_Member, 0, Qt::AlignTop);
    row->addStretch(1);
    return work;
}

void TFormMain::BuildMemberTable(QWidget* parent) {
    LV_Member = new QTableWidget(0, std::size(kMemberColumns), parent);
    LV_Member->setObjectName(QStringLiteral("LV_Member"));
    LV_Member->setFixedSize(681, 289);
    LV_Member->setShowGrid(true);
    LV_Member->setSelectionBehavior(QAbstractItemView::SelectRows);
    LV_Member->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LV_Member->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LV_Member->verticalHeader()->hide();
    LV_Member->verticalHeader()->setDefaultSectionSize(18);
    LV_Member->horizontalHeader()->setMinimumSectionSize(1);
    LV_Member->horizontalHeader()->setHighlightSections(false);
    for (int column = 0; column < LV_Member->columnCount(); ++column) {
        LV_Member->setHorizontalHeaderItem(
            column, new QTableWidgetItem(tr(kMemberColumns[column].caption)));
        LV_Member->setColumnWidth(column, kMemberColumns[column].width);
    }
    LV_Member->viewport()->installEventFilter(this);
    LV_Member->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(LV_Member, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopupMenu1->popup(LV_Member->viewport()->mapToGlobal(at));
    });
}

QWidget* TFormMain::BuildProgressArea() {
    auto* progress = new QGroupBox(tr("生成进度"));
    progress->setObjectName(QStringLiteral("GroupBox2"));
    progress->setFixedHeight(kProgressHeight);
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

void TFormMain::OpenHomePage() {
    prompts_->OpenUrl(QUrl::fromLocalFile(QDir(appFolder_).filePath(kGuidePath)));
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
    return result.done;
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

void TFormMain::RenameSelectedClass(const QString& className) {
    if (QListWidgetItem* item = LB_Object->currentItem()) {
        item->setText(className);
    }
}

void TFormMain::LoadProjects() {
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
    const bool remembered =
        rememberedProjectIndex_ >= 0 && rememberedProjectIndex_ < projects.size();
    CB_Project->setCurrentIndex(remembered ? rememberedProjectIndex_ : 0);
    LoadClasses(SelectedProjectId());
}

void TFormMain::LoadClasses(qint32 projectId) {
    const TEntryList classes = TClassDAO().ListClasses(projectId);
    const QSignalBlocker blocker(LB_Object);
    LB_Object->clear();
    ClearMembers();
    for (const TEntry& entry : classes) {
        auto* item = new QListWidgetItem(entry.name, LB_Object);
        item->setData(Qt::UserRole, entry.id);
    }
    if (!classes.isEmpty()) {
        LB_Object->setCurrentRow(0);
        LoadMembers(classes.first().id);
    }
}

void TFormMain::LoadMembers(qint32 classId) {
    const TMemberList members = TMemberDAO().ListMembers(classId);
    ClearMembers();
    LV_Member->setRowCount(members.size());
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
    }
    LV_Member->clearSelection();
}

void TFormMain::ClearMembers() {
    LV_Member->clearSelection();
    LV_Member->setRowCount(0);
}

void TFormMain::ReloadMembers() {
    const qint32 classId = SelectedClassId();
    if (classId < 0) {
        ClearMembers();
    } else {
        LoadMembers(classId);
    }
}

QList<int> TFormMain::SelectedMemberRows() const {
    QList<int> rows;
    for (const QModelIndex& index : LV_Member->selectionModel()->selectedRows()) {
        rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

qint32 TFormMain::MemberIdAt(int row) const {
    return LV_Member->item(row, 0)->text().toInt();
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
