// The main window's commands on projects, classes, members and model files. The view asks for
// what the command needs and shows its answer; the commands check and write in the store.

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QTableWidget>

#include "store/ModelFile.h"
#include "store/ProjectDAO.h"
#include "workbench/ClassForms.h"
#include "workbench/MainForm.h"
#include "workbench/MemberForms.h"

void TFormMain::NewProject() {
    Guarded([this] {
        const QString name = prompts_->GetText(this, tr("请输入工程名称"), QString(), QString());
        const TCommandResult result = TProjectCommands().NewProject(name);
        if (result.done) {
            LoadProjects();
        }
        Report(result);
    });
}

void TFormMain::RenameProject() {
    Guarded([this] {
        const int index = CB_Project->currentIndex();
        if (!Require(index >= 0, tr("当前未有任何项目被选中!"))) {
            return;
        }
        const QString name = prompts_->GetText(this, tr("请输入项目名称"), QString(), QString());
        if (Report(TProjectCommands().RenameProject(SelectedProjectId(), name))) {
            rememberedProjectIndex_ = index;
            LoadProjects();
        }
    });
}

void TFormMain::DeleteProject() {
    Guarded([this] {
        if (!Require(SelectedProjectId() >= 0, tr("未有任何项目被选中!")) ||
            !prompts_->Confirm(this, tr("确认删除当前项目吗?"), tr("删除提示"))) {
            return;
        }
        if (Report(TProjectCommands().DeleteProject(SelectedProjectId()))) {
            rememberedProjectIndex_ = -1;
            LoadProjects();
        }
    });
}

void TFormMain::AddClass() {
    Guarded([this] {
        if (Require(SelectedProjectId() >= 0, tr("当前未有任何项目被选中!"))) {
            TAddClassForm form(this);
            ExecDialog(form);
        }
    });
}

void TFormMain::EditClass() {
    Guarded([this] {
        if (Require(SelectedClassId() >= 0, tr("没有类被选中!"))) {
            TUpdateClassForm form(this, SelectedClassId());
            ExecDialog(form);
        }
    });
}

void TFormMain::DeleteClass() {
    Guarded([this] {
        if (!Require(SelectedClassId() >= 0, tr("没有类被选中!")) ||
            !prompts_->Confirm(this, tr("确认删除此类对象！"), tr("提示"))) {
            return;
        }
        const TCommandResult result = TProjectCommands().DeleteClass(SelectedClassId());
        if (result.done) {
            const QSignalBlocker blocker(LB_Object);
            delete LB_Object->takeItem(LB_Object->currentRow());
            LB_Object->setCurrentRow(-1);
            ClearMembers();
        }
        Report(result);
    });
}

void TFormMain::AddMember() {
    Guarded([this] {
        if (Require(SelectedClassId() >= 0, tr("请先选择类对象"))) {
            TAddMemberForm form(this);
            ExecDialog(form);
        }
    });
}

void TFormMain::EditMember() {
    Guarded([this] {
        const QList<int> rows = SelectedMemberRows();
        if (Require(!rows.isEmpty(), tr("请先选择一个成员"))) {
            TUpdateMemberForm form(this, MemberIdAt(rows.first()));
            ExecDialog(form);
        }
    });
}

void TFormMain::DeleteMember() {
    Guarded([this] {
        const QList<int> rows = SelectedMemberRows();
        if (!Require(!rows.isEmpty(), tr("请先选择一个成员")) ||
            !prompts_->Confirm(this, tr("确定删除当前成员属性?"), tr("删除提示"))) {
            return;
        }
        Report(TProjectCommands().DeleteMember(MemberIdAt(rows.first())));
        ReloadMembers();
    });
}

void TFormMain::ExchangeMembers() {
    Guarded([this] {
        const QList<int> rows = SelectedMemberRows();
        if (!Require(rows.size() == 2, tr("请选中2条记录!"))) {
            return;
        }
        Report(TProjectCommands().ExchangeMembers(MemberIdAt(rows[0]), MemberIdAt(rows[1])));
        ReloadMembers();
    });
}

void TFormMain::MoveMemberUp() {
    SwapWithNeighbour(-1, tr("第一个成员无法上移了！"));
}

void TFormMain::MoveMemberDown() {
    SwapWithNeighbour(1, tr("最后一个成员无法下移了！"));
}

// Exchanges the selected member with the row above (offset -1) or below (offset 1).
void TFormMain::SwapWithNeighbour(int offset, const QString& atEndText) {
    Guarded([&] {
        const QList<int> rows = SelectedMemberRows();
        if (!Require(!rows.isEmpty(), tr("请先选择一个成员"))) {
            return;
        }
        const int neighbour = rows.first() + offset;
        if (!Require(neighbour >= 0 && neighbour < LV_Member->rowCount(), atEndText)) {
            return;
        }
        Report(TProjectCommands().ExchangeMembers(MemberIdAt(rows.first()), MemberIdAt(neighbour)));
        ReloadMembers();
    });
}

void TFormMain::ExportModel() {
    Guarded([this] {
        if (!Require(SelectedProjectId() >= 0, tr("当前未有任何项目被选中!"))) {
            return;
        }
        const QString name = CB_Project->currentText();
        const QString path = prompts_->GetSaveFileName(
            this, tr("导出模型"), QDir::home().filePath(name + QStringLiteral(".json")),
            tr("模型文件 (*.json)"));
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
            prompts_->GetOpenFileName(this, tr("导入模型"), tr("模型文件 (*.json)"));
        if (path.isEmpty()) {
            return;
        }
        const TProjectContents project = ReadModelFile(path);
        const bool exists = TProjectDAO().CountProjectsByName(project.projectName) > 0;
        if (exists &&
            !prompts_->Confirm(
                this, tr("已有名为\"%1\"的项目，替换它的类和成员吗?").arg(project.projectName),
                tr("导入提示"))) {
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
