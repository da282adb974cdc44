#pragma once

#include <QString>
#include <QStringList>

#include "generation/CodeModel.h"
#include "generation/GeneratedFile.h"
#include "generation/Printer.h"
#include "generators/client/MemberTemplates.h"

// Pieces of the generated screens (activities) that more than one screen prints. Their
// templates use the class's variables (TClassCode) and the screen's: $activity$ (e.g.
// "BookAddActivity"), and where a stored picture is shown $imageService$ and $decodeSeparator$.

// A screen's own variables: $activity$ (its class) and $title$; a form's also $button$ (the save
// button's field), $action$ (what it does), $upload$ (what the title says while saving) and
// $operation$ (the service's method). Each is a template over the class's variables.
struct TScreen {
    QStringView activity, title{}, button{}, action{}, upload{}, operation{};
};
TVars ScreenVars(const TClassCode& code, const TScreen& screen);

// The activity's source file: activity + ".java" in the activity package.
TGeneratedFile ActivityFile(const TVars& screen, const TPrinter& printer);

// ---- imports ----

// The imports of the add and edit forms, each group in its order; the edit form has the
// TextView import between the two Android groups.
inline const QStringList kFormFileImports = {"java.io.File", "java.io.FileNotFoundException",
                                             "java.io.FileOutputStream"};
inline const QStringList kFormTimeImports = {"java.sql.Timestamp", "java.util.Date",
                                             "java.util.List"};
// What a screen with buttons and drop-downs imports (the add, edit and query forms).
inline const QStringList kDropDownImports = {
    "android.view.View",           "android.view.View.OnClickListener",
    "android.widget.AdapterView",  "android.widget.AdapterView.OnItemSelectedListener",
    "android.widget.ArrayAdapter", "android.widget.Button"};
inline const QStringList kFormAndroidImports =
    QStringList{
        "android.app.Activity",           "android.content.Intent", "android.graphics.Bitmap",
        "android.graphics.BitmapFactory", "android.net.Uri",        "android.os.Bundle",
        "android.provider.MediaStore"} +
    kDropDownImports + QStringList{"android.widget.DatePicker", "android.widget.EditText"};
inline const QStringList kFormWidgetImports = {"android.widget.ImageView",
                                               "android.widget.ImageView.ScaleType",
                                               "android.widget.Spinner", "android.widget.Toast"};

// "import <name>;" for each name, in order.
void PrintImports(TPrinter& printer, const QStringList& names);
// The domain class and the service of the class itself.
void PrintOwnImports(TPrinter& printer, const TVars& classVars);
// The domain class and the service of the referenced class, once per reference member.
void PrintReferenceImports(TPrinter& printer, const TClassCode& code);

// Which classes' services a screen imports: its own class's, or the referenced classes' too.
enum class ServiceImports { Own, WithReferences };
// Sets $imageService$, the template's picture loader com.mobileclient.util.ImageService as a
// screen names it: by its simple name, unless the screen imports a class's service of that
// name (the service of a class named Image); then by its full name, and it is not imported.
void SetImageService(TVars& screen, const TClassModel& cls, ServiceImports imports);
// Its import, or nothing when it is named by its full name.
void PrintImageServiceImport(TPrinter& printer, const TVars& screen);

// ---- onCreate ----

// From "\t@Override" to the setContentView line of layout <class>_<layoutSuffix>, which ends in
// layoutLineEnd; $title$ is the screen's title.
void PrintOnCreateStart(TPrinter& printer, const TVars& screen, QStringView layoutSuffix,
                        QStringView layoutLineEnd);

// ---- the add and edit forms ----

// The fields of the non-key members (image members numbered by their request codes), then
// the object to save and its service.
void PrintFormFields(TPrinter& printer, const TClassCode& code, const TVars& screen);
// The widget look-ups and listeners of the non-key members.
void PrintFormSetUp(TPrinter& printer, const TClassCode& code, const TVars& screen);

// The save button's handler up to its "try {": $button$ is the button's field, $action$ what
// the button does.
void PrintSaveHandlerStart(TPrinter& printer, const TVars& screen);

// The save steps of the non-key members, each category's addSave or editSave.
void PrintFormSaveSteps(TPrinter& printer, const TClassCode& code, const TVars& screen,
                        QStringView TMemberTemplates::*saveStep);

// From the comment before the service call to the end of onCreate and an empty line: $upload$
// is "上传" or "更新", $operation$ "Add" or "Update".
void PrintSendAndReturn(TPrinter& printer, const TVars& screen);

// ---- the edit and detail screens, which load one object ----

// onCreate's call of initViewData: a failed load says why and closes the screen.
void PrintLoadObject(TPrinter& printer, const TVars& screen);
// In initViewData after the object is fetched: an object that is gone (the server answered no
// object) is said so and the screen closes.
void PrintObjectGone(TPrinter& printer, const TVars& screen);

// onActivityResult with the results of the non-key members' widgets, then the end of the class.
void PrintFormResults(TPrinter& printer, const TClassCode& code, const TVars& screen);
