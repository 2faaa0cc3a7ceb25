#pragma once
// Random papers, namespace run: the draw of a new random paper and the
// record files that keep the random papers in the paper slots 20 to 29
// (newest first): the random-paper list, their history slots and their
// unfinished-question lists, as a new paper and a deletion change them.
// Plain code on the record folder; the random source and the time are
// arguments.

#include "run/records.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace run {

// The first random paper slot, and the lines of the random-paper list as a
// new paper writes it.
constexpr int FirstRandomSlot = 20;
constexpr int RandomPaperLines = 10;
// The paper slots of the history as a new paper or a deletion rewrites it
// (lines 1 to 90, then an empty line).
constexpr int HistoryShiftedLines = 3 * PaperSlots;

// Draws a random paper of ExamQuestions different ids from units whose
// question count (counts[u], unit u from 0) is above 0: for each place, one
// draw picks the unit among those units and a second the position in it; a
// duplicate draws both again. A bank of fewer different questions gives a
// paper of all of them, in the order drawn; no question at all, an empty
// paper. The draw ends whatever `uniform` (on [0, 1)) returns: when it keeps
// repeating itself, the places left take the bank's unused ids in order.
QString drawRandomPaper(const std::vector<int> &counts, const std::function<double()> &uniform);

// The random-paper list with a new paper: the paper, then lines 1 to 9 of
// the previous list (an empty line for each it did not have).
QStringList randomPapersWithNew(const QStringList &previous, const QString &paper);
// History lines 1 to 90 with a new paper in slot 20 (`now`, "0", "E") and the
// slots 20 to 28 moved to 21 to 29, from the 100 lines readExamHistory gives.
QStringList historyWithNewPaper(const QStringList &history, const QString &now);
// Records a new random paper when `stored` papers were listed: the list, the
// history and the unfinished-question lists (each moved one slot on, the new
// slot 20 one empty line). The files are replaced together (RecordBatch):
// when one cannot be written, or the list, the history or a moved list is a
// file that cannot be read, none changes.
RecordWrites recordNewRandomPaper(const QString &paper, int stored, const QDateTime &now);

// The random-paper list without the paper of `slot` (20 to 19 + stored): its
// lines up to the first blank one, the later ones moved up, then an empty
// line.
QStringList randomPapersWithout(const QStringList &lines, int slot, int stored);
// History lines 1 to 90 with the slots after `slot` up to the last stored
// one moved one slot back.
QStringList historyWithout(const QStringList &history, int slot, int stored);
// Deletes the random paper of `slot` (20 to 19 + stored) from the list, the
// history and the unfinished-question lists, replaced together as a new
// paper replaces them. The last stored slot keeps its history and list,
// which no paper uses until the next new paper.
RecordWrites deleteRandomPaper(int slot, int stored);

// The random papers the record holds, as the cover counts them when it
// loads (countRandomPapers); 0 when the file is missing or unreadable.
int storedRandomPapers();

// The number of ids of the unfinished-question list of a paper slot: its
// first line's length without outer blanks, by whole ids; 0 when the file
// is missing, empty or not a file.
int wrongListCount(int slot);

} // namespace run
