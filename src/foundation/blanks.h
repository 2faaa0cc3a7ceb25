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

// The same on a string held whole: one without outer blanks is returned
// as it is, not copied (a record line may be 50 MB).
inline QString trimBlanks(const QString &s)
{
    if (s.isEmpty() || (s.front() != u' ' && s.back() != u' '))
        return s;
    return trimBlanks(QStringView(s));
}

} // namespace fnd
