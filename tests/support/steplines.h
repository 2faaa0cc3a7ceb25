#pragma once
// Step records for tests: a whole record of "0" (or as many characters as
// asked) with pieces written at their 1-based positions, and the fields tests
// write, laid out by the bank's field table.

#include "bank/bankfiles.h"

#include <QString>
#include <algorithm>
#include <initializer_list>
#include <utility>

namespace ts {

namespace detail {
template <class Text>
QString recordOf(std::initializer_list<std::pair<int, Text>> pieces, int length)
{
    // Pieces are written into a whole record first, so a short record is the
    // cut-off start of a whole one.
    QString r(std::max(length, bank::StepRecordLength), u'0');
    for (const auto &[pos, text] : pieces) {
        const QString t(text);
        r.replace(pos - 1, t.size(), t);
    }
    return r.left(length);
}
} // namespace detail

inline QString record(std::initializer_list<std::pair<int, QString>> pieces, int length = bank::StepRecordLength)
{
    return detail::recordOf(pieces, length);
}
inline QString stepLine(std::initializer_list<std::pair<int, const char *>> pieces,
                        int length = bank::StepRecordLength)
{
    return detail::recordOf(pieces, length);
}

// Record fields: a box (left, jump, top, width, height) and a picture area
// (left, jump, top, name).
inline QString boxField(int left, int top, int width, int height, QChar jump = u'0')
{
    return QStringLiteral("%1%2%3%4%5")
        .arg(left, bank::Box.left.width, 10, QChar(u'0'))
        .arg(jump)
        .arg(top, bank::Box.top.width, 10, QChar(u'0'))
        .arg(width, bank::Box.width.width, 10, QChar(u'0'))
        .arg(height, bank::Box.height.width, 10, QChar(u'0'));
}
inline QString areaField(int left, int top, const QString &name, QChar jump = u'0')
{
    return QStringLiteral("%1%2%3%4")
        .arg(left, bank::Area.left.width, 10, QChar(u'0'))
        .arg(jump)
        .arg(top, bank::Area.top.width, 10, QChar(u'0'))
        .arg(name);
}
// boxField with the jump character second, as the record holds it.
inline QString box(int left, char jump, int top, int width, int height)
{
    return boxField(left, top, width, height, QChar::fromLatin1(jump));
}

} // namespace ts
