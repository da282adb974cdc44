#include <QApplication>
#include <QDir>
#include <QIcon>

#include "store/DbHelper.h"
#include "workbench/MainForm.h"

// quillmere [--store FILE]: the workbench on the store FILE (default: projects.db in the
// executable's folder, which is also the app folder of generation runs).
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString appFolder = QCoreApplication::applicationDirPath();
    QString store = QDir(appFolder).filePath(QStringLiteral("projects.db"));
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype storeOption = arguments.indexOf(QStringLiteral("--store"));
    if (storeOption > 0 && storeOption + 1 < arguments.size()) {
        store = QDir(appFolder).absoluteFilePath(arguments[storeOption + 1]);
    }
    TDbHelper::SetStorePath(store);
    LoadQtTranslations();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quillmere.png")));
    TFormMain window(appFolder);
    window.show();
    return app.exec();
}
