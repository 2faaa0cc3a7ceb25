#include "windowdrive.h"

#include "scenefixture.h"

#include "bank/bankfiles.h"
#include "cover/frmfengmian.h"
#include "cover/runstart.h"
#include "demo/window/frmyanshi.h"
#include "examflow/frmtm.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/ui/kvelbutton.h"
#include "run/compose.h"
#include "run/coverdata.h"
#include "run/records.h"
#include "run/runstate.h"
#include "simwin/scene/keycodes.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"

#include <QtTest>
#include <algorithm>

namespace ts {

FrmFengmian &shownCover()
{
    FrmFengmian &w = FrmFengmian::get();
    w.show();
    [&] { QVERIFY(QTest::qWaitForWindowExposed(&w)); }();
    return w;
}

void clickCover(int index)
{
    kvelButton *b = FrmFengmian::get().ClickBotn[size_t(index)];
    QVERIFY2(b->isVisible(), qPrintable(b->objectName()));
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, 4));
}

FrmMain &shownWindow()
{
    FrmMain &w = FrmMain::get();
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        qWarning("FrmMain was not exposed");
    return w;
}

bool composeUnit(int unit)
{
    const auto head = fnd::readHeadLines(fnd::dataFile(bank::unitFiles(unit).tm), run::MaxQuestions, -1);
    const int count = head ? run::questionCountOf(head->lines) : 0;
    const run::UnitColumns row = run::unitColumns(run::fitFlags(run::readUnitProgress().value(unit), count));
    auto &table = fnd::UnitTable[size_t(std::clamp(unit, 0, int(fnd::UnitTable.size()) - 1))];
    table[2] = row.count;
    table[3] = row.notDone;
    table[4] = row.flags;
    run::UnitCount = run::paperCounts(fnd::readLines(fnd::dataFile(bank::PaperListFile)).value_or(QStringList())).units;
    run::AnswerMode = 2;
    return cover::composeUnitPractice(unit) && cover::prepareLianXi();
}

FrmMain &startPractice()
{
    cover::showPracticeWindows();
    FrmTm &tm = FrmTm::get();
    FrmMain &w = FrmMain::get();
    if (!QTest::qWaitFor([&] { return !tm.TimerREDO->isActive() && !w.Timer2->isActive(); }))
        qWarning("the first question was not loaded");
    if (!QTest::qWaitForWindowExposed(&w))
        qWarning("FrmMain was not exposed");
    return w;
}

void loadQuestion(int q)
{
    run::TmNo = qint16(q);
    FrmTm::get().DqExam();
    FrmMain &w = FrmMain::get();
    if (!QTest::qWaitFor([&] { return !w.Timer2->isActive(); }))
        qWarning("the question's scene was not built");
}

void unloadRunWindows()
{
    run::TmCanUnload = true;
    FrmYanShi::unload();
    FrmTm::unload();
    FrmPicture::unload();
    FrmMain::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void buildStep(int q, int step)
{
    run::TmNo = qint16(q);
    scene::StepNo = qint16(step);
    FrmMain::get().setData();
}

FrmYanShi &demoOn(SceneFixture &fx, const QStringList &records, int step)
{
    fx.writeUnit(0, {records});
    if (!ts::composeUnit(0))
        qFatal("the fixture unit cannot be started");
    run::YanShiRun = true;
    FrmYanShi &w = FrmYanShi::get();
    if (step != 1) {
        w.DemoStep = qint16(step);
        w.setData();
    }
    return w;
}

bool pressKey(const QString &name)
{
    const auto k = scene::parseQtKey(name);
    if (!k)
        return false;
    FrmMain &w = FrmMain::get();
    QWidget *to = w.focusWidget() ? w.focusWidget() : &w;
    QTest::keyClick(to, k->key, k->modifiers);
    return true;
}

} // namespace ts
