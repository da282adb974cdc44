#pragma once

#include <QString>
#include <initializer_list>

// Builds a generated file's text. Every line ends with CR LF; the text of each line (tabs,
// blanks, trailing blanks) is given by the caller exactly as it must appear.
class TCodeText {
  public:
    TCodeText& line(const QString& text = QString()) {
        text_ += text;
        text_ += QLatin1String("\r\n");
        return *this;
    }
    TCodeText& lines(std::initializer_list<QString> texts) {
        for (const QString& text : texts) {
            line(text);
        }
        return *this;
    }
    // Text without a line end (a file's last characters, or part of a longer line).
    TCodeText& raw(const QString& text) {
        text_ += text;
        return *this;
    }
    TCodeText& append(const TCodeText& other) {
        text_ += other.text_;
        return *this;
    }
    const QString& text() const { return text_; }

  private:
    QString text_;
};
