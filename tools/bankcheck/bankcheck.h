#pragma once
// Checks of a program folder's question bank, for bank authors and CI: every
// fault is named with its place (unit or paper, question, step) so it can be
// found in the files.

#include <QList>
#include <QString>

namespace bankcheck {

enum class FaultKind {
    File,         // a bank file is missing or unreadable
    Count,        // the paper list's counts disagree with the files
    StepCount,    // step counts of the question file against the step file's lines
    FinalStep,    // a question's last step is not "9999"
    RecordLength, // a record shorter than 212 characters
    AnswerLine,   // a referenced answer-text line is not there
    Picture,      // a named picture is missing or not a picture
    TabPage,      // a tab strip's layout, tabs or page pictures are not usable
    CursorFile,   // a cursor file the step names is missing
    MenuBlock,    // the right-click menu a step expects has no such item
    Jump,         // a jump leads outside its question
    Chrome,       // a menu target no click can answer, or a chrome picture it opens is missing
    Spot,         // a right-click step has no main target to right-click (the demonstration aims at it)
};

struct Fault {
    FaultKind kind;
    QString place; // "unit 2", "paper 1", or a file name
    int question = 0; // from 1; 0 when the fault is not a question's
    int step = 0;     // from 1; 0 when the fault is not a step's
    QString message;

    // "unit 2 question 5 step 3 [picture]: ..."
    QString text() const;
};

// The short name of a kind, as printed.
QString kindName(FaultKind kind);

// The data folder of a program folder: its subfolder that holds the paper
// list "288891.mxy" (empty when there is none).
QString findDataFolder(const QString &programDir);

// Checks the bank of a program folder whose data folder is dataDir (found
// with findDataFolder when empty). No faults: an empty list.
QList<Fault> checkProgramFolder(const QString &programDir, const QString &dataDir = QString());

} // namespace bankcheck
