#pragma once
// What the cover reads at every load, as plain functions over file lines:
// the paper list's counts, the random papers, and the unit progress repaired
// to each unit's question count. The cover window reads the files and shows
// the results.

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

// UnitTable columns 2 to 4 from a unit's flag line: question count,
// questions not done ("F"), the flags (outer blanks removed).
struct UnitColumns {
    QString count, notDone, flags;
};
UnitColumns unitColumns(const QString &flags);

} // namespace run
