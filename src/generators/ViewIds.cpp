#include "generators/ViewIds.h"

void SetMemberViewIds(TVars& vars) {
    vars.setTemplate(u"etId", ViewId::kEditBox)
        .setTemplate(u"tvId", ViewId::kShownText)
        .setTemplate(u"dpId", ViewId::kDatePicker)
        .setTemplate(u"ivId", ViewId::kPicture)
        .setTemplate(u"photoButtonId", ViewId::kPhotoButton)
        .setTemplate(u"cbId", ViewId::kDateCheckBox)
        .setTemplate(u"spinnerId", ViewId::kDropDown)
        .setTemplate(u"rowTextId", ViewId::kRowText);
}

const TVars& ClassViewIds() {
    static const TVars ids = [] {
        TVars vars;
        vars.setTemplate(u"addButtonId", ViewId::kAddButton)
            .setTemplate(u"updateButtonId", ViewId::kUpdateButton)
            .setTemplate(u"returnButtonId", ViewId::kReturnButton)
            .setTemplate(u"queryButtonId", ViewId::kQueryButton)
            .setTemplate(u"listViewId", ViewId::kListView)
            .setTemplate(u"labelId", ViewId::kLabel);
        return vars;
    }();
    return ids;
}
