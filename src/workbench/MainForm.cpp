#include "workbench/MainForm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "store/ClassDAO.h"
#include "store/MemberDAO.h"
#include "store/ModelFile.h"
#include "store/ProjectDAO.h"
#include "workbench/ClassForms.h"
#include "workbench/FormStyle.h"
#include "workbench/MemberForms.h"

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
    {"编号", 1},      {"成员名称", 90}, {"成员类型", 80}, {"长度", 50},
    {"主键", 40},     {"必填", 40},     {"参与查询", 60}, {"下拉框显示", 75},
    {"界面显示", 60}, {"手机显示", 60}, {"注释", 120},
};

const QString kModelFileFilter = QStringLiteral("模型文件 (*.json)");
const QString kKeepEditsKey = QStringLiteral("generation/keepEdits");
const QString kNameInUseText = QStringLiteral("该工程名称已经存在!");

QString FlagText(qint32 flag) {
    return flag == 1 ? QStringLiteral("是") : QStringLiteral("否");
}

QStringList MemberCells(const TMember& m) {
    return {QString::number(m.memberId),
            m.memberName,
            m.memberType,
            QString::number(m.memberLength),
            FlagText(m.memberIsPri),
            FlagText(m.memberIsMust),
            FlagText(m.queryFlag),
            FlagText(m.memberIsDisplay),
            FlagText(m.memberQueryDisplay),
            FlagText(m.androidDisplay),
            m.memberComment};
}

}  // namespace

TFormMain::TFormMain(const QString& appFolder, TUserPrompts* prompts, QWidget* parent)
    : QMainWindow(parent), appFolder_(appFolder) {
    if (prompts == nullptr) {
        ownPrompts_ = std::make_unique<TDesktopPrompts>();
        prompts = ownPrompts_.get();
    }
    prompts_ = prompts;
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Quillmere安卓Android代码生成器2.0版"));
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

void TFormMain::StopRun() {
    closing_ = true;
    if (activeRun_) {
        activeRun_->requestInterruption();
    }
    // The run may be waiting for this thread to take a progress line.
    while (activeRun_ && !activeRun_->wait(20)) {
        QCoreApplication::processEvents();
    }
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (activeRun_ && activeRun_->isRunning() &&
        !prompts_->Confirm(this,
                           QStringLiteral("代码正在生成中，停止生成并关闭窗口吗?\n"
                                          "已写入的文件会保留，下次生成该项目时会完成其余文件。"),
                           QStringLiteral("关闭提示"))) {
        event->ignore();
        return;
    }
    StopRun();
    event->accept();
}

void TFormMain::ExecDialog(QDialog& dialog) {
    const QPointer<QWidget> focused = focusWidget();
    dialog.exec();
    activateWindow();
    if (focused) {
        focused->setFocus(Qt::OtherFocusReason);
    }
}

void TFormMain::BuildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    Image1 = new QLabel(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, kClientWidth, kBannerHeight);
    Image1->setPixmap(QPixmap(QStringLiteral(":/banner.gif")));
    Image1->setScaledContents(true);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->installEventFilter(this);

    auto* work = new QGroupBox(QStringLiteral("项目操作区"), client);
    work->setObjectName(QStringLiteral("GroupBox1"));
    work->setGeometry(0, kBannerHeight, kClientWidth,
                      kClientHeight - kBannerHeight - kProgressHeight);

    CB_Project = new QComboBox(work);
    CB_Project->setObjectName(QStringLiteral("CB_Project"));
    CB_Project->setGeometry(8, 18, 145, 21);
    connect(CB_Project, &QComboBox::activated, this, &TFormMain::ProjectChosen);

    auto* classCaption = new QLabel(QStringLiteral("该项目所有类如下:"), work);
    classCaption->setObjectName(QStringLiteral("Label2"));
    classCaption->move(8, 48);

    LB_Object = new QListWidget(work);
    LB_Object->setObjectName(QStringLiteral("LB_Object"));
    LB_Object->setGeometry(2, 80, 151, 224);
    LB_Object->viewport()->installEventFilter(this);
    ConnectClassList();

    LV_Member = new QTableWidget(0, std::size(kMemberColumns), work);
    LV_Member->setObjectName(QStringLiteral("LV_Member"));
    LV_Member->setGeometry(152, 16, 681, 289);
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
            column, new QTableWidgetItem(QString::fromUtf8(kMemberColumns[column].caption)));
        LV_Member->setColumnWidth(column, kMemberColumns[column].width);
    }
    LV_Member->viewport()->installEventFilter(this);
    LV_Member->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(LV_Member, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopupMenu1->popup(LV_Member->viewport()->mapToGlobal(at));
    });

    auto* progress = new QGroupBox(QStringLiteral("生成进度"), client);
    progress->setObjectName(QStringLiteral("GroupBox2"));
    progress->setGeometry(0, kClientHeight - kProgressHeight, kClientWidth, kProgressHeight);
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

QAction* TFormMain::AddCommand(QMenu* menu, const QString& caption, void (TFormMain::*command)()) {
    QAction* action = menu->addAction(caption);
    connect(action, &QAction::triggered, this, command);
    return action;
}

void TFormMain::BuildMenus() {
    QMenu* project = menuBar()->addMenu(QStringLiteral("项目操作(&P)"));
    AddCommand(project, QStringLiteral("新建项目(&F)"), &TFormMain::NewProject);
    AddCommand(project, QStringLiteral("修改项目名称(&X)"), &TFormMain::RenameProject);
    AddCommand(project, QStringLiteral("删除当前项目(&D)"), &TFormMain::DeleteProject);
    AddCommand(project, QStringLiteral("添加类(&A)"), &TFormMain::AddClass);
    AddCommand(project, QStringLiteral("修改类名(&B)"), &TFormMain::EditClass);
    AddCommand(project, QStringLiteral("删除类(&S)"), &TFormMain::DeleteClass);
    AddCommand(project, QStringLiteral("添加成员(&M)"), &TFormMain::AddMember);
    AddCommand(project, QStringLiteral("修改成员属性(&E)"), &TFormMain::EditMember);
    AddCommand(project, QStringLiteral("删除成员(&C)"), &TFormMain::DeleteMember);
    AddCommand(project, QStringLiteral("交换成员(&G)"), &TFormMain::ExchangeMembers);
    AddCommand(project, QStringLiteral("成员上移(&U)"), &TFormMain::MoveMemberUp);
    AddCommand(project, QStringLiteral("成员下移(&L)"), &TFormMain::MoveMemberDown);
    project->addSeparator();
    AddCommand(project, QStringLiteral("导出模型(&O)..."), &TFormMain::ExportModel);
    AddCommand(project, QStringLiteral("导入模型(&I)..."), &TFormMain::ImportModel);

    QMenu* code = menuBar()->addMenu(QStringLiteral("代码管理(&A)"));
    AddCommand(code, QStringLiteral("设置包名(&S)"), &TFormMain::SetPackageName);
    KeepEdits = code->addAction(QStringLiteral("保留手工修改(&K)"));
    KeepEdits->setObjectName(QStringLiteral("KeepEdits"));
    KeepEdits->setCheckable(true);
    KeepEdits->setChecked(Settings().value(kKeepEditsKey, true).toBool());
    connect(KeepEdits, &QAction::toggled, this,
            [this](bool checked) { Settings().setValue(kKeepEditsKey, checked); });
    A1 = AddCommand(code, QStringLiteral("自动生成代码(&A)"), &TFormMain::Generate);
    A1->setObjectName(QStringLiteral("A1"));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    AddCommand(PopupMenu1, QStringLiteral("添加成员(&A)"), &TFormMain::AddMember);
    AddCommand(PopupMenu1, QStringLiteral("修改成员(&M)"), &TFormMain::EditMember);
    AddCommand(PopupMenu1, QStringLiteral("删除成员(&D)"), &TFormMain::DeleteMember);
    AddCommand(PopupMenu1, QStringLiteral("成员交换(&E)"), &TFormMain::ExchangeMembers);
    AddCommand(PopupMenu1, QStringLiteral("成员上移(&U)"), &TFormMain::MoveMemberUp);
    AddCommand(PopupMenu1, QStringLiteral("成员下移(&L)"), &TFormMain::MoveMemberDown);
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

void TFormMain::Message(const QString& text) {
    prompts_->Message(this, text);
}

bool TFormMain::Require(bool selected, const QString& missingText) {
    if (!selected) {
        Message(missingText);
    }
    return selected;
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
        const QStringList cells = MemberCells(members[row]);
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

void TFormMain::NewProject() {
    Guarded([this] {
        const QString name =
            prompts_->GetText(this, QStringLiteral("请输入工程名称"), QString(), QString());
        if (name.isEmpty()) {
            Message(QStringLiteral("工程名称不能为空!"));
            return;
        }
        const TProjectDAO projects;
        if (projects.CountProjectsByName(name) >= 1) {
            Message(kNameInUseText);
            return;
        }
        projects.AddProject(name);
        LoadProjects();
        Message(QStringLiteral("工程名称添加成功！"));
    });
}

void TFormMain::RenameProject() {
    Guarded([this] {
        const int index = CB_Project->currentIndex();
        if (index < 0) {
            Message(QStringLiteral("当前未有任何项目被选中!"));
            return;
        }
        const QString name =
            prompts_->GetText(this, QStringLiteral("请输入项目名称"), QString(), QString());
        if (name.isEmpty()) {
            Message(QStringLiteral("工程项目名称不能为空!"));
            return;
        }
        // Two projects of one name would share, and empty, one output folder.
        const QList<qint32> named = TProjectDAO().FindProjectsByName(name);
        if (!named.isEmpty() && named != QList<qint32>{SelectedProjectId()}) {
            Message(kNameInUseText);
            return;
        }
        TProjectDAO().RenameProject(SelectedProjectId(), name);
        rememberedProjectIndex_ = index;
        Message(QStringLiteral("工程名称修改成功！"));
        LoadProjects();
    });
}

void TFormMain::DeleteProject() {
    Guarded([this] {
        if (!Require(SelectedProjectId() >= 0, QStringLiteral("未有任何项目被选中!"))) {
            return;
        }
        if (!prompts_->Confirm(this, QStringLiteral("确认删除当前项目吗?"),
                               QStringLiteral("删除提示"))) {
            return;
        }
        TProjectDAO().DeleteProject(SelectedProjectId());
        rememberedProjectIndex_ = -1;
        Message(QStringLiteral("删除成功!"));
        LoadProjects();
    });
}

void TFormMain::AddClass() {
    Guarded([this] {
        if (!Require(SelectedProjectId() >= 0, QStringLiteral("当前未有任何项目被选中!"))) {
            return;
        }
        TAddClassForm form(this);
        ExecDialog(form);
    });
}

void TFormMain::EditClass() {
    Guarded([this] {
        if (!Require(SelectedClassId() >= 0, QStringLiteral("没有类被选中!"))) {
            return;
        }
        TUpdateClassForm form(this, SelectedClassId());
        ExecDialog(form);
    });
}

void TFormMain::DeleteClass() {
    Guarded([this] {
        if (!Require(SelectedClassId() >= 0, QStringLiteral("没有类被选中!"))) {
            return;
        }
        if (!prompts_->Confirm(this, QStringLiteral("确认删除此类对象！"),
                               QStringLiteral("提示"))) {
            return;
        }
        TClassDAO().DeleteClass(SelectedClassId());
        {
            const QSignalBlocker blocker(LB_Object);
            delete LB_Object->takeItem(LB_Object->currentRow());
            LB_Object->setCurrentRow(-1);
        }
        ClearMembers();
        Message(QStringLiteral("类对象删除成功!"));
    });
}

void TFormMain::AddMember() {
    Guarded([this] {
        if (!Require(SelectedClassId() >= 0, QStringLiteral("请先选择类对象"))) {
            return;
        }
        TAddMemberForm form(this);
        ExecDialog(form);
    });
}

void TFormMain::EditMember() {
    Guarded([this] {
        const QList<int> rows = SelectedMemberRows();
        if (!Require(!rows.isEmpty(), QStringLiteral("请先选择一个成员"))) {
            return;
        }
        TUpdateMemberForm form(this, MemberIdAt(rows.first()));
        ExecDialog(form);
    });
}

void TFormMain::DeleteMember() {
    Guarded([this] {
        const QList<int> rows = SelectedMemberRows();
        if (!Require(!rows.isEmpty(), QStringLiteral("请先选择一个成员"))) {
            return;
        }
        if (!prompts_->Confirm(this, QStringLiteral("确定删除当前成员属性?"),
                               QStringLiteral("删除提示"))) {
            return;
        }
        TMemberDAO().DeleteMember(MemberIdAt(rows.first()));
        Message(QStringLiteral("成员属性删除成功"));
        ReloadMembers();
    });
}

void TFormMain::ExchangeMembers() {
    Guarded([this] {
        const QList<int> rows = SelectedMemberRows();
        if (rows.size() != 2) {
            Message(QStringLiteral("请选中2条记录!"));
            return;
        }
        TMemberDAO().SwapMembers(MemberIdAt(rows[0]), MemberIdAt(rows[1]));
        ReloadMembers();
    });
}

void TFormMain::MoveMemberUp() {
    SwapWithNeighbour(-1, QStringLiteral("第一个成员无法上移了！"));
}

void TFormMain::MoveMemberDown() {
    SwapWithNeighbour(1, QStringLiteral("最后一个成员无法下移了！"));
}

// Exchanges the selected member with the row above (offset -1) or below (offset 1).
void TFormMain::SwapWithNeighbour(int offset, const QString& atEndText) {
    Guarded([&] {
        const QList<int> rows = SelectedMemberRows();
        if (!Require(!rows.isEmpty(), QStringLiteral("请先选择一个成员"))) {
            return;
        }
        const int neighbour = rows.first() + offset;
        if (neighbour < 0 || neighbour >= LV_Member->rowCount()) {
            Message(atEndText);
            return;
        }
        TMemberDAO().SwapMembers(MemberIdAt(rows.first()), MemberIdAt(neighbour));
        ReloadMembers();
    });
}

void TFormMain::SetPackageName() {
    const QString answer =
        prompts_->GetText(this, QStringLiteral("包名输入框"),
                          QStringLiteral("请输入一个包名如:           "), packageName_);
    if (answer.isEmpty()) {
        Message(QStringLiteral("包名输入不能为空!"));
        return;
    }
    packageName_ = answer;
}

void TFormMain::Generate() {
    if (SelectedProjectId() < 0) {
        Message(QStringLiteral("没有一个工程被选中！"));
        return;
    }
    if (!prompts_->Confirm(this, PreRunText(), kAppTitle)) {
        return;
    }
    Memo_State->clear();
    TRunRequest request;
    request.projectId = SelectedProjectId();
    request.projectName = CB_Project->currentText();
    request.packageName = packageName_;
    request.appFolder = appFolder_;
    request.overwrite = !KeepEdits->isChecked();
    runProjectName_ = request.projectName;
    A1->setEnabled(false);
    activeRun_ = new TAutoCode(request, this, this);
    connect(activeRun_, &QThread::finished, this, [this] { A1->setEnabled(true); });
    activeRun_->start();
}

// Kept edits live in the output folder and its record: deleting the folder would lose them.
QString TFormMain::PreRunText() const {
    if (KeepEdits->isChecked()) {
        return QStringLiteral(
            "已勾选\"保留手工修改\"：你对生成文件所做的修改会保留下来，"
            "请不要删除原来的目录，否则这些修改会丢失!");
    }
    return QStringLiteral("如果以前生成了该项目，最好先删除原来的目录!");
}

void TFormMain::ExportModel() {
    Guarded([this] {
        if (!Require(SelectedProjectId() >= 0, QStringLiteral("当前未有任何项目被选中!"))) {
            return;
        }
        const QString name = CB_Project->currentText();
        const QString path = prompts_->GetSaveFileName(
            this, QStringLiteral("导出模型"), QDir::home().filePath(name + QStringLiteral(".json")),
            kModelFileFilter);
        if (path.isEmpty()) {
            return;
        }
        WriteModelFile(ReadProjectContents(SelectedProjectId(), name), path);
        Message(ModelExportedText(name, path));
    });
}

// A project of the file's name is replaced only when the user confirms it.
void TFormMain::ImportModel() {
    Guarded([this] {
        const QString path =
            prompts_->GetOpenFileName(this, QStringLiteral("导入模型"), kModelFileFilter);
        if (path.isEmpty()) {
            return;
        }
        const TProjectContents project = ReadModelFile(path);
        const bool exists = TProjectDAO().CountProjectsByName(project.projectName) > 0;
        if (exists && !prompts_->Confirm(this,
                                         QStringLiteral("已有名为\"%1\"的项目，替换它的类和成员吗?")
                                             .arg(project.projectName),
                                         QStringLiteral("导入提示"))) {
            return;
        }
        const TImportResult result = ImportProjectModel(project, exists);
        LoadProjects();
        rememberedProjectIndex_ = CB_Project->findData(result.projectId);
        CB_Project->setCurrentIndex(rememberedProjectIndex_);
        LoadClasses(result.projectId);
        Message(ModelImportedText(project, result));
    });
}

void TFormMain::AppendProgress(const QString& line) {
    if (closing_) {
        return;
    }
    Memo_State->appendPlainText(line);
}

void TFormMain::Notice(int message, qint32, const QString& text) {
    if (closing_) {
        return;
    }
    if (message != kNoticeCompleted) {
        Memo_State->appendPlainText(text);
        Message(text);
        return;
    }
    const QString folder =
        QDir(appFolder_).absoluteFilePath(QStringLiteral("projects/") + runProjectName_);
    Memo_State->appendPlainText(QStringLiteral("输出目录: ") + QDir::toNativeSeparators(folder));
    prompts_->Information(this, text, QStringLiteral("任务提示"));
    prompts_->OpenFolder(folder);
}

void TFormMain::Conflicts(const QStringList& files) {
    if (closing_) {
        return;
    }
    Message(files.join(QLatin1Char('\n')));
}

// Settings live in the app folder beside the store.
QSettings TFormMain::Settings() const {
    return QSettings(QDir(appFolder_).filePath(QStringLiteral("quillmere.ini")),
                     QSettings::IniFormat);
}

void TFormMain::RunFailed(const QString& message) {
    if (closing_) {
        return;
    }
    Memo_State->appendPlainText(message);
    Message(message);
}
