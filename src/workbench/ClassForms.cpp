#include "workbench/ClassForms.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "generation/ModelChecks.h"
#include "store/ClassDAO.h"
#include "workbench/FormStyle.h"
#include "workbench/MainForm.h"

namespace {

constexpr int kEditLeft = 112;
constexpr int kEditWidth = 137;

const TClassFormLayout kAddLayout{"添加类",
                                  269,
                                  218,
                                  "类英文名称(&C):        ",
                                  22,
                                  "中文友好名称(&F):         ",
                                  19,
                                  144,
                                  {36, 176, 90},
                                  {144, 176, 90}};
const TClassFormLayout kUpdateLayout{"类更新",
                                     286,
                                     241,
                                     "类英文名称(&C):       ",
                                     20,
                                     "中文友好名称(&F):        ",
                                     15,
                                     136,
                                     {40, 184, 90},
                                     {156, 184, 90}};

bool StartsWithUpperAsciiLetter(const QString& text) {
    return !text.isEmpty() && text[0] >= u'A' && text[0] <= u'Z';
}

}  // namespace

TClassForm::TClassForm(TFormMain* owner, const TClassFormLayout& layout)
    : QDialog(owner), owner_(owner) {
    SetUpFixedDialog(this, QString::fromUtf8(layout.caption), layout.width, layout.height);
    Edt_ClassName = PlaceLineEdit(this, "Edt_ClassName", {kEditLeft, 29, kEditWidth});
    PlaceBuddyLabel(this, QString::fromUtf8(layout.classLabel), layout.classLabelLeft, 32,
                    Edt_ClassName)
        ->setObjectName(QStringLiteral("Label1"));
    Edt_FriendName = PlaceLineEdit(this, "Edt_FriendName", {kEditLeft, 91, kEditWidth});
    PlaceBuddyLabel(this, QString::fromUtf8(layout.friendLabel), layout.friendLabelLeft, 96,
                    Edt_FriendName)
        ->setObjectName(QStringLiteral("Label2"));
    CB_FrontShowFlag = PlaceCheckBox(this, "CB_FrontShowFlag", QStringLiteral("是否前台显示(&S)"),
                                     {kEditLeft, layout.flagTop, kEditWidth});
    QPushButton* save = PlaceButton(this, "Button1", QStringLiteral("确定"), layout.okButton);
    QPushButton* cancel = PlaceButton(this, "Button2", QStringLiteral("取消"), layout.cancelButton);
    SetUpDialogButtons(this, save, cancel);
    OrderTabsByPlace(this);
    connect(save, &QPushButton::clicked, this, &TClassForm::Save);
}

qint32 TClassForm::FrontShowFlag() const {
    return CB_FrontShowFlag->isChecked() ? 1 : 0;
}

QString TClassForm::BrokenRule() const {
    return CheckClassEntry(
               ReadProjectContents(owner_->SelectedProjectId(), QString()),
               {classId_, Edt_ClassName->text(), Edt_FriendName->text(), FrontShowFlag()})
        .message;
}

void TClassForm::Save() {
    TUserPrompts& prompts = owner_->Prompts();
    RunGuarded(prompts, this, [&] {
        QString failure = FailedCheck();
        if (failure.isEmpty()) {
            failure = BrokenRule();
        }
        if (!failure.isEmpty()) {
            prompts.Message(this, failure);
            return;
        }
        prompts.Message(this, Store());
        accept();
    });
}

TAddClassForm::TAddClassForm(TFormMain* owner) : TClassForm(owner, kAddLayout) {
    setObjectName(QStringLiteral("AddClassForm"));
}

QString TAddClassForm::FailedCheck() const {
    const QString className = Edt_ClassName->text();
    if (className.isEmpty()) {
        return QStringLiteral("类名称不能为空!");
    }
    if (Edt_FriendName->text().isEmpty()) {
        return QStringLiteral("友好名称不能为空");
    }
    if (!StartsWithUpperAsciiLetter(className)) {
        return QStringLiteral("类名首个字母必须大写");
    }
    if (TClassDAO().CountClassesByName(owner_->SelectedProjectId(), className) >= 1) {
        return QStringLiteral("该类名称已经存在!");
    }
    return QString();
}

QString TAddClassForm::Store() {
    const qint32 projectId = owner_->SelectedProjectId();
    TClassDAO().AddClass(projectId, Edt_ClassName->text(), Edt_FriendName->text(), FrontShowFlag());
    owner_->LoadClasses(projectId);
    return QStringLiteral("类名称添加成功！");
}

TUpdateClassForm::TUpdateClassForm(TFormMain* owner, qint32 classId)
    : TClassForm(owner, kUpdateLayout) {
    classId_ = classId;
    setObjectName(QStringLiteral("UpdateClassForm"));
    const TClassDAO classes;
    Edt_FriendName->setText(classes.GetFriendName(classId));
    CB_FrontShowFlag->setChecked(classes.GetFrontShowFlag(classId) == 1);
    Edt_ClassName->setText(owner->SelectedClassName());
}

QString TUpdateClassForm::FailedCheck() const {
    const QString className = Edt_ClassName->text();
    if (className.isEmpty()) {
        return QStringLiteral("类名称不能为空");
    }
    if (!StartsWithUpperAsciiLetter(className)) {
        return QStringLiteral("类名首个字母必须大写");
    }
    if (Edt_FriendName->text().isEmpty()) {
        return QStringLiteral("友好名称不能为空");
    }
    return QString();
}

QString TUpdateClassForm::Store() {
    TClassDAO().UpdateClass(owner_->SelectedProjectId(), classId_, Edt_ClassName->text(),
                            Edt_FriendName->text(), FrontShowFlag());
    owner_->RenameSelectedClass(Edt_ClassName->text());
    return QStringLiteral("类名称更新成功");
}
