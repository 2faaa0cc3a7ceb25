// Mouse operations on the simulated window, on the generated sample bank:
// clicks with buttons and keys on the main target, double clicks, pointing,
// the red-box confirmation of typed text, drags from the second target, the
// handle, the dialog tabs and the hint frames. Real mouse events on the real
// window (offscreen).
#include "bankstep.h"
#include "testsupport.h"
#include "windowdrive.h"

#include "examflow/examstate.h"
#include "foundation/globals.h"
#include "foundation/productinfo.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/popupchoice.h"
#include "simwin/window/twips.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

namespace {

// Question q of unit u (0 = the first unit) as practice, at step `step`.
FrmMain &openQuestion(int unit, int q, int step = 1)
{
    ts::unloadRunWindows();
    run::resetRunState();
    scene::resetSceneState();
    exam::resetExamState();
    if (!ts::composeUnit(unit))
        qFatal("unit %d of the sample bank is missing", unit);
    FrmMain &w = ts::startPractice();
    if (q != 1)
        ts::loadQuestion(q);
    if (step != 1) {
        scene::StepNo = qint16(step);
        w.setData();
    }
    return w;
}

int stepNo() { return scene::StepNo; }

// A pointer move without buttons, as the window system sends it.
void hover(QWidget *w, QPoint at)
{
    QMouseEvent e(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// A pointer move with the left button held and the keys `mods`.
void drag(QWidget *w, QPoint at, Qt::KeyboardModifiers mods = {})
{
    QMouseEvent e(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, mods);
    QApplication::sendEvent(w, &e);
}

// The point of `to` (pixels in its own coordinates) in the coordinates of `from`.
QPoint mapBetween(const QWidget *from, const QWidget *to, QPoint at) { return from->mapFrom(to->window(), to->mapTo(to->window(), at)); }

} // namespace

class TstMouseChecks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void targetClicks_data();
    void targetClicks();
    void singleClickDoesNothingOnDoubleClickStep();
    void firstHoverAdvancesPointingStep();
    void redBoxConfirmsTypedText();
    void rightClickMenuDismissedFallsThrough();
    void shiftDragOntoTargetEdge();
    void pointerDrags_data();
    void pointerDrags();
    void typedTextConfirmedOnSecondTarget();
    void pictureClicks_data();
    void pictureClicks();
    void movesOverPicturesCloseDropDowns();
    void handleDrag_data();
    void handleDrag();
    void handleMovesOnlyWithLeftButton();
    void wrongAndRightTab();
    void twoRowStripSwapsRows();
    void cancelSpot_data();
    void cancelSpot();
    void hintFrameOnTheBar();
    void probeShowsHintFrames();

private:
    std::unique_ptr<ts::ProgramCopy> copy_;
};

void TstMouseChecks::initTestCase()
{
    // Reading the product information marks the first run: work on a copy.
    copy_ = std::make_unique<ts::ProgramCopy>();
    QVERIFY(copy_->isValid());
    fnd::readInfo();
    QVERIFY(!fnd::DataPath.isEmpty());
}

void TstMouseChecks::cleanup()
{
    ts::unloadRunWindows();
}

void TstMouseChecks::targetClicks_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("expected");
    const int L = Qt::LeftButton, R = Qt::RightButton, M = Qt::MiddleButton;
    const int none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier, alt = Qt::AltModifier;
    // 9001: a plain left click only.
    QTest::newRow("9001 left") << 0 << 13 << 1 << L << none << 2;
    QTest::newRow("9001 shift-left") << 0 << 13 << 1 << L << shift << 1;
    QTest::newRow("9001 right") << 0 << 13 << 1 << R << none << 1;
    QTest::newRow("9001 middle") << 0 << 13 << 1 << M << none << 1;
    // 9101: Shift alone with the left button.
    QTest::newRow("9101 shift-left") << 0 << 13 << 2 << L << shift << 3;
    QTest::newRow("9101 left") << 0 << 13 << 2 << L << none << 2;
    QTest::newRow("9101 shift-ctrl-left") << 0 << 13 << 2 << L << (shift | ctrl) << 2;
    // 9401 Alt, 9201 Ctrl.
    QTest::newRow("9401 alt-left") << 1 << 14 << 1 << L << alt << 2;
    QTest::newRow("9401 ctrl-left") << 1 << 14 << 1 << L << ctrl << 1;
    QTest::newRow("9201 ctrl-left") << 1 << 14 << 2 << L << ctrl << 3;
    // 0001: a plain left click; Ctrl held does nothing.
    QTest::newRow("0001 left") << 2 << 11 << 1 << L << none << 2;
    QTest::newRow("0001 ctrl-left") << 2 << 11 << 1 << L << ctrl << 1;
    // 9001 whose jump digit is 4 goes to step 4.
    QTest::newRow("9001 jump 4") << 2 << 6 << 2 << L << none << 4;
    // "0002": a single click does nothing.
    QTest::newRow("0002 single click") << 0 << 6 << 1 << L << none << 1;
}

void TstMouseChecks::targetClicks()
{
    QFETCH(int, unit);
    QFETCH(int, question);
    QFETCH(int, step);
    QFETCH(int, button);
    QFETCH(int, modifiers);
    QFETCH(int, expected);
    FrmMain &w = openQuestion(unit, question, step);
    QCOMPARE(stepNo(), step);
    QVERIFY(w.Label1->isVisible());
    QTest::mouseClick(w.Label1, Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(stepNo(), expected);
}

void TstMouseChecks::singleClickDoesNothingOnDoubleClickStep()
{
    FrmMain &w = openQuestion(0, 6);
    QCOMPARE(scene::stepTypeText(scene::StepLine), u"0002");
    QTest::mouseClick(w.Label1, Qt::LeftButton);
    QCOMPARE(stepNo(), 1);
    // The double click: press, release, double click, release.
    QTest::mousePress(w.Label1, Qt::LeftButton);
    QTest::mouseRelease(w.Label1, Qt::LeftButton);
    QCOMPARE(stepNo(), 1);
    QTest::mouseDClick(w.Label1, Qt::LeftButton);
    QCOMPARE(stepNo(), 2);
    QTest::mouseRelease(w.Label1, Qt::LeftButton);
    QCOMPARE(stepNo(), 2);
}

void TstMouseChecks::firstHoverAdvancesPointingStep()
{
    FrmMain &w = openQuestion(0, 8);
    QCOMPARE(scene::stepTypeText(scene::StepLine), u"0030");
    hover(w.Label1, QPoint(2, 2));
    QCOMPARE(stepNo(), 2);
    QCOMPARE(scene::stepTypeText(scene::StepLine), u"8888");
}

void TstMouseChecks::redBoxConfirmsTypedText()
{
    // 0022 "index.htm": trimmed and case-blind; the left button only.
    FrmMain &w = openQuestion(0, 2, 2);
    QCOMPARE(scene::stepTypeText(scene::StepLine), u"0022");
    QTest::mouseClick(w.Label1, Qt::LeftButton);
    QCOMPARE(stepNo(), 2); // the initial text is not the answer
    w.Text1->setText(QStringLiteral("  INDEX.HTM "));
    QTest::mouseClick(w.Label1, Qt::RightButton);
    QCOMPARE(stepNo(), 2);
    w.Text1->setText(QStringLiteral("index .htm"));
    QTest::mouseClick(w.Label1, Qt::LeftButton);
    QCOMPARE(stepNo(), 2);
    w.Text1->setText(QStringLiteral("  INDEX.HTM "));
    QTest::mouseClick(w.Label1, Qt::LeftButton);
    QCOMPARE(stepNo(), 3);
}

void TstMouseChecks::rightClickMenuDismissedFallsThrough()
{
    // 3123: a right release opens menu 1 of its family; a left one does not.
    {
        FrmMain &w = openQuestion(0, 3);
        int shown = 0;
        const simwin::ScopedPopupChooser dismiss([&](QMenu &, QPoint) -> QAction * { ++shown; return nullptr; });
        QTest::mouseClick(w.Label1, Qt::LeftButton);
        QCOMPARE(shown, 0);
        QTest::mouseClick(w.Label1, Qt::RightButton);
        QCOMPARE(shown, 1);
        QCOMPARE(w.PopMenuNo, 1);
        QCOMPARE(stepNo(), 1);
        QCOMPARE(w.StepType, 3123);
    }
    // Override R8123 on code 0000: the menu opens; dismissed, the step's own
    // code (jump "0") does nothing, and StepType is the step's own again.
    {
        FrmMain &w = openQuestion(0, 12);
        QCOMPARE(scene::chars(scene::StepLine, 86, 5), u"R8123");
        int shown = 0;
        const simwin::ScopedPopupChooser dismiss([&](QMenu &, QPoint) -> QAction * { ++shown; return nullptr; });
        QTest::mouseClick(w.Label1, Qt::RightButton);
        QCOMPARE(shown, 1);
        QCOMPARE(w.PopMenuNo, 1);
        QCOMPARE(stepNo(), 1);
        QCOMPARE(w.StepType, 0);
    }
}

void TstMouseChecks::shiftDragOntoTargetEdge()
{
    // 0041, pane "EE": a drag with Shift from Label4 to Label1.
    FrmMain &w = openQuestion(1, 4);
    QCOMPARE(scene::stepTypeText(scene::StepLine), u"0041");
    const QRectF target = simwin::twipsRect(w.Label1);
    // Label1's bottom-right corner, in Label4's pixels (the sample's
    // rectangles lie on whole pixels).
    const QPoint corner = mapBetween(w.Label4, w.Label1, QPoint(w.Label1->width(), w.Label1->height()));
    QCOMPARE(simwin::twipsLeft(w.Label4) + corner.x() * 15.0, target.right());
    QCOMPARE(simwin::twipsTop(w.Label4) + corner.y() * 15.0, target.bottom());

    // Without Shift: no outline, and the release does nothing.
    QTest::mousePress(w.Label4, Qt::LeftButton);
    QVERIFY(w.Shape6->isHidden());
    drag(w.Label4, corner);
    QTest::mouseRelease(w.Label4, Qt::LeftButton, {}, corner);
    QCOMPARE(stepNo(), 1);

    // With Shift, released one pixel beyond the edge: the outline goes.
    const QPoint beyond = corner + QPoint(1, 1);
    QTest::mousePress(w.Label4, Qt::LeftButton, Qt::ShiftModifier);
    QVERIFY(!w.Shape6->isHidden());
    drag(w.Label4, beyond, Qt::ShiftModifier);
    QTest::mouseRelease(w.Label4, Qt::LeftButton, Qt::ShiftModifier, beyond);
    QCOMPARE(stepNo(), 1);
    QVERIFY(w.Shape6->isHidden());

    // With Shift, released on the edge: the next step.
    const QPoint press = w.Label4->rect().center();
    QTest::mousePress(w.Label4, Qt::LeftButton, Qt::ShiftModifier, press);
    QCOMPARE(QPointF(w.DragStartX, w.DragStartY), simwin::twipsRect(w.Label4).topLeft() + QPointF(press) * 15.0);
    drag(w.Label4, corner, Qt::ShiftModifier);
    // The outline keeps its corner at the press point.
    QCOMPARE(simwin::twipsRect(w.Shape6), QRectF(w.DragStartX, w.DragStartY, target.right() - w.DragStartX,
                                        target.bottom() - w.DragStartY));
    QTest::mouseRelease(w.Label4, Qt::LeftButton, Qt::ShiftModifier, corner);
    QCOMPARE(stepNo(), 2);
}

void TstMouseChecks::pointerDrags_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("pointer"); // the cursor shape during the drag; -1 the cursor file
    QTest::addColumn<int>("expected");
    // 0050: pointer from ico07.CUR, drop jump "0".
    QTest::newRow("0050") << 5 << int(Qt::NoModifier) << -1 << 2;
    // 0052: Ctrl held, standard pointer 15, drop jump "2".
    QTest::newRow("0052") << 6 << int(Qt::ControlModifier) << int(Qt::SizeAllCursor) << 2;
}

void TstMouseChecks::pointerDrags()
{
    QFETCH(int, question);
    QFETCH(int, modifiers);
    QFETCH(int, pointer);
    QFETCH(int, expected);
    const auto mods = Qt::KeyboardModifiers(modifiers);
    FrmMain &w = openQuestion(1, question);
    const QPoint inside = mapBetween(w.Label4, w.Label1, w.Label1->rect().center());
    // Released inside without a drag pointer shown: a press and release only.
    QTest::mousePress(w.Label4, Qt::LeftButton, mods);
    QTest::mouseRelease(w.Label4, Qt::LeftButton, mods, inside);
    QCOMPARE(stepNo(), 1);
    QVERIFY(!w.Dragging);
    // Wrong keys: no drag starts.
    QTest::mousePress(w.Label4, Qt::LeftButton, mods ^ Qt::ShiftModifier);
    QVERIFY(!w.Dragging);
    QTest::mouseRelease(w.Label4, Qt::LeftButton, mods ^ Qt::ShiftModifier, inside);
    QCOMPARE(stepNo(), 1);

    QTest::mousePress(w.Label4, Qt::LeftButton, mods);
    QVERIFY(w.Dragging);
    drag(w.Label4, inside, mods);
    QVERIFY(w.Label4->testAttribute(Qt::WA_SetCursor));
    if (pointer >= 0)
        QCOMPARE(int(w.Label4->cursor().shape()), pointer);
    else
        QCOMPARE(w.Label4->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseRelease(w.Label4, Qt::LeftButton, mods, inside);
    QCOMPARE(stepNo(), expected);
}

void TstMouseChecks::typedTextConfirmedOnSecondTarget()
{
    // 0028 "index.htm", confirmed on Label4: the press does nothing, the
    // release with the right text advances.
    FrmMain &w = openQuestion(2, 11, 3);
    QCOMPARE(scene::stepTypeText(scene::StepLine), u"0028");
    w.Text1->setText(QStringLiteral("default.htm"));
    QTest::mouseClick(w.Label4, Qt::LeftButton);
    QCOMPARE(stepNo(), 3);
    w.Text1->setText(QStringLiteral("Index.htm"));
    QTest::mousePress(w.Label4, Qt::LeftButton);
    QCOMPARE(stepNo(), 3);
    QTest::mouseRelease(w.Label4, Qt::LeftButton);
    QCOMPARE(stepNo(), 4);
}

void TstMouseChecks::pictureClicks_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("image");
    QTest::addColumn<int>("expected");
    QTest::newRow("Image2 jumps back to step 3") << 0 << 13 << 4 << 2 << 3;
    QTest::newRow("Image6 jumps to step 3") << 2 << 13 << 2 << 6 << 3;
    QTest::newRow("Image5 with jump 0") << 0 << 11 << 1 << 5 << 1;
}

void TstMouseChecks::pictureClicks()
{
    QFETCH(int, unit);
    QFETCH(int, question);
    QFETCH(int, step);
    QFETCH(int, image);
    QFETCH(int, expected);
    FrmMain &w = openQuestion(unit, question, step);
    QVERIFY(w.Image[image]->isVisible());
    QTest::mouseClick(w.Image[image], Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(stepNo(), expected);
}

void TstMouseChecks::movesOverPicturesCloseDropDowns()
{
    // A drop-down of the bars left open closes when the pointer moves over
    // Image1-4, not over the handle (Image5) or Image6.
    struct Row { int unit, question, step, image; bool closes; };
    for (const Row &r : {Row{2, 13, 2, 6, false}, Row{0, 11, 1, 5, false}, Row{0, 13, 4, 2, true}}) {
        FrmMain &w = openQuestion(r.unit, r.question, r.step);
        QVERIFY(w.Image[r.image]->isVisible());
        w.Pic1J->show();
        w.CurZHU = 5;
        hover(w.Image[r.image], QPoint(2, 2));
        QCOMPARE(w.Pic1J->isHidden(), r.closes);
        QCOMPARE(w.CurZHU, r.closes ? 0 : 5);
    }
}

// Presses the handle, moves the pointer `moves` times to the window point
// `to` (pixels) with the left button held, and releases on the handle.
static void dragHandle(FrmMain &w, QPoint to, int moves = 16)
{
    QWidget *h = w.Image[5];
    QTest::mousePress(h, Qt::LeftButton, {}, QPoint(1, 1));
    for (int i = 0; i < moves; ++i)
        drag(h, h->mapFromParent(to));
    QTest::mouseRelease(h, Qt::LeftButton, {}, QPoint(1, 1));
}

void TstMouseChecks::handleDrag_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("dx"); // -1 left, 1 right, 0 that axis stays
    QTest::addColumn<int>("dy");
    QTest::newRow("8007 down-right") << 0 << 11 << 1 << 1 << 1;
    QTest::newRow("8002 right") << 1 << 7 << 1 << 1 << 0;
    QTest::newRow("8004 down") << 1 << 7 << 2 << 0 << 1;
    QTest::newRow("8001 left") << 2 << 8 << 1 << -1 << 0;
    QTest::newRow("8003 up") << 2 << 9 << 1 << 0 << -1;
    QTest::newRow("8009 up-right") << 2 << 9 << 2 << 1 << -1;
    QTest::newRow("8006 down-left") << 2 << 10 << 1 << -1 << 1;
    QTest::newRow("8008 up-left") << 2 << 10 << 2 << -1 << -1;
}

void TstMouseChecks::handleDrag()
{
    QFETCH(int, unit);
    QFETCH(int, question);
    QFETCH(int, step);
    QFETCH(int, dx);
    QFETCH(int, dy);
    FrmMain &w = openQuestion(unit, question, step);
    QVERIFY(w.StepType >= 8001 && w.StepType <= 8009);
    const QPointF start = simwin::twipsRect(w.Image[5]).topLeft();
    const QPointF limit(w.DragLimitX * fnd::XBiLi, w.DragLimitY * fnd::YBiLi);
    // The pointer's goal for an axis: 40 pixels short of the limit or past
    // it; an axis the code does not move keeps the handle's own place.
    auto goal = [&](int overshoot) {
        const double x = dx ? limit.x() + dx * overshoot * 600 : start.x();
        const double y = dy ? limit.y() + dy * overshoot * 600 : start.y();
        return QPoint(fnd::twipsToPx(x), fnd::twipsToPx(y));
    };

    // Short of the limit: the handle goes back where the scene put it.
    dragHandle(w, goal(-1));
    QCOMPARE(stepNo(), step);
    QCOMPARE(simwin::twipsRect(w.Image[5]).topLeft(), start);
    QCOMPARE(QPointF(w.DragX, w.DragY), start);

    // Past it: the handle lands on the limit and the step advances once.
    dragHandle(w, goal(1));
    QCOMPARE(stepNo(), step + 1);
    // Where the next scene has no handle, the hidden handle still stands
    // where it landed.
    if (w.Image[5]->isHidden()) {
        const QPointF at = simwin::twipsRect(w.Image[5]).topLeft();
        QCOMPARE(at.x(), dx ? limit.x() : start.x());
        QCOMPARE(at.y(), dy ? limit.y() : start.y());
    }
}

void TstMouseChecks::handleMovesOnlyWithLeftButton()
{
    FrmMain &w = openQuestion(1, 7);
    QCOMPARE(w.StepType, 8002);
    const QPointF start = simwin::twipsRect(w.Image[5]).topLeft();
    QWidget *h = w.Image[5];
    QTest::mousePress(h, Qt::RightButton, {}, QPoint(1, 1));
    QMouseEvent e(QEvent::MouseMove, QPoint(200, 1), h->mapToGlobal(QPoint(200, 1)), Qt::NoButton,
                  Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(h, &e);
    QCOMPARE(simwin::twipsRect(h).topLeft(), start);
    // Its release is still tested: the handle stands short, so it stays.
    QTest::mouseRelease(h, Qt::RightButton, {}, QPoint(1, 1));
    QCOMPARE(stepNo(), 1);
    // One left-button move carries the handle half way to the pointer.
    QTest::mousePress(h, Qt::LeftButton, {}, QPoint(0, 1));
    drag(h, QPoint(40, 1));
    QCOMPARE(simwin::twipsLeft(h), start.x() + 40 * 15 / 2);
    QCOMPARE(w.DragX, qint32(start.x() + 300));
}

void TstMouseChecks::wrongAndRightTab()
{
    // Strip A: the second tab is shown, the first is asked for.
    FrmMain &w = openQuestion(0, 3, 2);
    const QString own = scene::pictureArea(scene::StepLine, 1).name;
    const QSize box(fnd::twipsToPx(w.Label1BoxWidth), fnd::twipsToPx(w.Label1BoxHeight));
    QCOMPARE(w.TabTarget, 1);
    QCOMPARE(w.Label1->size(), QSize(0, 0));

    // A wrong tab: its page, the target still out of reach, the hint names
    // the target tab and the red box marks it.
    QTest::mouseClick(w.LblXXK[3], Qt::LeftButton);
    QCOMPARE(w.Image[1]->pictureName(), w.TabLayout.mid(29, 6));
    QCOMPARE(w.Label1->size(), QSize(0, 0));
    QCOMPARE(w.LHelp->text(), QStringLiteral("请选择第1个选项卡"));
    QCOMPARE(simwin::twipsRect(w.Shape1), simwin::twipsRect(w.LblXXK[1]));

    // The right tab: the step's own picture, the target at its box size
    // under the red box, the step's hint; the step does not advance.
    QTest::mouseClick(w.LblXXK[1], Qt::LeftButton);
    QCOMPARE(w.Image[1]->pictureName(), own);
    QCOMPARE(w.Label1->size(), box);
    QCOMPARE(simwin::twipsRect(w.Shape1), simwin::twipsRect(w.Label1));
    QCOMPARE(w.LHelp->text(), w.HintText);
    QCOMPARE(stepNo(), 2);
    QTest::mouseClick(w.Label1, Qt::LeftButton);
    QCOMPARE(stepNo(), 3);
}

void TstMouseChecks::twoRowStripSwapsRows()
{
    // Strip F: ten tabs in two rows, tab 8 shown, tab 3 asked for.
    FrmMain &w = openQuestion(2, 4, 2);
    QCOMPARE(w.TabCount, 10);
    const auto top = [&](int i) { return w.LblXXK[i]->y(); };
    const int front = top(8), back = top(1);
    QCOMPARE(front - back, fnd::twipsToPx(300 * fnd::YBiLi));
    QTest::mouseClick(w.LblXXK[3], Qt::LeftButton);
    QCOMPARE(w.TabRow, 1);
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(top(i), front);
    for (int i = 7; i <= 10; ++i)
        QCOMPARE(top(i), back);
    QVERIFY(w.Label1->width() > 0);
    QTest::mouseClick(w.LblXXK[8], Qt::LeftButton);
    QCOMPARE(top(3), back);
    QCOMPARE(top(8), front);
    QCOMPARE(w.Label1->size(), QSize(0, 0));
}

void TstMouseChecks::cancelSpot_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("backSpec");
    QTest::addColumn<int>("expected");
    QTest::newRow("Q back 1") << 2 << 5 << 2 << "Q0001" << 1;
    QTest::newRow("Q back 2") << 2 << 5 << 4 << "Q0002" << 2;
    QTest::newRow("Q back 4") << 2 << 5 << 5 << "Q0004" << 1;
    QTest::newRow("NONO back 1") << 0 << 3 << 2 << "NONO" << 1;
}

void TstMouseChecks::cancelSpot()
{
    QFETCH(int, unit);
    QFETCH(int, question);
    QFETCH(int, step);
    QFETCH(QString, backSpec);
    QFETCH(int, expected);
    FrmMain &w = openQuestion(unit, question, step);
    QCOMPARE(w.BackSpec, backSpec);
    QVERIFY(w.LblXXK[0]->width() > 0);
    QTest::mouseClick(w.LblXXK[0], Qt::LeftButton);
    QCOMPARE(stepNo(), expected);
}

void TstMouseChecks::hintFrameOnTheBar()
{
    // "H0101": the File menu title. Outside hint mode the tick draws nothing.
    FrmMain &w = openQuestion(0, 1);
    QTRY_VERIFY(!w.TimerDisFK->isActive());
    for (QWidget *f : {w.ShapeMenu, w.ShapeTool, w.ShapeHui, w.ShapeElse})
        QVERIFY(f->isHidden());
    // In hint mode the frame outlines the cell, in the menu bar.
    run::AnswerMode = 1;
    w.setData();
    QVERIFY(w.TimerDisFK->isActive());
    QTRY_VERIFY(!w.ShapeMenu->isHidden());
    QCOMPARE(w.ShapeMenu->parentWidget(), w.PicMenu);
    QCOMPARE(simwin::twipsRect(w.ShapeMenu), simwin::twipsRect(w.LblZHU[1]));
    QVERIFY(w.ShapeMenu->isVisible());
    for (QWidget *f : {w.ShapeTool, w.ShapeHui, w.ShapeElse})
        QVERIFY(f->isHidden());
    // The frame lets the click through to the cell.
    QCOMPARE(w.PicMenu->childAt(w.LblZHU[1]->geometry().center()), w.LblZHU[1]);
}

void TstMouseChecks::probeShowsHintFrames()
{
    // The probe's scene lists the four frames; the hint button shows the one
    // around the File menu's title.
    const QList<QJsonObject> lines = ts::playProbe(copy_->path(), 0, 1, "scene\nhint\nscene\n");
    QCOMPARE(lines.size(), 3);
    auto frames = [](const QJsonObject &o) {
        QMap<QString, QJsonObject> byName;
        for (const QJsonValue v : o["hintFrames"].toArray())
            byName[v["name"].toString()] = v.toObject();
        for (const QJsonValue v : o["controls"].toArray())
            if (v["name"].toString() == u"LblZHU_1")
                byName[QStringLiteral("cell")] = v.toObject();
        return byName;
    };
    const auto before = frames(lines[0]);
    QCOMPARE(before.size(), 5);
    for (const QJsonObject &f : before)
        QVERIFY(!f["visible"].toBool());
    const auto after = frames(lines[2]);
    QVERIFY(after["ShapeMenu"]["visible"].toBool());
    QCOMPARE(after["ShapeMenu"]["bar"].toString(), QStringLiteral("PicMenu"));
    for (const char *k : {"x", "y", "w", "h"})
        QCOMPARE(after["ShapeMenu"][QLatin1String(k)], after["cell"][QLatin1String(k)]);
    for (const char *name : {"ShapeTool", "ShapeHui", "ShapeElse"})
        QVERIFY(!after[QLatin1String(name)]["visible"].toBool());
}

QTEST_MAIN(TstMouseChecks)
#include "tst_mousechecks.moc"
