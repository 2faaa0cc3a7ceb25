#pragma once
// The product information files in plain code (no widgets, no I/O beyond
// QtCore): the six-digit character code of their lines, its encoder for the
// bank generator, the built-in table and the overlay of the two files. The
// start-up and the fuzz target both use this.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

namespace fnd {

constexpr int InfoTableSize = 41;    // entries 0 to 40
constexpr int VerMaxLines = 40;      // ver.txt line k -> entry k
constexpr int ProductMaxLines = 41;  // product file line k -> entry k - 1
constexpr int InfoUnitNames = 21;    // units 0 to 20, ver.txt lines 5 to 25

using InfoEntries = std::array<QString, InfoTableSize>;

// One decoded line. badCodes counts the groups whose character code is out of
// range (they add nothing); firstBadGroup is the first of them, from 1.
struct DecodedInfoLine {
    QString text;
    int badCodes = 0;
    int firstBadGroup = 0;
};

// Decodes one line: six-character groups, each a decimal number (blanks
// ignored, rounded half to even); 0 adds nothing, above 500000 the code is
// v - 500000, otherwise v - 200000; codes 0-255 are single bytes, 256-65535
// a lead and a trail byte, -32768 to -1 the double-byte code + 65536.
DecodedInfoLine decodeInfoLine(QStringView line);

// The character code of one group, or nullopt when the group adds nothing
// (v = 0). Out-of-range codes are returned as they are.
std::optional<long long> infoGroupCode(QStringView group);

// Encodes a text as six-digit groups, each character by its GBK code:
// 200000 + code, or 500000 + code when high is set. A text with a character
// that GBK cannot hold, or that would not decode back to itself, gives nullopt.
std::optional<QString> encodeInfoLine(QStringView text, bool high = false);

// The built-in defaults: entries 0 to 38 set, 39 and 40 empty.
InfoEntries defaultInfoTable();

// What can go wrong with the product information files. Each kind is
// reported at most once per file, so a damaged file cannot stall start-up
// with a report per line.
struct InfoFailure {
    enum Kind { LineBeyondTable, BadCharCode, ModuleNoOverflow } kind;
    QString file;   // "ver.txt" or "288901.mxy"
    int line = 0;   // the first offending line, from 1
    int count = 0;  // how many lines of this kind and file
};

// A product information file read up to its line limit.
struct InfoFileLines {
    QStringList lines;    // decoded GBK lines, at most the limit
    int linesBeyond = 0;  // further lines that were not kept
};

// Splits raw bytes into at most maxLines GBK-decoded lines (CR LF, LF or CR
// end a line) and counts the rest.
InfoFileLines splitInfoLines(const QByteArray &bytes, int maxLines);

// The values derived from the two files, in their order: ver.txt first (and
// what is derived from it), then the data folder's product file, then every
// entry trimmed.
struct InfoResult {
    InfoEntries table;
    QString examTitle;
    QString moduleName;
    QString dataFolder;             // ver.txt line 3, trimmed
    std::optional<qint16> moduleNo; // nullopt when the value leaves 16 bits
    std::array<QString, InfoUnitNames> units;
    QList<InfoFailure> failures;
};

// ver and product may be null (file not readable): the table keeps what it has.
InfoResult buildInfo(const InfoFileLines *ver, const InfoFileLines *product);

// The application title: entry 0 & entry 9 & "——" & exam title & "模块".
QString appTitleOf(const InfoEntries &table, const QString &examTitle);

// The two install value names' suffix: the last two characters of "0" and the
// module number ("05", "12", 123 -> "23").
QString moduleSuffix(int moduleNo);

} // namespace fnd
