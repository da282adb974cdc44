#pragma once

#include <QString>
#include <exception>

// An error that ends the current user action or generation run; carries the text shown to the user.
class TError : public std::exception {
  public:
    explicit TError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

  private:
    QString message_;
    QByteArray utf8_;
};
