#include "bankstep.h"

#include "cover/runstart.h"
#include "cover/runstate.h"
#include "foundation/productinfo.h"
#include "foundation/programfolder.h"
#include "simwin/scene/frmmain.h"
#include "simwin/scene/scenestate.h"

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
    progdir::overrideProgramFolder(copy_->path());
    fnd::readInfo();
    run::resetRunState();
    scene::resetSceneState();
    if (!run::startUnitPractice(unit - 1))
        return nullptr;
    FrmMain &w = FrmMain::get();
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        qWarning("FrmMain was not exposed");
    run::TmNo = qint16(question);
    scene::StepNo = qint16(step);
    w.setData();
    return &w;
}

void typeText(QWidget *w, const QString &text)
{
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace ts
