#pragma once
// Turning a question set into a run: the working-file names of the set and
// the first step line of each question. The whole-unit practice is composed
// here too, since it needs no working files of its own.

#include <QString>

namespace run {

// The two digits that name a working file: the last two characters of "00"
// and the decimal value of n.
QString workFileDigits(int n);
// The step file and the question file of a question set: "2888" and the
// digits of paperType + taoNo, or of paperType + 50 + taoNo, in the data
// folder.
QString stepFileFor(int paperType, int taoNo);
QString tmFileFor(int paperType, int taoNo);

// Names the run's files, sets TmNo, the step and LeftMinutes, and fills
// StepStart from the step counts (characters 5-6) of the question file's
// lines; a blank line ends the scan. The question file must be readable;
// otherwise StepStart keeps only entry 1 and false is returned.
bool prepareRun();

// Composes the practice of all questions of unit u (0 for the first): set 20
// on the unit's own files ("2888" & 20+u and 70+u), every question not done
// and in practice mode, then prepareRun(). False when the unit's question
// file cannot be read or is empty.
bool startUnitPractice(int unit);

} // namespace run
