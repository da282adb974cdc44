#pragma once

#include <QString>
#include <QStringView>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

#include "generation/TextForms.h"

// Generated text is written as templates: literal text in which $name$ stands for a variable's
// value and $$ for a dollar sign. Each "\n" of a template ends a line; the printer writes it as
// CR LF. Literal white space is kept exactly.

// The variables of a template. A value is stored in the form its place in the generated file
// needs (code as it is, or a user's text in its Java string, Java comment or XML attribute
// form), so that the templates never escape anything themselves. A variable may also stand for
// a template of its own, printed where it is used with the variables in force there (so that a
// member's "$etId$" can be "ET_$name$" without building a text for every member). A name set
// twice has its later value, and a name not set here is looked up in the variables that `layer`
// sets itself, then in the outer variables.
class TVars {
  public:
    explicit TVars(const TVars* outer = nullptr, const TVars* layer = nullptr)
        : outer_(outer), layer_(layer) {}

    // Names and templates are string literals: the variables keep views of them.
    TVars& set(QStringView name, const QString& code) {
        vars_.append({name, code, {}, false});
        return *this;
    }
    TVars& setTemplate(QStringView name, QStringView text) {
        vars_.append({name, {}, text, true});
        return *this;
    }
    TVars& setTemplates(std::initializer_list<std::pair<QStringView, QStringView>> templates) {
        for (const auto& [name, text] : templates) {
            setTemplate(name, text);
        }
        return *this;
    }
    TVars& setJavaString(QStringView name, const QString& text) {
        return set(name, InJavaString(text));
    }
    TVars& setJavaComment(QStringView name, const QString& text) {
        return set(name, InJavaComment(text));
    }
    TVars& setXmlAttribute(QStringView name, const QString& text) {
        return set(name, InXmlAttribute(text));
    }

    // Appends the variable's value; a template naming a variable that is nowhere set is a fault
    // of the generator, which stops the program rather than write a wrong file.
    void appendValue(QString& out, QStringView name) const { appendValue(out, name, *this); }
    QString value(QStringView name) const;

  private:
    // A variable's template is printed with the variables where the look-up started.
    void appendValue(QString& out, QStringView name, const TVars& start) const;
    bool appendOwnValue(QString& out, QStringView name, const TVars& start) const;

    struct Var {
        QStringView name;
        QString value;
        QStringView text;
        bool isTemplate;
    };
    QVarLengthArray<Var, 32> vars_;
    const TVars* outer_;
    const TVars* layer_;
};

// Builds a generated file's text in memory.
class TPrinter {
  public:
    // lineEnd: what each "\n" of a template becomes (the client's files end lines with CR LF).
    explicit TPrinter(QStringView lineEnd = u"\r\n") : lineEnd_(lineEnd) { text_.reserve(16384); }
    TPrinter& print(QStringView text, const TVars& vars);
    // A template without variables ($$ still stands for a dollar sign).
    TPrinter& print(QStringView text);

    const QString& text() const { return text_; }

  private:
    QString text_;
    QStringView lineEnd_;
};

// A template's text on its own, e.g. an expression that another template's variable holds.
QString Format(QStringView text, const TVars& vars, QStringView lineEnd = u"\r\n");

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
