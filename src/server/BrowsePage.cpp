#include "server/BrowsePage.h"

#include <QRegularExpression>
#include <QUrl>

#include "server/ServerData.h"

namespace {

// Enough rows to look through; a class with more shows its first ones.
constexpr qsizetype kShownRows = 500;

const char* const kStyle = R"(
body { font-family: sans-serif; margin: 0; color: #222; background: #f6f6f4; }
header { background: #2f5d62; color: #fff; padding: 12px 24px; }
header h1 { margin: 0; font-size: 20px; }
header p { margin: 4px 0 0; font-size: 13px; opacity: .85; }
.page { display: flex; gap: 24px; padding: 20px 24px; align-items: flex-start; }
nav { min-width: 220px; }
table { border-collapse: collapse; background: #fff; }
th, td { border: 1px solid #d4d4d0; padding: 6px 10px; text-align: left; vertical-align: top; }
th { background: #e8ece8; font-weight: 600; white-space: nowrap; }
td { white-space: nowrap; }
th small { display: block; font-weight: normal; color: #666; }
nav a { color: #2f5d62; }
nav tr.chosen td { background: #dfeee8; }
td.number { text-align: right; }
main h2 { margin: 0 0 12px; font-size: 18px; }
main p { color: #666; }
img { max-width: 96px; max-height: 96px; display: block; }
td.text { white-space: pre-wrap; max-width: 320px; overflow-wrap: anywhere; }
)";

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

// A stored picture's name shows as the picture; anything else as text.
QString cell(const TMemberInfo& member, const QVariant& stored) {
    const QString text = WireText(member, stored);
    static const QRegularExpression picture(
        QStringLiteral("^upload/[A-Za-z0-9_-]{1,100}\\.[a-z]{3,4}$"));
    if (member.category == MemberCategory::Image && picture.match(text).hasMatch()) {
        return QStringLiteral("<td><img src=\"%1\" alt=\"%1\"></td>").arg(escaped(text));
    }
    const bool number = MemberTypeOf(member.wireCategory()).isNumber;
    return QStringLiteral("<td class=\"%1\">%2</td>")
        .arg(number ? QStringLiteral("number") : QStringLiteral("text"), escaped(text));
}

QString classList(const TProjectModel& project, TServerData& data, const TClassModel* chosen) {
    QString html = QStringLiteral("<nav><table><tr><th>类</th><th>对象数</th></tr>\n");
    for (const TClassModel& cls : project.classes) {
        html += QStringLiteral(
                    "<tr%1><td><a href=\"?class=%2\">%3</a><small> %4</small></td>"
                    "<td class=\"number\">%5</td></tr>\n")
                    .arg(&cls == chosen ? QStringLiteral(" class=\"chosen\"") : QString(),
                         escaped(QString::fromLatin1(QUrl::toPercentEncoding(cls.className))),
                         escaped(cls.friendName), escaped(cls.className),
                         QString::number(data.Count(cls)));
    }
    return html + QStringLiteral("</table></nav>\n");
}

QString rowTable(const TClassModel& cls, TServerData& data) {
    const QList<TServerData::Row> rows = data.Select(cls, {});
    QString html = QStringLiteral("<main><h2>%1 (%2)</h2>\n")
                       .arg(escaped(cls.friendName), escaped(cls.className));
    if (rows.isEmpty()) {
        return html + QStringLiteral("<p>还没有对象。</p></main>\n");
    }
    html += QStringLiteral("<table><tr>");
    for (const TMemberInfo& member : cls.members) {
        html += QStringLiteral("<th>%1<small>%2</small></th>")
                    .arg(escaped(member.label()), escaped(member.name()));
    }
    html += QStringLiteral("</tr>\n");
    for (qsizetype r = 0; r < std::min(rows.size(), kShownRows); ++r) {
        html += QStringLiteral("<tr>");
        for (qsizetype i = 0; i < cls.members.size(); ++i) {
            html += cell(cls.members[i], rows[r][i]);
        }
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
    if (rows.size() > kShownRows) {
        html +=
            QStringLiteral("<p>共%1个对象，只显示前%2个。</p>\n").arg(rows.size()).arg(kShownRows);
    }
    return html + QStringLiteral("</main>\n");
}

}  // namespace

TAnswer BrowsePage(const TProjectModel& project, TServerData& data, const QString& className) {
    const TClassModel* chosen = className.isEmpty() && !project.classes.isEmpty()
                                    ? &project.classes.first()
                                    : project.classNamed(className);
    if (chosen == nullptr && !className.isEmpty()) {
        return TAnswer::Text(404, QStringLiteral("没有名为%1的类").arg(className));
    }
    QString html = QStringLiteral(
                       "<!DOCTYPE html>\n<html lang=\"zh\"><head><meta charset=\"utf-8\">"
                       "<title>%1 - 开发服务器</title><style>%2</style></head><body>\n"
                       "<header><h1>%1</h1><p>开发服务器的数据(只读)</p></header>\n"
                       "<div class=\"page\">\n")
                       .arg(escaped(project.projectName), QString::fromLatin1(kStyle));
    html += classList(project, data, chosen);
    if (chosen != nullptr) {
        html += rowTable(*chosen, data);
    }
    html += QStringLiteral("</div></body></html>\n");
    return {200, "text/html; charset=UTF-8", html.toUtf8()};
}
