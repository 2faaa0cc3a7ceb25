// One gesture advances at most one step: the parts of a mouse gesture that
// follow the part that advanced (the release after a press or a double click,
// the click after a release, the rest of a release after its pop-up) leave
// the next step alone. Also the Cancel spot's lower bound and hint frames of
// two bars. Records of the test's own, on the real window.
#include "scenefixture.h"
#include "testsupport.h"
#include "windowdrive.h"

#include "foundation/globals.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/popupchoice.h"
#include "simwin/window/twips.h"

#include <QFile>
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
    if (!ts::composeUnit(0))
        qFatal("the test's unit cannot be read");
    FrmMain &w = ts::shownWindow();
    ts::buildStep(1, 1);
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
    void overrideMenuChoiceEndsTheRelease();
    void pointingSetsTheNextStepsPointer_data();
    void pointingSetsTheNextStepsPointer();
    void handleReleaseThenPictureClick();
    void handleOnItsLimitAtScale_data();
    void handleOnItsLimitAtScale();
    void cancelNeverBelowStepOne();
    void hintFramesOfTwoBars();
};

void TstMouseGestures::cleanup()
{
    FrmMain::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fnd::XBiLi = fnd::YBiLi = 1.0;
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
    int shown = 0, codeWhileOpen = 0;
    const simwin::ScopedPopupChooser dismiss([&](QMenu &, QPoint) -> QAction * {
        ++shown;
        codeWhileOpen = w.StepType;
        return nullptr;
    });
    QTest::mouseClick(w.Label1, Qt::RightButton);
    QCOMPARE(shown, 1);
    QCOMPARE(codeWhileOpen, 6123); // the override's code while its menu is open
    QCOMPARE(w.PopMenuNo, 1);
    QCOMPARE(stepNo(), 2);
}

void TstMouseGestures::overrideMenuChoiceEndsTheRelease()
{
    // Override R8123 on a right-click step 0003: choosing the override's item
    // advances; the same release is then not step 1's right click too.
    ts::SceneFixture fx;
    QVERIFY(QFile::copy(ts::sampleProgramDir() + QStringLiteral("/sMenu.sys"), fx.programDir() + QStringLiteral("/sMenu.sys")));
    FrmMain &w = start(fx, {record({{8, s("0003")}, {66, kTarget}, {86, s("R8123")}}), record({{8, s("9001")}, {66, kTarget}}),
                            record({{8, s("9999")}})});
    const simwin::ScopedPopupChooser choose(
        [](QMenu &menu, QPoint) { return simwin::popupSlotAction(menu, QStringLiteral("sKvelInde1"), 3); });
    QTest::mouseClick(w.Label1, Qt::RightButton);
    QCOMPARE(stepNo(), 2);
    QCOMPARE(w.StepType, 9001);
}

void TstMouseGestures::pointingSetsTheNextStepsPointer_data()
{
    QTest::addColumn<QString>("next");   // the next step's code
    QTest::addColumn<int>("afterMore"); // the shape once further moves are judged on it
    QTest::newRow("click step") << "9001" << int(Qt::WaitCursor);
    // The move was judged on the pointing step, not a drag step: the next
    // step's own pointer shows; a move judged on the drag step shows the
    // default.
    QTest::newRow("drag step 0040") << "0040" << int(Qt::ArrowCursor);
    QTest::newRow("drag step 0051") << "0051" << int(Qt::ArrowCursor);
}

void TstMouseGestures::pointingSetsTheNextStepsPointer()
{
    // "0030" advances on the first move; the next step's pointer (the
    // hourglass, 11) is over the target at once.
    QFETCH(QString, next);
    QFETCH(int, afterMore);
    ts::SceneFixture fx;
    FrmMain &w = start(fx, {record({{8, s("0030")}, {66, kTarget}}), record({{8, next}, {66, kTarget}, {101, s("S0011")}}),
                            record({{8, s("9999")}})});
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), w.Label1->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w.Label1, &move);
    QCOMPARE(stepNo(), 2);
    QCOMPARE(w.Label1->cursor().shape(), Qt::WaitCursor);
    // Further moves change no step.
    QApplication::sendEvent(w.Label1, &move);
    QCOMPARE(stepNo(), 2);
    QCOMPARE(int(w.Label1->cursor().shape()), afterMore);
}

void TstMouseGestures::handleReleaseThenPictureClick()
{
    // A handle (8002, limit 3600) whose successful release advances to a step
    // where the picture in the same place jumps to step 4: the click that
    // ends the release is not a click on step 2.
    ts::SceneFixture fx;
    fx.writePicture(QStringLiteral("hdl001"), QSize(20, 20), Qt::blue);
    FrmMain &w = start(fx, {record({{8, s("8002")}, {151, s("0300000300hdl001")}, {167, s("0360000000")}}),
                            record({{8, s("9001")}, {151, s("0300040300hdl001")}}),
                            record({{8, s("9999")}}), record({{8, s("9999")}})});
    QWidget *h = w.Image[5];
    QCOMPARE(h->geometry(), QRect(200, 20, 20, 20));
    QTest::mousePress(h, Qt::LeftButton, {}, QPoint(1, 1));
    for (int i = 0; i < 12; ++i) {
        const QPoint to = h->mapFromParent(QPoint(260, 25));
        QMouseEvent e(QEvent::MouseMove, to, h->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(h, &e);
    }
    QVERIFY(h->x() > 240);
    QTest::mouseRelease(h, Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(stepNo(), 2);
    QCOMPARE(h->geometry(), QRect(200, 20, 20, 20));
    // A click of its own follows the picture's jump.
    QTest::mouseClick(h, Qt::LeftButton);
    QCOMPARE(stepNo(), 4);
}

void TstMouseGestures::handleOnItsLimitAtScale_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("left"); // picture area 5 and the limit, design twips
    QTest::newRow("0.8") << 0.8 << "03601";
    QTest::newRow("1.25") << 1.25 << "03603";
}

void TstMouseGestures::handleOnItsLimitAtScale()
{
    // A handle (8002) that starts on its limit: the first release, without
    // a move, is on the limit at any scale.
    QFETCH(double, scale);
    QFETCH(QString, left);
    ts::SceneFixture fx;
    fnd::XBiLi = fnd::YBiLi = scale;
    fx.writePicture(QStringLiteral("hdl001"), QSize(20, 20), Qt::blue);
    FrmMain &w = start(fx, {record({{8, s("8002")}, {151, left + s("00300hdl001")}, {167, left + s("00000")}}),
                            record({{8, s("9999")}})});
    QTest::mouseClick(w.Image[5], Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(stepNo(), 2);
}

void TstMouseGestures::cancelNeverBelowStepOne()
{
    // Step 2's Cancel spot goes back three steps: it stops at step 1.
    ts::SceneFixture fx;
    FrmMain &w = start(fx, {record({{8, s("9001")}}), record({{8, s("9001")}, {125, s("Q0003")}, {167, s("0300003000")}}),
                            record({{8, s("9999")}})});
    scene::StepNo = 2;
    w.setData();
    QTest::mouseClick(w.LblXXK[0], Qt::LeftButton);
    QCOMPARE(stepNo(), 1);
}

void TstMouseGestures::hintFramesOfTwoBars()
{
    // Menu title 3 at 96 and toolbar button 45 at 86: two frames, each in
    // its bar; only in hint mode.
    ts::SceneFixture fx;
    FrmMain &w = start(fx, {record({{6, s("A3")}, {8, s("0000")}, {86, s("H450000000H030100000")}}),
                            record({{8, s("9999")}})});
    run::AnswerMode = 1;
    w.setData();
    QTRY_VERIFY(!w.TimerDisFK->isActive());
    QVERIFY(w.ShapeMenu->isVisible());
    QVERIFY(w.ShapeTool->isVisible());
    QCOMPARE(simwin::twipsRect(w.ShapeMenu), simwin::twipsRect(w.LblZHU[3]));
    QCOMPARE(simwin::twipsRect(w.ShapeTool), simwin::twipsRect(w.LblZHU[45]));
    QVERIFY(w.ShapeHui->isHidden() && w.ShapeElse->isHidden());
    // The final scene hides the hint: the next tick hides the frames.
    scene::StepNo = 2;
    w.setData();
    QTRY_VERIFY(!w.TimerDisFK->isActive());
    QVERIFY(w.ShapeMenu->isHidden() && w.ShapeTool->isHidden());
}

QTEST_MAIN(TstMouseGestures)
#include "tst_mousegestures.moc"
