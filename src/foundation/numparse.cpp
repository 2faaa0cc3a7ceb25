#include "foundation/numparse.h"

#include <climits>
#include <cmath>

namespace fnd {

int leadingInt(QStringView field)
{
    qsizetype from = 0;
    while (from < field.size() && field[from] == u' ')
        ++from;
    long long v = 0;
    for (QChar c : field.mid(from)) {
        if (c < u'0' || c > u'9')
            break;
        v = v * 10 + (c.unicode() - u'0');
        if (v > INT_MAX)
            return INT_MAX;
    }
    return int(v);
}

static double parseValue(QStringView t, bool skipAllSpaces)
{
    qsizetype i = 0;
    const qsizetype n = t.size();
    auto skip = [&] {
        while (i < n && t[i] == u' ')
            ++i;
    };
    skip();
    bool neg = false;
    if (i < n && (t[i] == u'-' || t[i] == u'+')) {
        neg = t[i] == u'-';
        ++i;
    }
    double v = 0;
    double scale = 0; // 0 while in the integer part
    for (; i < n; ++i) {
        const QChar c = t[i];
        if (skipAllSpaces && c == u' ')
            continue;
        if (c >= u'0' && c <= u'9') {
            const int d = c.unicode() - u'0';
            if (scale == 0) {
                v = v * 10 + d;
            } else {
                v += d * scale;
                scale /= 10;
            }
        } else if (c == u'.' && scale == 0) {
            scale = 0.1;
        } else {
            break;
        }
    }
    return neg ? -v : v;
}

double leadingValue(QStringView text) { return parseValue(text, false); }

double leadingValueIgnoringSpaces(QStringView text) { return parseValue(text, true); }

long long roundHalfEven(double v)
{
    if (!std::isfinite(v))
        return 0;
    if (v > 9e18)
        return LLONG_MAX;
    if (v < -9e18)
        return LLONG_MIN;
    return (long long)std::nearbyint(v); // default rounding mode: to nearest, ties to even
}

long long hexOrDecimal(QStringView text)
{
    QStringView t = text.trimmed();
    if (t.size() >= 2 && t[0] == u'&' && (t[1] == u'H' || t[1] == u'h')) {
        long long v = 0;
        for (QChar c : t.mid(2)) {
            int d;
            if (c >= u'0' && c <= u'9')
                d = c.unicode() - u'0';
            else if (c >= u'a' && c <= u'f')
                d = c.unicode() - u'a' + 10;
            else if (c >= u'A' && c <= u'F')
                d = c.unicode() - u'A' + 10;
            else
                break;
            v = (v << 4) | d;
            if (v > 0xFFFFFFFFLL)
                break;
        }
        return v;
    }
    return roundHalfEven(leadingValue(t));
}

} // namespace fnd
