#include "generation/Printer.h"

#include <QtGlobal>

namespace {

const QLatin1StringView kLineEnd("\r\n");

// Appends the template to `out`, one plain run at a time between the "$" and "\n" that it
// replaces.
void expand(QString& out, QStringView text, const TVars* vars) {
    const char16_t* const begin = text.utf16();
    const char16_t* const end = begin + text.size();
    const char16_t* run = begin;
    for (const char16_t* c = begin; c != end; ++c) {
        if (*c != u'$' && *c != u'\n') {
            continue;
        }
        out.append(QStringView(run, c));
        if (*c == u'\n') {
            out.append(kLineEnd);
            run = c + 1;
            continue;
        }
        const char16_t* close = c + 1;
        while (close != end && *close != u'$') {
            ++close;
        }
        if (close == end) {
            qFatal("Unclosed variable in template: %s", qPrintable(text.toString()));
        }
        if (close == c + 1) {
            out.append(u'$');
        } else if (vars == nullptr) {
            qFatal("Template without variables names one: %s", qPrintable(text.toString()));
        } else {
            out.append(vars->value(QStringView(c + 1, close)));
        }
        c = close;
        run = close + 1;
    }
    out.append(QStringView(run, end));
}

}  // namespace

const QString& TVars::value(QStringView name) const {
    for (const TVars* vars = this; vars != nullptr; vars = vars->outer_) {
        // The latest setting of a name counts, so a variable can be set again for one use.
        for (auto var = vars->vars_.crbegin(); var != vars->vars_.crend(); ++var) {
            if (var->name == name) {
                return var->value;
            }
        }
    }
    qFatal("Template variable $%s$ is not set", qPrintable(name.toString()));
}

TPrinter& TPrinter::print(QStringView text, const TVars& vars) {
    expand(text_, text, &vars);
    return *this;
}

TPrinter& TPrinter::print(QStringView text) {
    expand(text_, text, nullptr);
    return *this;
}

QString Format(QStringView text, const TVars& vars) {
    QString out;
    expand(out, text, &vars);
    return out;
}
