#pragma once
// What the cover reads at every load, as plain functions over file lines:
// the paper list's counts, the random papers, the unit progress repaired to
// each unit's question count, the advert; and the texts and numbers its pages
// derive from them. The cover window reads the files and shows the results.

#include <QString>
#include <QStringList>
#include <array>

namespace run {

// Units and fixed papers the bank can hold (each has its files and buttons).
constexpr int MaxUnits = 20;
constexpr int MaxPapers = 20;
// Question-count pairs read from the paper list's line 2 (units 0 to 25).
constexpr int CountedUnits = 26;
// Random papers listed at most (the composition never stores more).
constexpr int MaxRandomPapers = 10;

struct PaperCounts {
    qint16 papers = 0;
    qint16 units = 0;
};
// Line 1 without outer blanks: characters 1-2 the fixed papers, 3-4 the
// units, each clamped to 0..20.
PaperCounts paperCounts(const QStringList &paperList);

// The question count of each unit from line 2 of the paper list, two digits
// a unit; -1 where the line holds no pair for the unit. All -1 when the list
// has no line 2: the counts are then unknown.
using QuestionCounts = std::array<int, CountedUnits>;
QuestionCounts questionCounts(const QStringList &paperList);
bool countsKnown(const QuestionCounts &counts);

// Random papers: lines up to the first blank one, at most MaxRandomPapers.
int countRandomPapers(const QStringList &randomPapers);

// The unit progress as the cover rewrites it: 25 lines, each unit's flags
// cut to its question count or padded with "F" up to it. A unit of the bank
// (below unitCount) without a count keeps its stored line; one past the bank
// without a count has no questions and an empty line.
QStringList repairedProgress(const QStringList &stored, const QuestionCounts &counts, int unitCount);

// The unit progress as the cover stores it back: each unit's stored line,
// or its repaired line where that is longer. A line is lengthened, never
// cut, so that a paper list that cannot be read properly costs no done flag
// (the cover shows the repaired lines).
QStringList lengthenedProgress(const QStringList &stored, const QStringList &repaired);

// UnitTable columns 2 to 4 from a unit's flag line: question count,
// questions not done ("F"), the flags (outer blanks removed).
struct UnitColumns {
    QString count, notDone, flags;
};
UnitColumns unitColumns(const QString &flags);

// The advert file's three lines: the text (outer blanks removed, each "◎" a
// CR LF), its colour 0x00BBGGRR (decimal or "&H" hexadecimal, rounded; 0
// when missing) and the link (empty when missing). Later lines are not read.
struct Advert {
    QString text;
    long long colour = 0;
    QString url;
};
Advert readAdvert(const QStringList &lines);

// A unit button's caption: the unit's number, ".", its name, filled with
// blanks and cut to 25 display columns of GBK (one for a single-byte
// character, two for a double-byte one). A cut through a double-byte
// character at column 25 ends in a blank instead.
QString unitCaption(int number, const QString &name);
// Display columns of one character in GBK: 2 for a double-byte character,
// otherwise 1 (a character GBK cannot hold is shown as one substitute).
int gbkColumns(char32_t ch);

// The last sprint-paper slot for the number of fixed papers: 4-7 give 1,
// 8-11 give 3, 12-15 give 5, any other number 7.
int chongCiLast(int paperCount);

} // namespace run
