// The main window's commands on projects, classes, members and model files. The view asks for
// what the command needs and shows its answer; the commands check and write in the store.

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QTableWidget>
#include <algorithm>

#include "store/ClassDAO.h"
#include "store/ModelFile.h"
#include "store/ProjectDAO.h"
#include "workbench/ClassForms.h"
#include "workbench/MainForm.h"
#include "workbench/MemberForms.h"

void TFormMain::NewProject() {
    Guarded([this] {
        const std::optional<QString> name =
            prompts_->AskText(this, tr("新建项目"), tr("请输入工程名称:"), QString());
        if (!name) {
            return;
        }
        const TCommandResult result = TProjectCommands().NewProject(*name);
        if (!result.done) {
            Report(result);
            return;
        }
        LoadProjects(result.id);
        Log(tr("%1 %2").arg(result.message, *name));
    });
}

void TFormMain::RenameProject() {
    Guarded([this] {
        if (!Require(SelectedProjectId() >= 0, tr("当前未有任何项目被选中!"))) {
            return;
        }
        const QString shownName = CB_Project->currentText();
        const std::optional<QString> name =
            prompts_->AskText(this, tr("修改项目名称"), tr("请输入项目名称:"), shownName);
        if (!name) {
            return;
        }
        const TCommandResult result =
            TProjectCommands().RenameProject(SelectedProjectId(), shownName, *name);
        if (!result.done) {
            Report(result);
            return;
        }
        Reload();
        Log(tr("%1 %2").arg(result.message, *name));
    });
}

void TFormMain::DeleteProject() {
    Guarded([this] {
        if (!Require(SelectedProjectId() >= 0, tr("未有任何项目被选中!"))) {
            return;
        }
        const QString name = CB_Project->currentText();
        if (!prompts_->Confirm(this, tr("确认删除项目\"%1\"及其全部类和成员吗?").arg(name),
                               tr("删除提示"), TDefaultAnswer::Cancel)) {
            return;
        }
        if (Report(TProjectCommands().DeleteProject(SelectedProjectId(), name))) {
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

QStringList TFormMain::ReferringClasses(const QString& className) const {
    QStringList referring;
    for (const TClassContents& cls : ReadProjectContents(SelectedProjectId(), QString()).classes) {
        const bool refers =
            std::any_of(cls.members.begin(), cls.members.end(),
                        [&](const TMember& m) { return m.memberType == className; });
        if (refers && cls.className != className) {
            referring.append(cls.className);
        }
    }
    return referring;
}

void TFormMain::DeleteClass() {
    Guarded([this] {
        if (!Require(SelectedClassId() >= 0, tr("没有类被选中!"))) {
            return;
        }
        const std::optional<TClassRecord> shown = TClassDAO().GetClass(SelectedClassId());
        if (!shown) {
            Report(TCommandResult::Stale(tr("该类已不存在，请重新选择!")));
            return;
        }
        QString question =
            tr("确认删除类%1(%2)及其全部成员吗?").arg(shown->className, shown->friendName);
        const QStringList referring = ReferringClasses(shown->className);
        if (!referring.isEmpty()) {
            question +=
                QLatin1Char('\n') +
                tr("类%1有成员引用该类，删除后这些引用无法生成!").arg(referring.join(tr("、")));
        }
        if (!prompts_->Confirm(this, question, tr("提示"), TDefaultAnswer::Cancel)) {
            return;
        }
        if (Report(TProjectCommands().DeleteClass(*shown))) {
            Reload();
        }
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

// The selected members go after one confirmation naming them; the row after them is selected.
void TFormMain::DeleteMember() {
    Guarded([this] {
        const QList<int> rows = SelectedMemberRows();
        if (!Require(!rows.isEmpty(), tr("请先选择一个成员"))) {
            return;
        }
        QList<TMember> shown;
        QStringList names;
        for (int row : rows) {
            shown.append(shownMembers_[row]);
            names.append(shownMembers_[row].memberName);
        }
        if (!prompts_->Confirm(
                this, tr("确定删除%1类的成员%2吗?").arg(SelectedClassName(), names.join(tr("、"))),
                tr("删除提示"), TDefaultAnswer::Cancel)) {
            return;
        }
        const qint32 classId = SelectedClassId();
        const int next = rows.last() + 1 - rows.size();
        if (Report(TProjectCommands().DeleteMembers(shown))) {
            LoadMembers(classId);
            const int count = int(shownMembers_.size());
            if (count > 0) {
                LoadMembers(classId, {MemberIdAt(std::min(next, count - 1))});
            }
        }
    });
}

void TFormMain::ExchangeMembers() {
    Guarded([this] {
        const QList<int> rows = SelectedMemberRows();
        if (!Require(rows.size() == 2, tr("请选中2条记录!"))) {
            return;
        }
        const QList<qint32> ids{MemberIdAt(rows[0]), MemberIdAt(rows[1])};
        if (Report(TProjectCommands().ExchangeMembers(shownMembers_[rows[0]],
                                                      shownMembers_[rows[1]]))) {
            LoadMembers(SelectedClassId(), ids);
        }
    });
}

void TFormMain::MoveMemberUp() {
    SwapWithNeighbour(-1, tr("第一个成员无法上移了！"));
}

void TFormMain::MoveMemberDown() {
    SwapWithNeighbour(1, tr("最后一个成员无法下移了！"));
}

// Exchanges the selected member with the row above (offset -1) or below (offset 1); the moved
// member stays selected in its new row.
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
        const qint32 neighbourId = MemberIdAt(neighbour);
        if (Report(TProjectCommands().ExchangeMembers(shownMembers_[rows.first()],
                                                      shownMembers_[neighbour]))) {
            LoadMembers(SelectedClassId(), {neighbourId});
        }
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
        LoadProjects(result.projectId);
        Message(ModelImportedText(project, result));
    });
}
