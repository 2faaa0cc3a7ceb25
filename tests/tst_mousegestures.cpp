// One gesture advances at most one step: the parts of a mouse gesture that
// follow the part that advanced (the release after a press or a double click,
// the click after a release, the rest of a release after its pop-up) leave
// the next step alone. Records of the test's own, on the real window.
#include "scenefixture.h"
#include "testsupport.h"

#include "cover/runstart.h"
#include "cover/runstate.h"
#include "simwin/scene/frmmain.h"
#include "simwin/scene/scenestate.h"

#include <QMenu>
#include <QtTest>

using ts::box;
using ts::record;

namespace {
QString s(const char *t) { return QString::fromUtf8(t); }

// Writes one question of these steps and shows its step 1.
FrmMain &start(ts::SceneFixture &fx, const QStringList &steps)
{
    fx.writeUnit(0, {steps});
    if (!run::startUnitPractice(0))
        qFatal("the test's unit cannot be read");
    FrmMain &w = FrmMain::get();
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        qWarning("FrmMain was not exposed");
    run::TmNo = 1;
    scene::StepNo = 1;
    w.setData();
    return w;
}

int stepNo() { return scene::StepNo; }

const QString kTarget = box(1500, '0', 1200, 1200, 300);
} // namespace

class TstMouseGestures : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void releaseAfterAdvancingDoubleClick();
    void releaseAfterAdvancingPress();
    void clickJumpWithKeys();
    void dismissedOverrideMenuFallsThrough();
};

void TstMouseGestures::cleanup()
{
    FrmMain::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TstMouseGestures::releaseAfterAdvancingDoubleClick()
{
    // A double-click step followed by a click step on the same place: the
    // release that ends the double click is not a click on step 2.
    ts::SceneFixture fx;
    FrmMain &w = start(fx, {record({{8, s("0002")}, {66, kTarget}}), record({{8, s("9001")}, {66, kTarget}}),
                            record({{8, s("9999")}})});
    QTest::mouseDClick(w.Label1, Qt::LeftButton);
    QCOMPARE(stepNo(), 2);
    QTest::mouseRelease(w.Label1, Qt::LeftButton);
    QCOMPARE(stepNo(), 2);
    // The next click is a gesture of its own.
    QTest::mouseClick(w.Label1, Qt::LeftButton);
    QCOMPARE(stepNo(), 3);
}

void TstMouseGestures::releaseAfterAdvancingPress()
{
    // A left press on Label4 with jump "0" completes step 1 at once; step 2's
    // Label4 release would jump to step 4, but the release belongs to the
    // press that already advanced.
    ts::SceneFixture fx;
    const QString source = box(3000, '0', 4500, 600, 450);
    FrmMain &w = start(fx, {record({{8, s("9001")}, {177, source}}),
                            record({{8, s("9001")}, {177, box(3000, '4', 4500, 600, 450)}}), record({{8, s("9001")}}),
                            record({{8, s("9999")}})});
    QTest::mousePress(w.Label4, Qt::LeftButton);
    QCOMPARE(stepNo(), 2);
    QTest::mouseRelease(w.Label4, Qt::LeftButton);
    QCOMPARE(stepNo(), 2);
    // A right press does nothing; its release follows the jump.
    QTest::mousePress(w.Label4, Qt::RightButton);
    QCOMPARE(stepNo(), 2);
    QTest::mouseRelease(w.Label4, Qt::RightButton);
    QCOMPARE(stepNo(), 4);
}

void TstMouseGestures::clickJumpWithKeys()
{
    // 9101 with jump 5: Shift alone with the left button goes to step 5.
    ts::SceneFixture fx;
    QStringList steps{record({{8, s("9101")}, {66, box(1500, '5', 1200, 1200, 300)}})};
    for (int i = 2; i <= 5; ++i)
        steps << record({{8, s("9999")}});
    FrmMain &w = start(fx, steps);
    QTest::mouseClick(w.Label1, Qt::LeftButton);
    QTest::mouseClick(w.Label1, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::mouseClick(w.Label1, Qt::RightButton, Qt::ShiftModifier);
    QCOMPARE(stepNo(), 1);
    QTest::mouseClick(w.Label1, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(stepNo(), 5);
}

void TstMouseGestures::dismissedOverrideMenuFallsThrough()
{
    // Override R8123 on a right-click step 9002: the override's menu opens
    // first; dismissed without a choice, the same release is the step's
    // right click.
    ts::SceneFixture fx;
    FrmMain &w = start(fx, {record({{8, s("9002")}, {66, kTarget}, {86, s("R8123")}}), record({{8, s("9999")}})});
    int shown = 0;
    QTimer dismiss;
    dismiss.setInterval(5);
    connect(&dismiss, &QTimer::timeout, [&] {
        if (w.wm100->isVisible()) {
            ++shown;
            QCOMPARE(w.StepType, 6123); // the override's code while its menu is open
            w.wm100->close();
        }
    });
    dismiss.start();
    QTest::mouseClick(w.Label1, Qt::RightButton);
    QCOMPARE(shown, 1);
    QCOMPARE(w.PopMenuNo, 1);
    QCOMPARE(stepNo(), 2);
}

QTEST_MAIN(TstMouseGestures)
#include "tst_mousegestures.moc"
