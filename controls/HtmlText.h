#pragma once
// Text of the HTML pages the viewers show. Old help pages are seldom UTF-8: the page's own
// charset is honoured, valid UTF-8 is taken as such, anything else is Windows-1252.
#include <QByteArray>
#include <QString>

namespace HtmlText {

QString DecodeHtml(const QByteArray& bytes);
// Text without a declared charset (help file records): UTF-8 when valid, else Windows-1252.
QString DecodeAnsi(const QByteArray& bytes);
// &amp; &lt; &gt; &quot; &#39; &#NNN; &#xHH; in attribute values.
QString DecodeEntities(const QString& text);

} // namespace HtmlText
