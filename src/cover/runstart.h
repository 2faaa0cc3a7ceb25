#pragma once
// Turning a question set into a run: the working-file names of the set and
// the first step line of each question. The whole-unit practice is composed
// here too, since it needs no working files of its own.

namespace cover {

// Names the run's files (bank::workFiles of PaperType + TaoNo and the
// answer-text file, in the data folder), sets TmNo, the step and
// LeftMinutes, and fills StepStart from the step counts of the question
// file's lines; a blank line ends the scan. The question file must be readable;
// otherwise StepStart keeps only entry 1 and false is returned.
bool prepareRun();

// Composes the practice of all questions of unit u (0 for the first): set 20
// on the unit's own files (bank::unitFiles), every question not done and in
// practice mode, then prepareRun(). False when the unit's question
// file cannot be read or is empty.
bool startUnitPractice(int unit);

// The windows of a practice, once its set is composed: FrmTm's reload timer
// armed (its first touch loads the question window, whose load loads the
// question and with it FrmMain), its mode timer armed, then FrmTm and FrmMain
// shown.
void showPracticeWindows();

} // namespace cover
