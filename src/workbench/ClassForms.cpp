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

const TClassFormLayout kAddLayout{
    "添加类", 269, 218, "类英文名称:        ", 22, "中文友好名称:         ", 19, 144, 176};
const TClassFormLayout kUpdateLayout{
    "类更新", 286, 241, "类英文名称:       ", 20, "中文友好名称:        ", 15, 136, 184};

bool StartsWithUpperAsciiLetter(const QString& text) {
    return !text.isEmpty() && text[0] >= u'A' && text[0] <= u'Z';
}

}  // namespace

TClassForm::TClassForm(TFormMain* owner, const TClassFormLayout& layout)
    : QDialog(owner), owner_(owner) {
    SetUpFixedDialog(this, QString::fromUtf8(layout.caption), layout.width, layout.height);
    PlaceLabel(this, QString::fromUtf8(layout.classLabel), layout.classLabelLeft, 32)
        ->setObjectName(QStringLiteral("Label1"));
    Edt_ClassName = PlaceLineEdit(this, "Edt_ClassName", {kEditLeft, 29, kEditWidth});
    PlaceLabel(this, QString::fromUtf8(layout.friendLabel), layout.friendLabelLeft, 96)
        ->setObjectName(QStringLiteral("Label2"));
    Edt_FriendName = PlaceLineEdit(this, "Edt_FriendName", {kEditLeft, 91, kEditWidth});
    CB_FrontShowFlag = PlaceCheckBox(this, "CB_FrontShowFlag", QStringLiteral("是否前台显示"),
                                     {kEditLeft, layout.flagTop, kEditWidth});
    QPushButton* save =
        PlaceButton(this, "Button1", QStringLiteral("确定"), {80, layout.buttonTop, 113});
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
