#include "generation/Printer.h"

#include <QtGlobal>
#include <cstring>

namespace {

// Appends the template to `out`, one plain run at a time between the "$" and "\n" that it
// replaces.
void expand(QString& out, QStringView text, const TVars* vars, QStringView lineEnd = u"\r\n") {
    const char16_t* const begin = text.utf16();
    const char16_t* const end = begin + text.size();
    const char16_t* run = begin;
    for (const char16_t* c = begin; c != end; ++c) {
        if (*c != u'$' && *c != u'\n') {
            continue;
        }
        out.append(QStringView(run, c));
        if (*c == u'\n') {
            out.append(lineEnd);
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
            vars->appendValue(out, QStringView(c + 1, close));
        }
        c = close;
        run = close + 1;
    }
    out.append(QStringView(run, end));
}

// Names are short and mostly differ in length or first letter, so this runs in the lookup's
// inner loop without a call.
bool sameName(QStringView a, QStringView b) {
    return a.size() == b.size() && a.front() == b.front() &&
           std::memcmp(a.utf16(), b.utf16(), a.size() * sizeof(char16_t)) == 0;
}

}  // namespace

bool TVars::appendOwnValue(QString& out, QStringView name, const TVars& start) const {
    // The latest setting of a name counts, so a variable can be set again for one use.
    for (auto var = vars_.crbegin(); var != vars_.crend(); ++var) {
        if (!sameName(var->name, name)) {
            continue;
        }
        if (var->isTemplate) {
            expand(out, var->text, &start);
        } else {
            out.append(var->value);
        }
        return true;
    }
    return false;
}

void TVars::appendValue(QString& out, QStringView name, const TVars& start) const {
    for (const TVars* vars = this; vars != nullptr; vars = vars->outer_) {
        if (vars->appendOwnValue(out, name, start) ||
            (vars->layer_ != nullptr && vars->layer_->appendOwnValue(out, name, start))) {
            return;
        }
    }
    qFatal("Template variable $%s$ is not set", qPrintable(name.toString()));
}

QString TVars::value(QStringView name) const {
    QString out;
    appendValue(out, name);
    return out;
}

TPrinter& TPrinter::print(QStringView text, const TVars& vars) {
    expand(text_, text, &vars, lineEnd_);
    return *this;
}

TPrinter& TPrinter::print(QStringView text) {
    expand(text_, text, nullptr, lineEnd_);
    return *this;
}

QString Format(QStringView text, const TVars& vars, QStringView lineEnd) {
    QString out;
    expand(out, text, &vars, lineEnd);
    return out;
}
