#pragma once

#include <QString>
#include <QStringView>
#include <QVarLengthArray>
#include <algorithm>
#include <array>

#include "generation/TextForms.h"

// Generated text is written as templates: literal text in which $name$ stands for a variable's
// value and $$ for a dollar sign. Each "\n" of a template ends a line; the printer writes it as
// CR LF. Literal white space is kept exactly.

// The variables of a template. A value is stored in the form its place in the generated file
// needs (code as it is, or a user's text in its Java string, Java comment or XML attribute
// form), so that the templates never escape anything themselves. Names are string literals; a
// name set twice has its later value, and a name not set here is looked up in the outer
// variables.
class TVars {
  public:
    explicit TVars(const TVars* outer = nullptr) : outer_(outer) {}

    template <qsizetype N>
    TVars& set(const char16_t (&name)[N], const QString& code) {
        vars_.append({QStringView(name, N - 1), code});
        return *this;
    }
    template <qsizetype N>
    TVars& setJavaString(const char16_t (&name)[N], const QString& text) {
        return set(name, InJavaString(text));
    }
    template <qsizetype N>
    TVars& setJavaComment(const char16_t (&name)[N], const QString& text) {
        return set(name, InJavaComment(text));
    }
    template <qsizetype N>
    TVars& setXmlAttribute(const char16_t (&name)[N], const QString& text) {
        return set(name, InXmlAttribute(text));
    }

    // The value of a variable; a template naming a variable that is nowhere set is a fault of
    // the generator, which stops the program rather than write a wrong file.
    const QString& value(QStringView name) const;

  private:
    struct Var {
        QStringView name;
        QString value;
    };
    QVarLengthArray<Var, 24> vars_;
    const TVars* outer_;
};

// Builds a generated file's text in memory.
class TPrinter {
  public:
    TPrinter& print(QStringView text, const TVars& vars);
    // A template without variables ($$ still stands for a dollar sign).
    TPrinter& print(QStringView text);

    const QString& text() const { return text_; }

  private:
    QString text_;
};

// A template's text on its own, e.g. an expression that another template's variable holds.
QString Format(QStringView text, const TVars& vars);

// Template literals joined at compile time, for templates that share some of their lines; the
// result converts to a QStringView.
template <std::size_t... N>
struct TJoinedTemplate {
    std::array<char16_t, (N + ...) - sizeof...(N) + 1> chars{};
    constexpr explicit TJoinedTemplate(const char16_t (&... parts)[N]) {
        std::size_t at = 0;
        ((std::copy_n(parts, N - 1, chars.begin() + at), at += N - 1), ...);
    }
    constexpr operator QStringView() const { return QStringView(chars.data(), chars.size() - 1); }
};
