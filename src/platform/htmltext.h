#pragma once
// The text of a local HTML page, read by content: a byte-order mark decides
// (UTF-8, UTF-16 either way round), then a character set named in the page's
// head ("charset=" of a meta tag), and GBK when neither says. A named set the
// system does not know is read as GBK too. Bytes that do not fit the set
// decode to substitutes; nothing fails.

#include <QByteArray>
#include <QString>

namespace plat {

// The character set's name as found ("UTF-8", "UTF-16LE", "UTF-16BE" from a
// mark, the meta tag's name as written), empty when the page names none.
QString htmlCharset(const QByteArray &page);

// The page's text.
QString decodeHtml(const QByteArray &page);

} // namespace plat
