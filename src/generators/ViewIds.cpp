#include "generators/ViewIds.h"

namespace {

QString idOf(const char16_t* prefix, const QString& memberName) {
    QString id = QString::fromUtf16(prefix);
    id.append(memberName);
    return id;
}

}  // namespace

void SetMemberViewIds(TVars& vars, const QString& memberName) {
    vars.set(u"etId", idOf(ViewId::kEditBox, memberName))
        .set(u"tvId", idOf(ViewId::kShownText, memberName))
        .set(u"dpId", idOf(ViewId::kDatePicker, memberName))
        .set(u"ivId", idOf(ViewId::kPicture, memberName))
        .set(u"photoButtonId", idOf(ViewId::kPhotoButton, memberName))
        .set(u"cbId", idOf(ViewId::kDateCheckBox, memberName))
        .set(u"spinnerId", idOf(ViewId::kDropDown, memberName))
        .set(u"rowTextId", idOf(ViewId::kRowText, memberName));
}

const TVars& ClassViewIds() {
    static const TVars ids = [] {
        TVars vars;
        vars.set(u"addButtonId", QString::fromUtf16(ViewId::kAddButton))
            .set(u"updateButtonId", QString::fromUtf16(ViewId::kUpdateButton))
            .set(u"returnButtonId", QString::fromUtf16(ViewId::kReturnButton))
            .set(u"queryButtonId", QString::fromUtf16(ViewId::kQueryButton))
            .set(u"listViewId", QString::fromUtf16(ViewId::kListView))
            .set(u"labelId", QString::fromUtf16(ViewId::kLabel));
        return vars;
    }();
    return ids;
}
