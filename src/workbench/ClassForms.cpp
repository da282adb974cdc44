#include "workbench/ClassForms.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "store/ClassDAO.h"
#include "workbench/UserPrompts.h"

namespace {

constexpr int kEditLeft = 112;
constexpr int kEditWidth = 137;

const TClassFormLayout kAddLayout{QT_TRANSLATE_NOOP("TClassForm", "添加类"),
                                  269,
                                  218,
                                  QT_TRANSLATE_NOOP("TClassForm", "类英文名称(&C):        "),
                                  22,
                                  QT_TRANSLATE_NOOP("TClassForm", "中文友好名称(&F):         "),
                                  19,
                                  144,
                                  {36, 176, 90},
                                  {144, 176, 90}};
const TClassFormLayout kUpdateLayout{QT_TRANSLATE_NOOP("TClassForm", "类更新"),
                                     286,
                                     241,
                                     QT_TRANSLATE_NOOP("TClassForm", "类英文名称(&C):       "),
                                     20,
                                     QT_TRANSLATE_NOOP("TClassForm", "中文友好名称(&F):        "),
                                     15,
                                     136,
                                     {40, 184, 90},
                                     {156, 184, 90}};

}  // namespace

TClassForm::TClassForm(TFormOwner* owner, const TClassFormLayout& layout)
    : QDialog(owner->DialogParent()), owner_(owner) {
    SetUpFixedDialog(this, tr(layout.caption), layout.width, layout.height);
    Edt_ClassName = PlaceLineEdit(this, "Edt_ClassName", {kEditLeft, 29, kEditWidth});
    PlaceBuddyLabel(this, tr(layout.classLabel), layout.classLabelLeft, 32, Edt_ClassName)
        ->setObjectName(QStringLiteral("Label1"));
    Edt_FriendName = PlaceLineEdit(this, "Edt_FriendName", {kEditLeft, 91, kEditWidth});
    PlaceBuddyLabel(this, tr(layout.friendLabel), layout.friendLabelLeft, 96, Edt_FriendName)
        ->setObjectName(QStringLiteral("Label2"));
    CB_FrontShowFlag = PlaceCheckBox(this, "CB_FrontShowFlag", tr("是否前台显示(&S)"),
                                     {kEditLeft, layout.flagTop, kEditWidth});
    QPushButton* save = PlaceButton(this, "Button1", tr("确定"), layout.okButton);
    QPushButton* cancel = PlaceButton(this, "Button2", tr("取消"), layout.cancelButton);
    SetUpDialogButtons(this, save, cancel);
    OrderTabsByPlace(this);
    connect(save, &QPushButton::clicked, this, &TClassForm::Save);
}

void TClassForm::Save() {
    TUserPrompts& prompts = owner_->Prompts();
    RunGuarded(prompts, this, [&] {
        const TClassRecord entered{classId_, Edt_ClassName->text(), Edt_FriendName->text(),
                                   CB_FrontShowFlag->isChecked() ? 1 : 0};
        const TCommandResult result = Store(entered);
        if (result.done) {
            ShowSaved(entered);
        }
        prompts.Message(this, result.message);
        if (result.done) {
            accept();
        }
    });
}

TAddClassForm::TAddClassForm(TFormOwner* owner) : TClassForm(owner, kAddLayout) {
    setObjectName(QStringLiteral("AddClassForm"));
}

TCommandResult TAddClassForm::Store(const TClassRecord& entered) {
    return TProjectCommands().AddClass(owner_->SelectedProjectId(), entered);
}

void TAddClassForm::ShowSaved(const TClassRecord&) {
    owner_->LoadClasses(owner_->SelectedProjectId());
}

TUpdateClassForm::TUpdateClassForm(TFormOwner* owner, qint32 classId)
    : TClassForm(owner, kUpdateLayout) {
    classId_ = classId;
    setObjectName(QStringLiteral("UpdateClassForm"));
    const TClassDAO classes;
    Edt_FriendName->setText(classes.GetFriendName(classId));
    CB_FrontShowFlag->setChecked(classes.GetFrontShowFlag(classId) == 1);
    Edt_ClassName->setText(owner->SelectedClassName());
}

TCommandResult TUpdateClassForm::Store(const TClassRecord& entered) {
    return TProjectCommands().UpdateClass(owner_->SelectedProjectId(), entered);
}

void TUpdateClassForm::ShowSaved(const TClassRecord& saved) {
    owner_->RenameSelectedClass(saved.className);
}
