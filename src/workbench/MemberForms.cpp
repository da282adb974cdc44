#include "workbench/MemberForms.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "store/ClassDAO.h"
#include "store/MemberDAO.h"
#include "store/MemberType.h"
#include "workbench/UserPrompts.h"

namespace {

// The places of the controls, the same in the add and edit dialogs.
constexpr int kWidth = 377;
constexpr int kHeight = 395;
constexpr TPlace kName{120, 32, 209};
constexpr TPlace kType{120, 80, 209};
constexpr TPlace kMustFlag{191, 170, 89};
constexpr TPlace kOkButton{43, 334, 81};
constexpr TPlace kNextButton{136, 334, 105};
constexpr TPlace kCancelButton{253, 334, 81};
constexpr TPlace kComment{113, 278, 209};
constexpr TPlace kQueryFlag{38, 214, 121};
constexpr TPlace kKeyFlag{39, 177, 81};
constexpr TPlace kLength{120, 128, 81};
constexpr TPlace kDisplayFlag{39, 245, 129};
constexpr TPlace kQueryDisplayFlag{192, 212, 137};
constexpr TPlace kAndroidDisplayFlag{192, 245, 193};

const char* const kAddCaption = QT_TRANSLATE_NOOP("TMemberForm", "添加成员属性");
const char* const kUpdateCaption = QT_TRANSLATE_NOOP("TMemberForm", "更新成员属性");

// Labels stand this far left of the box they name.
constexpr int kLabelOffset = 88;

qint32 Flag(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

}  // namespace

TMemberForm::TMemberForm(TFormOwner* owner, Purpose purpose)
    : QDialog(owner->DialogParent()),
      owner_(owner),
      purpose_(purpose),
      projectId_(owner->SelectedProjectId()),
      classId_(owner->SelectedClassId()),
      className_(owner->SelectedClassName()) {
    SetUpFixedDialog(this, QString(), kWidth, kHeight);
    ShowCaption();
    setWindowIcon(QIcon(QStringLiteral(":/quillmere.png")));
    BuildControls();
    FillTypeList();
}

void TMemberForm::ShowCaption() {
    const char* caption = purpose_ == Purpose::Add ? kAddCaption : kUpdateCaption;
    SetFixedDialogCaption(this, tr("%1 - %2类").arg(tr(caption), className_), kWidth);
}

// Creates the controls, their labels, and the tab order of their places.
void TMemberForm::BuildControls() {
    Edt_MemberName = PlaceLineEdit(this, "Edt_MemberName", kName);
    CB_MemberType = new QComboBox(this);
    CB_MemberType->setObjectName(QStringLiteral("CB_MemberType"));
    CB_MemberType->setGeometry(kType.left, kType.top, kType.width, 21);
    CB_MemberIsMust = PlaceCheckBox(this, "CB_MemberIsMust", tr("是否必填(&M)"), kMustFlag);
    QPushButton* save = PlaceButton(this, "Button1", tr("确定"), kOkButton);
    QPushButton* next = PlaceButton(this, "Button3", tr("保存并继续(&N)"), kNextButton);
    QPushButton* cancel = PlaceButton(this, "Button2", tr("取消"), kCancelButton);
    Edt_MemberComment = PlaceLineEdit(this, "Edt_MemberComment", kComment);
    CB_QueryFlag = PlaceCheckBox(this, "CB_QueryFlag", tr("是否参与查询(&Q)"), kQueryFlag);
    CB_MemberIsPri = PlaceCheckBox(this, "CB_MemberIsPri", tr("是否主键(&K)"), kKeyFlag);
    Edt_MemberLength = PlaceLineEdit(this, "Edt_MemberLength", kLength);
    CB_MemberIsDisplay =
        PlaceCheckBox(this, "CB_MemberIsDisplay", tr("下拉框显示字段(&D)"), kDisplayFlag);
    CB_MemberQueryDisplay =
        PlaceCheckBox(this, "CB_MemberQueryDisplay", tr("查询界面是否显示(&S)"), kQueryDisplayFlag);
    CB_AndroidDisplay =
        PlaceCheckBox(this, "CB_AndroidDisplay", tr("安卓列表页是否显示(&P)"), kAndroidDisplayFlag);

    PlaceBuddyLabel(this, tr("成员名称(&A)："), kName.left - kLabelOffset, kName.top + 3,
                    Edt_MemberName);
    PlaceBuddyLabel(this, tr("成员类型(&T)："), kType.left - kLabelOffset, kType.top + 3,
                    CB_MemberType);
    PlaceBuddyLabel(this, tr("长度(&L)： "), kLength.left - kLabelOffset, kLength.top + 3,
                    Edt_MemberLength);
    PlaceLabel(this, tr("(字符串类型有效)     "), kLength.left + kLength.width + 8,
               kLength.top + 3);
    PlaceBuddyLabel(this, tr("成员注释(&C)："), kComment.left - kLabelOffset, kComment.top + 3,
                    Edt_MemberComment);

    SetUpDialogButtons(this, save, cancel);
    next->setAutoDefault(true);
    OrderTabsByPlace(this);
    connect(save, &QPushButton::clicked, this, &TMemberForm::Save);
    connect(next, &QPushButton::clicked, this, &TMemberForm::SaveAndContinue);
    ClearFields();
}

// The five built-in types, then every other class of the project as a reference type.
void TMemberForm::FillTypeList() {
    CB_MemberType->clear();
    CB_MemberType->addItems(OfferedTypeNames());
    for (const TEntry& other : TClassDAO().ListOtherClasses(projectId_, classId_)) {
        CB_MemberType->addItem(other.name);
    }
}

void TMemberForm::ClearFields() {
    Edt_MemberName->clear();
    CB_MemberType->setCurrentIndex(0);
    Edt_MemberLength->setText(QStringLiteral("20"));
    for (QCheckBox* box : findChildren<QCheckBox*>()) {
        box->setChecked(box == CB_MemberQueryDisplay);
    }
    Edt_MemberComment->clear();
}

TMemberEntry TMemberForm::EnteredMember() const {
    TMember member;
    member.memberId = shown_.memberId;
    member.projectId = projectId_;
    member.classId = classId_;
    member.memberName = Edt_MemberName->text();
    member.memberType = CB_MemberType->currentText();
    member.memberIsPri = Flag(CB_MemberIsPri);
    member.memberIsMust = Flag(CB_MemberIsMust);
    member.queryFlag = Flag(CB_QueryFlag);
    member.memberIsDisplay = Flag(CB_MemberIsDisplay);
    member.memberQueryDisplay = Flag(CB_MemberQueryDisplay);
    member.androidDisplay = Flag(CB_AndroidDisplay);
    member.memberComment = Edt_MemberComment->text();
    return {member, Edt_MemberLength->text()};
}

QWidget* TMemberForm::FieldOf(TEntryField field) const {
    switch (field) {
        case TEntryField::MemberName:
            return Edt_MemberName;
        case TEntryField::Type:
            return CB_MemberType;
        case TEntryField::Length:
            return Edt_MemberLength;
        case TEntryField::Key:
            return CB_MemberIsPri;
        case TEntryField::Must:
            return CB_MemberIsMust;
        case TEntryField::Query:
            return CB_QueryFlag;
        case TEntryField::Display:
            return CB_MemberIsDisplay;
        case TEntryField::Comment:
            return Edt_MemberComment;
        default:
            return nullptr;
    }
}

bool TMemberForm::Store() {
    TUserPrompts& prompts = owner_->Prompts();
    bool saved = false;
    RunGuarded(prompts, this, [&] {
        const TMemberEntry entry = EnteredMember();
        const TProjectCommands commands;
        const TCommandResult result = purpose_ == Purpose::Add
                                          ? commands.AddMember(entry)
                                          : commands.UpdateMember(shown_, entry);
        if (!result.done) {
            prompts.Message(this, result.message);
            if (result.stale) {
                owner_->Reload();
                reject();
            } else if (QWidget* field = FieldOf(result.field)) {
                field->setFocus(Qt::OtherFocusReason);
            }
            return;
        }
        owner_->ShowSavedMember(result.id);
        owner_->Log(tr("%1 %2.%3").arg(result.message, className_, entry.member.memberName));
        saved = true;
    });
    return saved;
}

void TMemberForm::Save() {
    if (Store()) {
        accept();
    }
}

void TMemberForm::SaveAndContinue() {
    if (!Store()) {
        return;
    }
    purpose_ = Purpose::Add;
    shown_ = TMember();
    ShowCaption();
    ClearFields();
    Edt_MemberName->setFocus(Qt::OtherFocusReason);
}

TAddMemberForm::TAddMemberForm(TFormOwner* owner) : TMemberForm(owner, Purpose::Add) {
    setObjectName(QStringLiteral("AddMemberForm"));
}

TUpdateMemberForm::TUpdateMemberForm(TFormOwner* owner, qint32 memberId)
    : TMemberForm(owner, Purpose::Update) {
    setObjectName(QStringLiteral("UpdateMemberForm"));
    const std::optional<TMember> member = TMemberDAO().GetMember(memberId);
    if (!member) {
        throw TError(tr("该成员已不存在，请重新选择!"));
    }
    shown_ = *member;
    ShowMember(*member);
}

void TUpdateMemberForm::ShowMember(const TMember& member) {
    Edt_MemberName->setText(member.memberName);
    int typeIndex = CB_MemberType->findText(member.memberType, Qt::MatchExactly);
    if (typeIndex < 0) {
        // A type no longer offered (its class was deleted) stays selectable, so saving keeps it.
        CB_MemberType->addItem(member.memberType);
        typeIndex = CB_MemberType->count() - 1;
    }
    CB_MemberType->setCurrentIndex(typeIndex);
    Edt_MemberLength->setText(QString::number(member.memberLength));
    CB_MemberIsMust->setChecked(member.memberIsMust == 1);
    CB_QueryFlag->setChecked(member.queryFlag == 1);
    CB_MemberIsPri->setChecked(member.memberIsPri == 1);
    CB_MemberIsDisplay->setChecked(member.memberIsDisplay == 1);
    CB_MemberQueryDisplay->setChecked(member.memberQueryDisplay == 1);
    CB_AndroidDisplay->setChecked(member.androidDisplay == 1);
    Edt_MemberComment->setText(member.memberComment);
}
