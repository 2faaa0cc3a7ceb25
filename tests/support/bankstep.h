#pragma once
// Scenes of the generated sample bank on the real simulated window, for the
// operation-check tests: a private copy of the sample program folder, and
// step s of question q of a unit built on the shown window.

#include "testsupport.h"

#include <QJsonObject>
#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <memory>

class FrmMain;

namespace ts {

class BankSteps
{
public:
    // Copies the sample program folder and reads its product information.
    BankSteps();
    ~BankSteps();
    bool isValid() const;
    QString programDir() const;

    // Unit u (from 1), question q, step s built on the shown FrmMain; the
    // run and scene state are reset first. Nullptr when the unit cannot be
    // started.
    FrmMain *open(int unit, int question, int step);

private:
    std::unique_ptr<ProgramCopy> copy_;
};

// Runs `examsim-probe play <programDir> <unit> <question>` with the input
// lines and returns its answer lines as objects (unit from 0, as the probe
// counts).
// env: the probe's environment (by default the test's own).
QList<QJsonObject> playProbe(const QString &programDir, int unit, int question, const QByteArray &input,
                             const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment());

// Sends the characters of `text` to a widget as typed keys (any script).
void typeText(QWidget *w, const QString &text);

} // namespace ts
