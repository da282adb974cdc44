// The main window's menus: the main menu and the member table's context menu.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "workbench/MainForm.h"

namespace {

const QString kKeepEditsKey = QStringLiteral("generation/keepEdits");

}  // namespace

QAction* TFormMain::AddCommand(QMenu* menu, const QString& caption, void (TFormMain::*command)()) {
    QAction* action = menu->addAction(caption);
    connect(action, &QAction::triggered, this, command);
    return action;
}

void TFormMain::BuildMenus() {
    QMenu* project = menuBar()->addMenu(tr("项目操作(&P)"));
    AddCommand(project, tr("新建项目(&F)"), &TFormMain::NewProject);
    AddCommand(project, tr("修改项目名称(&X)"), &TFormMain::RenameProject);
    AddCommand(project, tr("删除当前项目(&D)"), &TFormMain::DeleteProject);
    AddCommand(project, tr("添加类(&A)"), &TFormMain::AddClass);
    AddCommand(project, tr("修改类名(&B)"), &TFormMain::EditClass);
    AddCommand(project, tr("删除类(&S)"), &TFormMain::DeleteClass);
    AddCommand(project, tr("添加成员(&M)"), &TFormMain::AddMember);
    AddCommand(project, tr("修改成员属性(&E)"), &TFormMain::EditMember);
    AddCommand(project, tr("删除成员(&C)"), &TFormMain::DeleteMember);
    AddCommand(project, tr("交换成员(&G)"), &TFormMain::ExchangeMembers);
    AddCommand(project, tr("成员上移(&U)"), &TFormMain::MoveMemberUp);
    AddCommand(project, tr("成员下移(&L)"), &TFormMain::MoveMemberDown);
    project->addSeparator();
    AddCommand(project, tr("导出模型(&O)..."), &TFormMain::ExportModel);
    AddCommand(project, tr("导入模型(&I)..."), &TFormMain::ImportModel);
    project->addSeparator();
    QAction* reload = project->addAction(tr("刷新(&R)"));
    reload->setShortcut(Qt::Key_F5);
    connect(reload, &QAction::triggered, this, [this] { Guarded([this] { Reload(); }); });

    QMenu* code = menuBar()->addMenu(tr("代码管理(&A)"));
    AddCommand(code, tr("设置包名(&P)"), &TFormMain::SetPackageName);
    KeepEdits = code->addAction(tr("保留手工修改(&K)"));
    KeepEdits->setObjectName(QStringLiteral("KeepEdits"));
    KeepEdits->setCheckable(true);
    KeepEdits->setChecked(Settings().value(kKeepEditsKey, true).toBool());
    connect(KeepEdits, &QAction::toggled, this,
            [this](bool checked) { Settings().setValue(kKeepEditsKey, checked); });
    A1 = AddCommand(code, tr("自动生成代码(&A)"), &TFormMain::Generate);
    A1->setObjectName(QStringLiteral("A1"));
    GenerateServerAction = AddCommand(code, tr("生成服务端代码(&S)"), &TFormMain::GenerateServer);
    GenerateServerAction->setObjectName(QStringLiteral("GenerateServer"));

    QMenu* help = menuBar()->addMenu(tr("帮助(&H)"));
    AddCommand(help, tr("用户指南(&G)"), &TFormMain::OpenHomePage)->setShortcut(Qt::Key_F1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    AddCommand(PopupMenu1, tr("添加成员(&A)"), &TFormMain::AddMember);
    AddCommand(PopupMenu1, tr("修改成员(&M)"), &TFormMain::EditMember);
    AddCommand(PopupMenu1, tr("删除成员(&D)"), &TFormMain::DeleteMember);
    AddCommand(PopupMenu1, tr("成员交换(&E)"), &TFormMain::ExchangeMembers);
    AddCommand(PopupMenu1, tr("成员上移(&U)"), &TFormMain::MoveMemberUp);
    AddCommand(PopupMenu1, tr("成员下移(&L)"), &TFormMain::MoveMemberDown);
}
