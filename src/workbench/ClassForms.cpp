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
    : QDialog(owner->DialogParent()), owner_(owner), projectId_(owner->SelectedProjectId()) {
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
        const TClassRecord entered{shown_.classId, Edt_ClassName->text(), Edt_FriendName->text(),
                                   CB_FrontShowFlag->isChecked() ? 1 : 0};
        const TCommandResult result = Store(entered);
        if (result.done) {
            owner_->ShowSavedClass(result.id);
            owner_->Log(tr("%1 %2").arg(result.message, entered.className));
            accept();
            return;
        }
        prompts.Message(this, result.message);
        if (result.stale) {
            owner_->Reload();
            reject();
        } else {
            (result.field == TEntryField::FriendName ? Edt_FriendName : Edt_ClassName)
                ->setFocus(Qt::OtherFocusReason);
        }
    });
}

TAddClassForm::TAddClassForm(TFormOwner* owner) : TClassForm(owner, kAddLayout) {
    setObjectName(QStringLiteral("AddClassForm"));
}

TCommandResult TAddClassForm::Store(const TClassRecord& entered) {
    return TProjectCommands().AddClass(projectId_, entered);
}

TUpdateClassForm::TUpdateClassForm(TFormOwner* owner, qint32 classId)
    : TClassForm(owner, kUpdateLayout) {
    setObjectName(QStringLiteral("UpdateClassForm"));
    const std::optional<TClassRecord> stored = TClassDAO().GetClass(classId);
    if (!stored) {
        throw TError(tr("该类已不存在，请重新选择!"));
    }
    shown_ = *stored;
    Edt_ClassName->setText(shown_.className);
    Edt_FriendName->setText(shown_.friendName);
    CB_FrontShowFlag->setChecked(shown_.frontShowFlag == 1);
}

TCommandResult TUpdateClassForm::Store(const TClassRecord& entered) {
    return TProjectCommands().UpdateClass(projectId_, shown_, entered);
}
