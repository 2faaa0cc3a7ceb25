#include "bankstep.h"

#include "windowdrive.h"

#include "examflow/examstate.h"
#include "foundation/productinfo.h"
#include "foundation/programfolder.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"

#include <QJsonDocument>
#include <QProcess>
#include <QtTest>

namespace ts {

BankSteps::BankSteps() : copy_(std::make_unique<ProgramCopy>())
{
    if (copy_->isValid())
        fnd::readInfo();
}

BankSteps::~BankSteps() = default;

bool BankSteps::isValid() const { return copy_->isValid(); }

QString BankSteps::programDir() const { return copy_->path(); }

FrmMain *BankSteps::open(int unit, int question, int step)
{
    // A test with a program folder of its own may have pointed elsewhere.
    fnd::overrideProgramFolder(copy_->path());
    fnd::readInfo();
    run::resetRunState();
    scene::resetSceneState();
    exam::resetExamState();
    if (!ts::composeUnit(unit - 1))
        return nullptr;
    FrmMain &w = shownWindow();
    buildStep(question, step);
    return &w;
}

QList<QJsonObject> playProbe(const QString &programDir, int unit, int question, const QByteArray &input,
                             const QProcessEnvironment &env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(toolPath(QStringLiteral("examsim-probe")),
            {QStringLiteral("play"), programDir, QString::number(unit), QString::number(question)});
    QList<QJsonObject> answers;
    if (!p.waitForStarted())
        return answers;
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return answers;
    for (const QByteArray &line : p.readAllStandardOutput().trimmed().split('\n'))
        answers << QJsonDocument::fromJson(line).object();
    return answers;
}

void typeText(QWidget *w, const QString &text)
{
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace ts
