#pragma once

#include <QString>

#include "generation/GeneratedFile.h"

// The output project projects/<project name>/安卓客户端 below the app folder: the one place
// that turns generated files into bytes on disk.
class TOutputProject {
  public:
    TOutputProject(const QString& appFolder, const QString& projectName);

    // "projects/<project name>/安卓客户端": the start of every progress line.
    const QString& relativeRoot() const { return relativeRoot_; }
    QString absolutePath(const QString& relative) const;

    // Writes the file in its encoding and answers its progress line.
    QString write(const TGeneratedFile& file) const;

  private:
    QString appFolder_;
    QString relativeRoot_;
};
