#pragma once
// Turning a question set into a run: the working-file names of the set and
// the first step line of each question. The whole-unit practice is composed
// here too, since it needs no working files of its own.

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

// Composes the practice of all questions of unit u (0 for the first): set 20
// on the unit's own files (bank::unitFiles), the questions the unit progress
// has done completed ("T", state 4) and the others not ("F", state 0), in
// practice mode, UnitCount from the paper list, then prepareRun(). False when the unit's question
// file cannot be read or is empty.
bool startUnitPractice(int unit);

// The cover's name for composing a set's working files numbered nBTTS from
// its IdList (run::composeWorkFiles). False, with nothing written, when the
// composition fails; the caller then starts nothing.
bool InitShiTi(const QString &btShuJu, int nBTTS);

// Starts the composed set as a run: its files and step starts, the marked
// bits of its questions, then the cover unloads itself (deferred: this runs
// inside the cover's own click) and the logon window opens for an exam
// paper (PaperType 0 or 8), or the question and simulated windows for a
// practice, with the question window's reload and mode timers armed.
void startLianXi();

// The windows of a practice, once its set is composed: FrmTm's reload timer
// armed (its first touch loads the question window, whose load loads the
// question and with it FrmMain), its mode timer armed, then FrmTm and FrmMain
// shown.
void showPracticeWindows();

} // namespace cover
