#pragma once

#include <QString>

#include "generation/Printer.h"

// The ids by which a class's screens find the views of its layouts. A member's view is named by
// a prefix and the member's name; a screen names the field that holds a view after its id.
namespace ViewId {

inline constexpr char16_t kEditBox[] = u"ET_";    // text input (add, edit, query)
inline constexpr char16_t kShownText[] = u"TV_";  // read-only text (edit key, detail, list heading)
inline constexpr char16_t kDatePicker[] = u"dp_";     // date input (add, edit, query)
inline constexpr char16_t kPicture[] = u"iv_";        // picture (add, edit, detail, list row)
inline constexpr char16_t kPhotoButton[] = u"btn_";   // the camera button under a picture
inline constexpr char16_t kDateCheckBox[] = u"cb_";   // whether a date takes part in a query
inline constexpr char16_t kDropDown[] = u"Spinner_";  // choice of a referenced object
inline constexpr char16_t kRowText[] = u"tv_";        // a text of a list row

// The views every class has once.
inline constexpr char16_t kAddButton[] = u"BtnAdd";
inline constexpr char16_t kUpdateButton[] = u"BtnUpdate";
inline constexpr char16_t kReturnButton[] = u"btnReturn";
inline constexpr char16_t kQueryButton[] = u"btnQuery";
inline constexpr char16_t kListView[] = u"h_list_view";
inline constexpr char16_t kLabel[] = u"TextView";  // every label of a form

}  // namespace ViewId

// $etId$, $tvId$, $dpId$, $ivId$, $photoButtonId$, $cbId$, $spinnerId$ and $rowTextId$: the ids
// of the views a member may have.
void SetMemberViewIds(TVars& vars, const QString& memberName);

// $addButtonId$, $updateButtonId$, $returnButtonId$, $queryButtonId$, $listViewId$, $labelId$.
const TVars& ClassViewIds();
