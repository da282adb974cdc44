#pragma once

#include <QStringView>
#include <utility>

// The ids by which a class's screens find the views of its layouts, each with the template
// variable that names it. A member's ids are templates over its $name$; a screen names the
// field that holds a view after the view's id.
inline constexpr std::pair<QStringView, QStringView> kMemberViewIds[] = {
    {u"etId", u"ET_$name$"},            // text input (add, edit, query)
    {u"tvId", u"TV_$name$"},            // read-only text (edit key, detail), list heading
    {u"dpId", u"dp_$name$"},            // date input (add, edit, query)
    {u"ivId", u"iv_$name$"},            // picture (add, edit, detail, list row)
    {u"photoButtonId", u"btn_$name$"},  // the camera button under a picture
    {u"cbId", u"cb_$name$"},            // whether a date takes part in a query
    {u"spinnerId", u"Spinner_$name$"},  // choice of a referenced object
    {u"rowTextId", u"tv_$name$"},       // a text of a list row
};

// The views every class has once.
inline constexpr std::pair<QStringView, QStringView> kClassViewIds[] = {
    {u"addButtonId", u"BtnAdd"},       {u"updateButtonId", u"BtnUpdate"},
    {u"returnButtonId", u"btnReturn"}, {u"queryButtonId", u"btnQuery"},
    {u"listViewId", u"h_list_view"},   {u"labelId", u"TextView"},  // every label of a form
};
