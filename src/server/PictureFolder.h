#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "server/Servlets.h"

// The uploaded pictures: files in one folder, under names the server makes up. A stored
// picture's name, as the client keeps it, is "upload/" followed by its file name.
class TPictureFolder {
  public:
    // placeholder: the picture answered for "noimage.jpg" (the name the add screen stores for
    // an object without a picture) as long as no such file is in the folder; may be empty.
    TPictureFolder(const QString& folder, const QString& placeholder);

    const QString& folder() const { return folder_; }

    // Stores a JPEG, PNG, GIF, BMP or WebP picture under a new name and answers
    // "upload/<name>". Throws TRequestError (415) for anything else.
    QString Store(const QByteArray& bytes) const;

    // The picture stored under fileName (the part after "upload/"). Only names made of
    // letters, digits, "-" and "_" with a picture's extension are looked up, so no name can
    // reach outside the folder.
    std::optional<TAnswer> Find(const QString& fileName) const;

  private:
    QString folder_;
    QString placeholder_;
};
