#pragma once
// Trimming as the program's texts need it: only blanks (U+0020) are removed
// at both ends; tabs and line breaks stay.

#include <QString>
#include <QStringView>

namespace fnd {

inline QString trimBlanks(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] == u' ')
        ++b;
    while (e > b && s[e - 1] == u' ')
        --e;
    return s.mid(b, e - b).toString();
}

} // namespace fnd
