#pragma once
// src/run/ (layer 2, core library, namespace run): the run state (this
// header), the learner records and the composition of question sets.
//
// The question set of the current practice or exam run and the choices that
// shape it. Composed by the cover; read by the question window, the simulated
// window and the demonstration. One home; tests reset it.

#include <QString>
#include <array>

namespace run {

constexpr int MaxQuestions = 500;

// 0 fixed paper, 2 unfinished of last exam, 5/6 unit done/not done, 8 random
// paper, 9-11 marked, 12-14 wrong, 20 whole unit. See the working-file naming.
inline qint16 PaperType = 0;
inline qint16 TaoNo = 0;
inline qint16 RecNo = 0;

inline qint16 TmNo = 1;  // current question, from 1
inline qint16 TmSum = 0; // questions in the set

// Per question, indexed 1 to 500 (index 0 unused).
inline std::array<qint16, MaxQuestions + 1> TmId{};
inline std::array<qint16, MaxQuestions + 1> TmState{}; // 1 visited, 2 marked, 4 completed
inline std::array<QString, MaxQuestions + 1> TmDone;   // "T"/"F" from the records
inline std::array<qint16, MaxQuestions + 1> StepStart{}; // first line in the step file

inline qint16 AnswerMode = 2; // 1 hints shown, 2 practice, 3 exam
inline qint16 LeftMinutes = 50;
inline QString ExamStart;
inline bool TmCanUnload = false; // the question window refuses to unload while false

// Working files of the run.
inline QString StepFile;
inline QString TmFile;
inline QString CommonDataFile;
// The question line last read from TmFile (kept when the file cannot be read).
inline QString TmLine;

inline bool UseIME = false;
inline bool YanShiRun = false; // a demonstration is requested or running
inline QString BankVersion;
inline qint16 PaperCount = 0;
inline qint16 UnitCount = 0;

void resetRunState();

} // namespace run
