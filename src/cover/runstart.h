#pragma once
// Turning a question set into a run: the working-file names of the set and
// the first step line of each question, and the run start itself. The
// whole-unit practice is composed here too, since it needs no working files
// of its own.

#include <QString>

namespace cover {

// The cover button whose page the cover reopens after a run (0 the home
// page); set by the end of a run, read by the cover's TimFH.
inline qint16 FhPage = 0;

// Names the run's files (bank::workFiles of PaperType + TaoNo and the
// answer-text file, in the data folder), sets TmNo, the step and
// LeftMinutes, and fills StepStart from the step counts of the question
// file's lines; a blank line ends the scan, and TmLine keeps the last line
// it read. The question file must be readable and its starts must fit
// 16-bit line numbers (run::fillStepStart, which logs an overflow);
// otherwise StepStart keeps only entry 1.
enum class Prepared { Ready, Unreadable, Overflow };
Prepared prepareRunFiles();
inline bool prepareRun() { return prepareRunFiles() == Prepared::Ready; }

// The cover's composition of the practice of all questions of unit u (0 for
// the first) from its row of the unit table, as the cover's load fills it
// (UnitTable: the question count in column 2, the done flags in column 4):
// set 20 on the unit's own files (bank::unitFiles), TaoNo u, the ids u * 100
// + i, each question's done flag, and state 4 for "T", 0 otherwise. Nothing
// changes, and false, for a unit without questions. The run starts with
// startLianXi.
bool composeUnitPractice(int unit);

// The cover's name for composing a set's working files numbered nBTTS from
// its IdList (run::composeWorkFiles). False, with nothing written, when the
// composition fails; the caller then starts nothing.
bool InitShiTi(const QString &btShuJu, int nBTTS);

// The run start's steps before the cover goes: the run's files, first
// question and step, clock, step starts and TmLine (prepareRunFiles; a
// question file that cannot be read is logged), then the marked bits of the
// questions. False when the set's steps do not fit the step starts (logged):
// the set is not started.
bool prepareLianXi();

// Starts the composed set as a run: prepareLianXi, then the cover unloads
// itself (deferred: this runs inside the cover's own click) and the logon
// window opens for an exam paper (PaperType 0 or 8), or the question and
// simulated windows for a practice, with the question window's reload and
// mode timers armed. Every run starts here.
void startLianXi();

// The windows of a practice, once its set is composed: FrmTm's reload timer
// armed (its first touch loads the question window, whose load loads the
// question and with it FrmMain), its mode timer armed, then FrmTm and FrmMain
// shown.
void showPracticeWindows();

} // namespace cover
