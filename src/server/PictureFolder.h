#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// A stored picture opened for reading: the caller sends the file and closes it.
struct TStoredPicture {
    int file;
    QByteArray contentType;
};

// The uploaded pictures: files in one folder, under names the server makes up. A stored
// picture's name, as the client keeps it, is "upload/" followed by its file name.
class TPictureFolder {
  public:
    // placeholder: the picture answered for "noimage.jpg" (the name the add screen stores for
    // an object without a picture) as long as no such file is in the folder; may be empty.
    // dataFile: the server's data file, which is never read as a picture. Makes the folder when
    // it is missing (Made() tells).
    TPictureFolder(const QString& folder, const QString& placeholder, const QString& dataFile);

    // Deletes the folder and what it holds; a link in its place is deleted, not followed.
    static void Remove(const QString& folder);

    const QString& folder() const { return folder_; }
    bool Made() const { return made_; }

    // Stores a JPEG, PNG, GIF, BMP or WebP picture under a new name and answers
    // "upload/<name>". The picture's header must decode (its format and a size); anything else
    // throws TRequestError (415). Throws TError with the system's reason when it cannot write.
    QString Store(QByteArrayView bytes) const;

    // The picture stored under fileName (the part after "upload/"), opened. Only names made of
    // letters, digits, "-" and "_" with a picture's extension are looked up, so no name can
    // reach outside the folder, and only a regular file is opened: a link is not followed, and
    // the data file (or its companions) is never opened, even under another name.
    std::optional<TStoredPicture> Find(const QString& fileName) const;

  private:
    QString folder_;
    QString placeholder_;
    QString dataFile_;
    bool made_ = false;
};
