#include "generation/TextForms.h"

#include <optional>

namespace {

using Replacement = std::optional<QString>;

// Rewrites the text character by character with `form` (which answers what the character at an
// index becomes, or nothing to keep it), copying it only when some character changes.
template <typename Form>
QString rewritten(const QString& text, Form form) {
    qsizetype first = 0;
    while (first < text.size() && !form(text, first)) {
        ++first;
    }
    if (first == text.size()) {
        return text;
    }
    QString result = text.left(first);
    result.reserve(text.size() + 8);
    for (qsizetype i = first; i < text.size(); ++i) {
        const Replacement replacement = form(text, i);
        result += replacement ? *replacement : QString(text[i]);
    }
    return result;
}

bool isLineBreak(QChar c) {
    return c == u'\r' || c == u'\n';
}

}  // namespace

QString InJavaString(const QString& text) {
    return rewritten(text, [](const QString& t, qsizetype i) -> Replacement {
        switch (t[i].unicode()) {
            case u'\\':
                return QStringLiteral("\\\\");
            case u'"':
                return QStringLiteral("\\\"");
            case u'\r':
                return QStringLiteral("\\r");
            case u'\n':
                return QStringLiteral("\\n");
            default:
                return std::nullopt;
        }
    });
}

QString InJavaComment(const QString& text) {
    return rewritten(text, [](const QString& t, qsizetype i) -> Replacement {
        const QChar c = t[i];
        if (c == u'\\') {
            return QStringLiteral("\\\\");
        }
        if (c == u'*' && i + 1 < t.size() && t[i + 1] == u'/') {
            return QStringLiteral("* ");
        }
        if (c == u'\n' && i > 0 && t[i - 1] == u'\r') {
            return QString();  // the CR before it became the blank
        }
        return isLineBreak(c) ? Replacement(QStringLiteral(" ")) : std::nullopt;
    });
}

QString InXmlAttribute(const QString& text) {
    return rewritten(text, [](const QString& t, qsizetype i) -> Replacement {
        const QChar c = t[i];
        switch (c.unicode()) {
            case u'&':
                return QStringLiteral("&amp;");
            case u'<':
                return QStringLiteral("&lt;");
            case u'"':
                return QStringLiteral("\\&quot;");
            case u'\\':
                return QStringLiteral("\\\\");
            case u'@':
            case u'?':
                return i == 0 ? Replacement(QString(u'\\') + c) : std::nullopt;
            case u'\n':
                return i > 0 && t[i - 1] == u'\r' ? QString() : QStringLiteral("\\n");
            case u'\r':
                return QStringLiteral("\\n");
            default:
                break;
        }
        if (c.unicode() < 0x20 && c != u'\t') {
            return QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
        }
        return std::nullopt;
    });
}
