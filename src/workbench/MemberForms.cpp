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

const TMemberFormLayout kAddLayout{
    QT_TRANSLATE_NOOP("TMemberForm", "添加成员属性"),
    377,
    395,
    {120, 32, 209},
    {120, 80, 209},
    {191, 170, 89},
    {90, 334, 81},
    {210, 335, 81},
    {113, 278, 209},
    {38, 214, 121},
    {39, 177, 81},
    {120, 128, 81},
    {39, 245, 129},
    {192, 212, 137},
    {192, 245, 193},
};

const TMemberFormLayout kUpdateLayout{
    QT_TRANSLATE_NOOP("TMemberForm", "更新成员属性"),
    378,
    360,
    {104, 24, 209},
    {104, 80, 209},
    {177, 165, 102},
    {80, 300, 81},
    {216, 300, 81},
    {96, 259, 209},
    {40, 197, 105},
    {41, 168, 81},
    {103, 128, 81},
    {39, 219, 132},
    {176, 196, 137},
    {176, 221, 193},
};

// Labels stand this far left of the box they name.
constexpr int kLabelOffset = 88;

qint32 Flag(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

}  // namespace

TMemberForm::TMemberForm(TFormOwner* owner, Purpose purpose, const TMemberFormLayout& layout)
    : QDialog(owner->DialogParent()), owner_(owner), purpose_(purpose) {
    SetUpFixedDialog(this, tr(layout.caption), layout.width, layout.height);
    BuildControls(layout);
    FillTypeList();
}

// Creates the controls, their labels, and the tab order of their places.
void TMemberForm::BuildControls(const TMemberFormLayout& layout) {
    Edt_MemberName = PlaceLineEdit(this, "Edt_MemberName", layout.name);
    CB_MemberType = new QComboBox(this);
    CB_MemberType->setObjectName(QStringLiteral("CB_MemberType"));
    CB_MemberType->setGeometry(layout.type.left, layout.type.top, layout.type.width, 21);
    CB_MemberIsMust = PlaceCheckBox(this, "CB_MemberIsMust", tr("是否必填(&M)"), layout.mustFlag);
    QPushButton* save = PlaceButton(this, "Button1", tr("确定"), layout.okButton);
    QPushButton* cancel = PlaceButton(this, "Button2", tr("取消"), layout.cancelButton);
    Edt_MemberComment = PlaceLineEdit(this, "Edt_MemberComment", layout.comment);
    CB_QueryFlag = PlaceCheckBox(this, "CB_QueryFlag", tr("是否参与查询(&Q)"), layout.queryFlag);
    CB_MemberIsPri = PlaceCheckBox(this, "CB_MemberIsPri", tr("是否主键(&K)"), layout.keyFlag);
    Edt_MemberLength = PlaceLineEdit(this, "Edt_MemberLength", layout.length);
    Edt_MemberLength->setText(QStringLiteral("20"));
    CB_MemberIsDisplay =
        PlaceCheckBox(this, "CB_MemberIsDisplay", tr("下拉框显示字段(&D)"), layout.displayFlag);
    CB_MemberQueryDisplay = PlaceCheckBox(this, "CB_MemberQueryDisplay", tr("查询界面是否显示(&S)"),
                                          layout.queryDisplayFlag);
    CB_MemberQueryDisplay->setChecked(purpose_ == Purpose::Add);
    CB_AndroidDisplay = PlaceCheckBox(this, "CB_AndroidDisplay", tr("安卓列表页是否显示(&P)"),
                                      layout.androidDisplayFlag);

    PlaceBuddyLabel(this, tr("成员名称(&N)："), layout.name.left - kLabelOffset,
                    layout.name.top + 3, Edt_MemberName);
    PlaceBuddyLabel(this, tr("成员类型(&T)："), layout.type.left - kLabelOffset,
                    layout.type.top + 3, CB_MemberType);
    PlaceBuddyLabel(this, tr("长度(&L)： "), layout.length.left - kLabelOffset,
                    layout.length.top + 3, Edt_MemberLength);
    PlaceLabel(this, tr("(字符串类型有效)     "), layout.length.left + layout.length.width + 8,
               layout.length.top + 3);
    PlaceBuddyLabel(this, tr("成员注释(&C)："), layout.comment.left - kLabelOffset,
                    layout.comment.top + 3, Edt_MemberComment);

    SetUpDialogButtons(this, save, cancel);
    OrderTabsByPlace(this);
    connect(save, &QPushButton::clicked, this, &TMemberForm::Save);
}

// The five built-in types, then every other class of the project as a reference type.
void TMemberForm::FillTypeList() {
    CB_MemberType->clear();
    CB_MemberType->addItems(OfferedTypeNames());
    for (const TEntry& other :
         TClassDAO().ListOtherClasses(owner_->SelectedProjectId(), owner_->SelectedClassId())) {
        CB_MemberType->addItem(other.name);
    }
}

TMemberEntry TMemberForm::EnteredMember() const {
    TMember member;
    member.memberId = memberId_;
    member.projectId = owner_->SelectedProjectId();
    member.classId = owner_->SelectedClassId();
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

void TMemberForm::Save() {
    TUserPrompts& prompts = owner_->Prompts();
    RunGuarded(prompts, this, [&] {
        const TMemberEntry entry = EnteredMember();
        const TProjectCommands commands;
        const TCommandResult result =
            purpose_ == Purpose::Add ? commands.AddMember(entry) : commands.UpdateMember(entry);
        if (!result.done) {
            prompts.Message(this, result.message);
            if (Edt_MemberName->text().isEmpty()) {
                Edt_MemberName->setFocus();
            }
            return;
        }
        owner_->LoadMembers(entry.member.classId);
        prompts.Message(this, result.message);
        accept();
    });
}

TAddMemberForm::TAddMemberForm(TFormOwner* owner) : TMemberForm(owner, Purpose::Add, kAddLayout) {
    setObjectName(QStringLiteral("AddMemberForm"));
    setWindowIcon(QIcon(QStringLiteral(":/quillmere.png")));
    CB_MemberType->setCurrentIndex(0);
}

TUpdateMemberForm::TUpdateMemberForm(TFormOwner* owner, qint32 memberId)
    : TMemberForm(owner, Purpose::Update, kUpdateLayout) {
    setObjectName(QStringLiteral("UpdateMemberForm"));
    memberId_ = memberId;
    const std::optional<TMember> member = TMemberDAO().GetMember(memberId);
    if (!member) {
        throw TError(tr("该成员已不存在，请重新选择!"));
    }
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
