#pragma once

#include <QStringView>
#include <memory>
#include <vector>

#include "generation/CodeModel.h"
#include "generation/Printer.h"

// What the screens and layouts write for a member, one row per member category: a new member
// type is a new row in MemberTemplates.cpp (and its variables there); what else differs between
// types is its row in store/MemberType.cpp.
struct TMemberTemplates {
    // The add and edit forms: fields, widget set-up in onCreate, the save step, the edit
    // form's pre-fill, and the widget of the layouts.
    QStringView formFields = {};
    QStringView formSetUp = {};
    QStringView addSave = {};
    QStringView editSave = {};
    QStringView editPreFill = {};
    QStringView formResult = {};  // onActivityResult
    QStringView inputWidget = {};
    // The detail screen and its layout.
    QStringView detailFields = {};
    QStringView detailLookup = {};
    QStringView detailShow = {};
    QStringView detailWidget = {};
    // A list row: the list screen's row map, the view of the row layout, the adapter's binding.
    QStringView rowValue = {};
    QStringView rowViewId = {};  // a template: the view's id
    QStringView rowWidget = {};  // the view's class
    QStringView rowView = {};
    QStringView rowBinding = {};
    // The query screen and its layout; a member without query fields gets no input.
    QStringView queryFields = {};
    QStringView querySetUp = {};
    QStringView queryCondition = {};
    QStringView queryWidget = {};
    int requestCodes = 0;  // how many activity request codes the form's widgets take
};
const TMemberTemplates& TemplatesOf(MemberCategory category);

// The service of a reference member's class, named by its stem.
inline constexpr char16_t kReferenceServiceField[] =
    u"\tprivate $RefClass$Service $stem$Service = new $RefClass$Service();\n";

// A read-only text that a screen fills; a long string's box wraps.
inline constexpr char16_t kShownTextBox[] =
    u"\t\t\t<TextView\n"
    "\t\t\t\tandroid:text=\"\" \n"
    "\t\t\t\tandroid:id=\"@+id/$tvId$\" \n"
    "\t\t\t\tandroid:layout_width=\"$boxWidth$\"\n"
    "\t\t\t\tandroid:layout_height=\"wrap_content\"\n"
    "$multiLine$"
    "\t\t\t/>\n";

// How a value travels as text (form parameters, JSON, XML, typed input), one row per category of
// the value exchanged with the server (TMemberInfo::wireCategory()).
struct TWireTemplates {
    QStringView fromText;        // the text $text$ as a Java value of the category
    QStringView fromEditBox;     // the member's edit box's text as such a value
    QStringView fromRowValue;    // the member's value in a row map of the list adapter
    QStringView formParameter;   // the service's form parameter of a member
    QStringView jsonReading;     // the service's get: the member set from the JSON object
    QStringView xmlReading;      // the list handler: the member set from the element's text
    QStringView queryParameter;  // the service's query: the condition's member in the URL
};
const TWireTemplates& WireTemplatesOf(MemberCategory wireCategory);

// The text expression `text` as a Java value of the wire category.
QString FromText(MemberCategory wireCategory, const QString& text);

// Whose names a reference member's $stem$ keeps clear of: none asked (no $stem$), every
// reference of the class (detail screen), the form's drop-downs, the query's drop-downs.
enum class StemAmong { None, AllReferences, FormDropDowns, QueryDropDowns };

// A class with the variables of its templates, built once for all the class's files.
class TClassCode {
  public:
    explicit TClassCode(const TClassModel& cls);
    TClassCode(const TClassCode&) = delete;
    TClassCode& operator=(const TClassCode&) = delete;

    const TClassModel& cls;

    // $Class$, $cls$ (its object variable), $class$ (layout name), $friend$ / $friendText$
    // (friendly name as Java comment / string), the fixed view ids, and of its key member:
    // $key$ (variable), $keyName$, $KeyName$, $keyComment$, $KeyType$, $keyAsText$, $getKey$ /
    // $putKey$ (the Bundle's getInt or getString, putInt or putString).
    const TVars& vars() const { return vars_; }

    // The variables of a member of the class, within the class's: $name$, $Name$, $var$,
    // $comment$ / $commentText$ / $commentXml$ (Java comment, Java string, XML attribute), its
    // view ids, $rowViewId$ / $rowWidget$ (its view in a list row), $boxWidth$ / $multiLine$ (a
    // long string's box wraps), $editBoxValue$; of a reference also $RefClass$, $refFriend$,
    // $refShowText$, $refKey$ (".get<Key>()" of an entry), $storedRefKey$ (from a list row's
    // value), $noChoice$, and with a stem $stem$, $styleSubject$ and $storedIsEntry$.
    const TVars& member(const TMemberInfo& member, StemAmong stems = StemAmong::None) const;

  private:
    TVars vars_;
    mutable std::vector<std::unique_ptr<TVars>> members_[4];  // by StemAmong
};

// Prints each member's template for `job` (one of TMemberTemplates'), or the same `text` for
// each, with the member's variables over `outer` (the class's or a file's own).
using TMembers = QList<const TMemberInfo*>;
void PrintEach(TPrinter& printer, const TClassCode& code, const TMembers& members,
               const TVars& outer, QStringView TMemberTemplates::*job,
               StemAmong stems = StemAmong::None);
void PrintEach(TPrinter& printer, const TClassCode& code, const TMembers& members,
               const TVars& outer, QStringView text, StemAmong stems = StemAmong::None);
