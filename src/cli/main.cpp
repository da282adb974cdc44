#include <QCoreApplication>

#include "cli/CommandLine.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return RunCommandLine(arguments, QCoreApplication::applicationDirPath());
}
