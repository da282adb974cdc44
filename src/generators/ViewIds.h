#pragma once

// The ids by which a class's screens find the views of its layouts, as templates over the
// member's $name$. A screen names the field that holds a view after the view's id.
namespace ViewId {

inline constexpr char16_t kEditBox[] = u"ET_$name$";        // text input (add, edit, query)
inline constexpr char16_t kShownText[] = u"TV_$name$";      // read-only text, list heading
inline constexpr char16_t kDatePicker[] = u"dp_$name$";     // date input (add, edit, query)
inline constexpr char16_t kPicture[] = u"iv_$name$";        // picture (forms, list row)
inline constexpr char16_t kPhotoButton[] = u"btn_$name$";   // the camera button of a picture
inline constexpr char16_t kDateCheckBox[] = u"cb_$name$";   // a date takes part in a query
inline constexpr char16_t kDropDown[] = u"Spinner_$name$";  // choice of a referenced object
inline constexpr char16_t kRowText[] = u"tv_$name$";        // a text of a list row

// The views every class has once.
inline constexpr char16_t kAddButton[] = u"BtnAdd";
inline constexpr char16_t kUpdateButton[] = u"BtnUpdate";
inline constexpr char16_t kReturnButton[] = u"btnReturn";
inline constexpr char16_t kQueryButton[] = u"btnQuery";
inline constexpr char16_t kListView[] = u"h_list_view";
inline constexpr char16_t kLabel[] = u"TextView";  // every label of a form

}  // namespace ViewId
