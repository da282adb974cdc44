#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include "generation/CodeModel.h"
#include "generation/CodeText.h"
#include "generation/GeneratedFile.h"
#include "generation/JavaNames.h"

// Pieces of the generated screens (activities) that more than one screen writes. A piece that
// names the screen class takes it as `activity` (e.g. "BookAddActivity").

// The activity's source file: activity + ".java" in the activity package.
TGeneratedFile ActivityFile(const QString& activity, const TCodeText& code);

// "public class " + activity + " extends Activity {"
QString ActivityClassHead(const QString& activity);

// ---- imports ----

// The imports of the add and edit forms, each group in its order.
inline const QStringList kFormFileImports = {"java.io.File", "java.io.FileNotFoundException",
                                             "java.io.FileOutputStream"};
inline const QStringList kFormTimeImports = {"java.sql.Timestamp", "java.util.Date",
                                             "java.util.List"};
inline const QStringList kFormAndroidImports = {
    "android.app.Activity",
    "android.content.Intent",
    "android.graphics.Bitmap",
    "android.graphics.BitmapFactory",
    "android.net.Uri",
    "android.os.Bundle",
    "android.provider.MediaStore",
    "android.view.View",
    "android.view.View.OnClickListener",
    "android.widget.AdapterView",
    "android.widget.AdapterView.OnItemSelectedListener",
    "android.widget.ArrayAdapter",
    "android.widget.Button",
    "android.widget.DatePicker",
    "android.widget.EditText",
    "android.widget.ImageView",
    "android.widget.ImageView.ScaleType",
    "android.widget.Spinner",
    "android.widget.Toast",
};

// "import " + name + ";" for each name, in order.
void AddImports(TCodeText& code, const QStringList& qualifiedNames);
// The domain class and the service of the class itself.
void AddOwnImports(TCodeText& code, const TClassModel& cls);
// The domain class and the service of the referenced class, once per reference member.
void AddReferenceImports(TCodeText& code, const TClassModel& cls);

// Which classes' services a screen imports: its own class's, or the referenced classes' too.
enum class ServiceImports { Own, WithReferences };
// The template's picture loader com.mobileclient.util.ImageService as a screen names it: by its
// simple name, unless the screen imports a class's service of that name (the service of a class
// named Image); then by its full name, and it is not imported.
QString ImageServiceName(const TClassModel& cls, ServiceImports imports);
// Its import, or none when it is named by its full name.
QStringList ImageServiceImport(const TClassModel& cls, ServiceImports imports);

// ---- key variants (an integer key member is held as int, any other as String) ----

// "\tprivate int " + key + ";" or "\tprivate String " + key + ";"
QString KeyFieldLine(const TClassModel& cls);
// "\t\t" + key + " = extras.getInt(\"" + key + "\");" or the getString form.
QString KeyFromExtrasLine(const TClassModel& cls);
// The key as text for setText: key + "+\"\"" or the key alone.
QString KeyAsText(const TClassModel& cls);

// ---- reference members ----

// "\tprivate " + className + "Service " + stem + "Service = new " + className + "Service();"
QString ServiceFieldLine(const QString& className, const QString& stem);

// ---- onCreate ----

// From "\t@Override" to the setContentView line; layoutLineEnd follows "_" + layoutSuffix + ");".
void AddOnCreateStart(TCodeText& code, const TClassModel& cls, const QString& title,
                      const QString& layoutSuffix, const QString& layoutLineEnd);

// ---- the add and edit forms ----

// The fields of the non-key members: edit box, date picker, image widgets with their request
// numbers (1 and 2 for the first image member, 3 and 4 for the next, ...) or drop-down.
void AddFormMemberFields(TCodeText& code, const TClassModel& cls);
// From carmera_path to the class's own service field, then an empty line.
void AddFormObjectFields(TCodeText& code, const TClassModel& cls);
// The widget look-ups and listeners of the non-key members.
void AddFormWidgetSetUp(TCodeText& code, const TClassModel& cls, const QString& activity);

// The save button's handler up to its "try {": buttonField is "btnAdd" or "btnUpdate", action
// "添加" or "修改".
void AddSaveHandlerStart(TCodeText& code, const TClassModel& cls, const QString& buttonField,
                         const QString& action);

// The text of edit box ET_ + name, converted to the member's Java field type (a key typed on the
// add form may be of any type).
QString EditBoxValue(const TMemberInfo& member);

// The empty-text check of the key member (no trailing blank or tab) or of a non-key member.
enum class TextCheck { Key, Member };
void AddTextCheck(TCodeText& code, const QString& activity, const TMemberInfo& member,
                  TextCheck kind);

// What the save steps do with a photo: the add screen uploads it or stores the default
// picture's name; the edit screen uploads it only when it is not a stored one.
enum class PhotoSave { UploadOrDefault, UploadIfReplaced };
void AddFormSaveSteps(TCodeText& code, const TClassModel& cls, const QString& activity,
                      PhotoSave photoSave);

// From the comment before the service call to the end of onCreate and an empty line.
// upload: "上传" or "更新"; operation: "Add" or "Update".
void AddSendAndReturn(TCodeText& code, const TClassModel& cls, const QString& activity,
                      const QString& upload, const QString& operation);

// onActivityResult with a camera block and a selection block per non-key image member (an
// image key member has no photo widgets), then the end of the class.
void AddPhotoResults(TCodeText& code, const TClassModel& cls);

// ---- showing stored values ----

// Downloads an image member's stored picture and shows it in iv_ + name (on a screen that imports
// the referenced classes' services). decodeSeparator stands between "0," and the length in the
// decode call (" " or "").
void AddStoredPhotoBlock(TCodeText& code, const TClassModel& cls, const TMemberInfo& member,
                         const QString& decodeSeparator);

// A drop-down's fields: the spinner, its adapter and texts, the referenced objects' list (its
// line ended by listLineEnd) and their service, under a comment naming serviceComment.
void AddDropDownFields(TCodeText& code, const TMemberInfo& member, const QString& stem,
                       const QString& listLineEnd, const QString& serviceComment);

// A drop-down's adapter over name + "_ShowText", its style comment naming styleSubject (a text in
// its Java comment form, as serviceComment below), and the
// head of its selection listener up to the onItemSelected line.
void AddDropDownAdapter(TCodeText& code, const QString& name, const QString& styleSubject);

// ---- the list, detail and query screens ----

// "int" or "String".
QString KeyType(const TClassModel& cls);

// The key read from the list row `row` (a map of the list screen): the row value's text,
// parsed with Integer.parseInt for an integer key.
QString KeyFromRow(const TClassModel& cls, const QString& row);

// "bundle.putInt(\"" + key + "\", " + key + ");" or the putString form, not indented.
QString PutKeyInBundle(const TClassModel& cls);

// The referenced object fetched by key through its class's service; its display member is shown
// in TV_ + name.
void AddReferenceLookup(TCodeText& code, const TClassModel& cls, const TMemberInfo& member);

// A date member's value shown in TV_ + name as year-month-day without leading zeros.
void AddDateText(TCodeText& code, const TClassModel& cls, const TMemberInfo& member);

// A list row's picture: downloaded, decoded to at most about 100*100 pixels and put into the
// row map under the member's name; running out of memory leaves it out of the row.
void AddThumbnail(TCodeText& code, const TClassModel& cls, const TMemberInfo& member);
