#pragma once
// Step records for check tests: 212 characters of "0" with pieces written at
// their 1-based positions.

#include <QString>
#include <initializer_list>
#include <utility>

namespace ts {

inline QString stepLine(std::initializer_list<std::pair<int, const char *>> pieces, int length = 212)
{
    QString r(length, u'0');
    for (const auto &[pos, text] : pieces) {
        const QString t = QString::fromUtf8(text);
        r.replace(pos - 1, t.size(), t);
    }
    return r.left(length);
}

} // namespace ts
