#pragma once
// Solving bank questions through the probe: from the step record of the
// scene on show, the operation the step expects, as `examsim-probe play`
// commands, and the step the answer must land on. The record alone decides,
// as it does for the program's own checks; the scene (the probe's `scene`
// answer) only tells where controls lie when a place must be found. Pop-up
// items, keys and jumps are read from the record's characters here, not
// with the program's own decoders.
//
// A step on the window chrome is played as the clicks that complete its
// first target field: the bar cell, the drop-down's item, the sub-menu's
// sub-item.

#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>

namespace solver {


struct StepPlan
{
    QStringList commands; // play commands, in order
    QString problem;      // why no plan could be made (empty: planned)
    int landsOn = 0;      // the step the record's jump names for this answer
};

// The commands that perform the step of `scene` (the probe's `scene`
// answer). answerFile: the answer-text file of the bank, for typed texts.
StepPlan planStep(const QJsonObject &scene, const QString &answerFile);

// A word of a play command, quoted when it holds blanks or quotes.
QString quoted(const QString &word);

// One `examsim-probe play` process: a command a line in, a JSON line out.
class ProbeSession
{
public:
    ProbeSession(const QString &probe, const QString &programDir, int unit, int question);
    // Any subcommand: `app <folder>`, `play <folder> paper <p>`; inChild,
    // when given, runs in the child before the probe starts (a fault of its
    // own, tests/support/childfaults.h).
    ProbeSession(const QString &probe, const QStringList &args, const std::function<void()> &inChild = {});
    ~ProbeSession();
    bool isRunning() const;
    // The answer to one command; {"error": ...} when the probe gave none.
    QJsonObject send(const QString &command);
    // The next line the probe writes, unasked (the ready line, the end).
    QJsonObject next();
    // Closes the input and waits for the probe to end; its exit code, or -1.
    int finish();
    QString errors();

private:
    QProcess process_;
};

// Sends a step's commands as a candidate performs them: where the docked
// question window covers the place to press, it is collapsed to its bar
// first and restored once the step is done. Returns what went wrong (empty:
// nothing); sent receives every command sent.
QString performPlan(ProbeSession &probe, const StepPlan &plan, QStringList *sent);

// Plays one question from its first scene to its final one. Returns an
// empty text when the question was completed, else what went wrong (with
// the commands sent). visited, when given, receives every scene's step,
// the final one included.
QString solveQuestion(ProbeSession &probe, const QString &answerFile, int maxSteps = 60, QList<int> *visited = nullptr);

// The probe's answers: the object of `list` whose "name" is `name` (empty
// when none), and the names of an answer's "windows" in its order.
QJsonObject findNamed(const QJsonArray &list, const QString &name);
QStringList windowNames(const QJsonObject &answer);

} // namespace solver
