#pragma once
// Composition of a question set, namespace run: the working question file and
// step file of a set, copied out of the unit files for the ids of an IdList,
// and the review set of an exam's questions not completed. Plain code on the
// run state and the data folder; failures are logged and returned, and then
// nothing is written and no variable changes.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace run {

// The step count of a question line (characters 5 and 6).
int stepCountOf(QStringView tmLine);

// Names the run's files from PaperType and TaoNo: the answer-text file and
// the working step and question files (bank::workFiles), in the data folder.
void nameRunFiles();

// The questions of a question file (a unit's or a set's): its lines up to
// the first that is blank after trimming, at most MaxQuestions.
int questionCountOf(const QStringList &tmLines);
// The line a scan of those lines for the step starts reads last: the first
// blank one, else the last; nullopt when there is none.
std::optional<QString> lastScannedLine(const QStringList &tmLines);

// StepStart(1) = 1 and StepStart(n + 1) = StepStart(n) + the step count of
// question line n, up to the first line that is blank after trimming. The
// starts are 16-bit line numbers: 500 questions of up to 99 steps (a damaged
// question file) can run past line 32767, and a start that does not fit is an
// overflow. Then the overflow is logged (error 6), StepStart keeps only entry
// 1 and false is returned: no start is ever a wrapped number.
bool fillStepStart(const QStringList &tmLines);
// True when every start of the lines fits (nothing logged).
bool stepStartsFit(const QStringList &tmLines);

// Writes the working files numbered fileNo (0 to 19: "2888" & NN and NN + 50)
// from the unit files: for each id u * 100 + p, line p of unit u's question
// file (its last line when shorter, its first for p = 0) and that question's
// steps. Sets TmSum (length / 4, halves to even, at most 500) and TmId. An id
// whose unit is not 0 to 19, or a unit file that cannot be read, fails the
// whole composition: leaving one question out would shift every later
// question against its list entry.
bool composeWorkFiles(QStringView idList, int fileNo);

// The practice of the questions the exam of paper slot RecNo left not
// completed (its list "1824" & RecNo): composed on the working pair 19, then
// set 2 / 17 in practice mode, question 1, 50 minutes, StepStart from the new
// question file, every question not done and in state 0. RecNo is kept. The
// scene engine's step (StepNo) is the caller's to reset. A list that makes
// no question (missing, empty, one or two characters) is Empty: nothing is
// written, no variable changes and nothing is logged; on a failure (logged)
// nothing is written and no variable changes either.
enum class ReviewSet { Composed, Empty, Failed };
ReviewSet composeExamReviewSet();

} // namespace run
