#pragma once

#include <QStringList>
#include <QTextStream>

// The headless twin of the workbench. Answers the process exit status:
// 0 done, 1 failure, 2 usage error, 3 a class failed a generation check.
int RunCommandLine(const QStringList& arguments, const QString& executableFolder);
