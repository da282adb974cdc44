#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QString>

#include "generation/CodeModel.h"
#include "generation/Protocol.h"

class TServerData;

// An answer of the server: status, content type and body.
struct TAnswer {
    int status = 200;
    QByteArray contentType;
    QByteArray body;

    static TAnswer Text(int status, const QString& text);
    // The refusal's status and text.
    static TAnswer Refusal(TRefusal refusal, const QStringList& values = {});
};

// A request the server refuses: a 4xx status and the text that says why.
struct TRequestError {
    int status;
    QString message;
};

// The parameters of a request, by name.
using TForm = QHash<QString, QString>;

// Decodes application/x-www-form-urlencoded text ("a=1&b=x+y"): names and values UTF-8,
// "+" a blank. Throws TRequestError when a name comes twice or a text is not UTF-8.
TForm ParseForm(const QByteArray& encoded);

// The servlets of the generated client, one per class: what the generated service and list
// handler send and expect. Each call runs in one transaction of the data file.
class TServlets {
  public:
    TServlets(const TProjectModel& project, TServerData& data) : project_(project), data_(data) {}

    // Serves GET (isPost false) or POST <className>Servlet with the given parameters.
    TAnswer Serve(const QString& className, bool isPost, const TForm& form);

    // Adds the objects of a seed file ({"Class": [{"member": value, ...}, ...], ...}) as add
    // requests would, all in one transaction: referenced classes first, objects in file order.
    // Throws TError naming the object and the reason, having changed nothing.
    void Seed(const QByteArray& json);

  private:
    TAnswer act(const TClassModel& cls, const TActionSpec& action, const TForm& form);
    void insert(const TClassModel& cls, const TForm& form);  // add inside a transaction
    void update(const TClassModel& cls, const TForm& form);
    void remove(const TClassModel& cls, const TForm& form);
    TAnswer get(const TClassModel& cls, const TForm& form);
    TAnswer query(const TClassModel& cls, const TForm& form);
    void checkReferences(const TClassModel& cls, const QVariantList& row);
    void checkNotReferenced(const TClassModel& cls, const QVariant& key);

    const TProjectModel& project_;
    TServerData& data_;
};

// A seed file's classes and their arrays of objects; throws TError when the text is no JSON
// object or names something other than a class of the project with an array.
QJsonObject SeedObjects(const TProjectModel& project, const QByteArray& json);
// Loads the seed into empty data kept in memory: throws what loading it into a data file just
// emptied by --reset would throw, before anything is deleted.
void TrySeedOnEmptyData(const TProjectModel& project, const QByteArray& json);

// A stored value as the generated client receives it in a list.
QString WireText(const TMemberInfo& member, const QVariant& stored);

// A reference that names no object: 0 for an integer key, the empty text for a text key.
bool IsNoObject(const QVariant& reference);
