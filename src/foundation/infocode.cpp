#include "foundation/infocode.h"

#include "foundation/blanks.h"
#include "foundation/gbkfile.h"
#include "foundation/numparse.h"

#include <QStringEncoder>
#include <climits>
#include <cmath>

namespace fnd {

namespace {

constexpr long long LowBase = 200000;
constexpr long long HighBase = 500000;

bool codeInRange(long long code) { return code >= -32768 && code <= 65535; }

// One character of the code page: a single byte, or a lead and a trail byte.
// Each character is decoded on its own, as it would be built one at a time.
QString characterFor(long long code)
{
    if (code < 0)
        code += 65536;
    char bytes[2];
    qsizetype n = 0;
    if (code <= 255) {
        bytes[n++] = char(code);
    } else {
        bytes[n++] = char((code >> 8) & 0xFF);
        bytes[n++] = char(code & 0xFF);
    }
    return decodeGbk(QByteArrayView(bytes, n));
}

void noteFailure(QList<InfoFailure> &out, InfoFailure::Kind kind, const QString &file, int line, int count)
{
    if (count > 0)
        out.append(InfoFailure{kind, file, line, count});
}

// Decodes the lines of one file into the table, line k into entry k + shift.
// Bad character codes of the whole file become one failure.
void overlay(InfoEntries &table, const InfoFileLines &f, int shift, const QString &file, QList<InfoFailure> &failures)
{
    int badLines = 0, firstBadLine = 0;
    for (qsizetype i = 0; i < f.lines.size(); ++i) {
        const DecodedInfoLine d = decodeInfoLine(f.lines[i]);
        if (d.badCodes > 0 && badLines++ == 0)
            firstBadLine = int(i) + 1;
        const qsizetype entry = i + 1 + shift;
        if (entry >= 0 && entry < InfoTableSize)
            table[entry] = d.text;
    }
    noteFailure(failures, InfoFailure::BadCharCode, file, firstBadLine, badLines);
    noteFailure(failures, InfoFailure::LineBeyondTable, file, int(f.lines.size()) + 1, f.linesBeyond);
}

} // namespace

std::optional<long long> infoGroupCode(QStringView group)
{
    const double value = leadingValueIgnoringSpaces(group);
    const long long v = roundHalfEven(value);
    if (v == 0)
        return std::nullopt;
    return v > HighBase ? v - HighBase : v - LowBase;
}

DecodedInfoLine decodeInfoLine(QStringView line)
{
    DecodedInfoLine out;
    int group = 0;
    for (qsizetype at = 0; at < line.size(); at += 6) {
        ++group;
        const auto code = infoGroupCode(line.mid(at, 6));
        if (!code)
            continue;
        if (!codeInRange(*code)) {
            if (out.badCodes++ == 0)
                out.firstBadGroup = group;
            continue;
        }
        out.text += characterFor(*code);
    }
    return out;
}

std::optional<QString> encodeInfoLine(QStringView text, bool high)
{
    // An encoder of its own: its error flag tells a character GBK cannot hold.
    QStringEncoder enc("GBK", QStringConverter::Flag::Stateless);
    if (!enc.isValid())
        return std::nullopt;
    QString out;
    out.reserve(text.size() * 6);
    for (QChar c : text) {
        if (c.isSurrogate())
            return std::nullopt;
        const QByteArray b = enc.encode(QStringView(&c, 1));
        if (enc.hasError() || (b == "?" && c != u'?'))
            return std::nullopt;
        long long code;
        if (b.size() == 1)
            code = quint8(b[0]);
        else if (b.size() == 2)
            code = quint8(b[0]) * 256 + quint8(b[1]);
        else
            return std::nullopt;
        // Only characters that come back as themselves are written.
        if (characterFor(code) != QString(c))
            return std::nullopt;
        // 500000 itself reads as the low form, so code 0 is always written low.
        out += QString::number((high && code > 0 ? HighBase : LowBase) + code);
    }
    return out;
}

InfoEntries defaultInfoTable()
{
    InfoEntries t;
    t[0] = QStringLiteral("Velkor");
    t[1] = QStringLiteral("http://www.example.invalid/");
    t[2] = QStringLiteral("http://www.example.invalid/bank/");
    t[3] = QStringLiteral("http://chat.example.invalid/?service=1");
    t[4] = QStringLiteral("http://chat.example.invalid/?service=2");
    t[5] = QStringLiteral("http://www.example.invalid/news/");
    t[6] = QStringLiteral("http://www.example.invalid/help/");
    t[7] = QStringLiteral("示例软件工作室");
    t[8] = QStringLiteral("考生");
    t[9] = QStringLiteral("Marrowby考试练习系统");
    t[10] = QStringLiteral("000-0000-0000");
    t[11] = QStringLiteral("000000");
    t[12] = QStringLiteral("velkor");
    t[13] = QStringLiteral("http://www.example.invalid/download/");
    t[15] = QStringLiteral("Velkor");
    t[16] = QStringLiteral("example.invalid");
    t[26] = QStringLiteral("2015");
    t[29] = QStringLiteral("&H666666");
    t[30] = QStringLiteral("240");
    t[31] = QStringLiteral("5040");
    t[32] = QStringLiteral("7440");
    t[33] = QStringLiteral("9930");
    t[34] = QStringLiteral("2");
    return t;
}

InfoFileLines splitInfoLines(const QByteArray &bytes, int maxLines)
{
    InfoFileLines out;
    for (const QByteArray &raw : splitLines(bytes)) {
        if (out.lines.size() < maxLines)
            out.lines.append(decodeGbk(raw));
        else
            ++out.linesBeyond;
    }
    return out;
}

InfoResult buildInfo(const InfoFileLines *ver, const InfoFileLines *product)
{
    InfoResult r;
    r.table = defaultInfoTable();
    const QString verName = QStringLiteral("ver.txt");

    // ver.txt first: what is derived from it is taken before the product
    // file overwrites the entries.
    if (ver)
        overlay(r.table, *ver, 0, verName, r.failures);
    const double raw = leadingValueIgnoringSpaces(r.table[4]);
    const long long module = std::isfinite(raw) && std::fabs(raw) < 1e9 ? roundHalfEven(raw) : LLONG_MAX;
    if (module >= -32768 && module <= 32767)
        r.moduleNo = qint16(module);
    else
        noteFailure(r.failures, InfoFailure::ModuleNoOverflow, verName, 4, 1);
    r.examTitle = trimBlanks(r.table[1]);
    r.moduleName = trimBlanks(r.table[2]);
    r.dataFolder = trimBlanks(r.table[3]);
    for (int u = 0; u < InfoUnitNames; ++u)
        r.units[u] = trimBlanks(r.table[u + 5]);

    if (product)
        overlay(r.table, *product, -1, QStringLiteral("288901.mxy"), r.failures);
    for (QString &e : r.table)
        e = trimBlanks(e);
    return r;
}

QString appTitleOf(const InfoEntries &table, const QString &examTitle)
{
    return table[0] + table[9] + QStringLiteral("——") + examTitle + QStringLiteral("模块");
}

QString moduleSuffix(int moduleNo) { return (u'0' + QString::number(moduleNo)).right(2); }

} // namespace fnd
