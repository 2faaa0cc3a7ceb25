// Keys, the auto-advance, the bare window and the drag strip of the simulated
// window, on step records of known content (a small program folder of the
// test's own).
#include "scenefixture.h"
#include "testsupport.h"
#include "windowdrive.h"

#include "examflow/frmtm.h"
#include "foundation/globals.h"
#include "run/runstate.h"
#include "simwin/scene/keycodes.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/twips.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QtTest>

using ts::record;

namespace {
QString s(const char *t) { return QString::fromUtf8(t); }
QString box(int left, int top, int w, int h) { return ts::boxField(left, top, w, h); }
QString area(int left, int top, const char *name) { return ts::areaField(left, top, QString::fromLatin1(name)); }
void build(int q, int step) { ts::buildStep(q, step); }
void press(const QString &name) { QVERIFY2(ts::pressKey(name), qPrintable(name)); }
using ts::shownWindow;
} // namespace

class TstKeyRouting : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();

    void autoAdvance();
    void keysOnTheWindow_data();
    void keysOnTheWindow();
    void routing();
    void tabStripOnTheTargetTab();
    void captionsOfALoadedQuestionWindow();
    void bareWindowMove();
    void dragStrip();
    void dragStripScreenRule_data();
    void dragStripScreenRule();
};

void TstKeyRouting::cleanup()
{
    ts::unloadRunWindows();
    fnd::resetGlobals();
}

// Two scenes that move on by themselves, a second apart, then a click step
// that stays. A key that matches nothing leaves the auto-advance running.
void TstKeyRouting::autoAdvance()
{
    ts::SceneFixture fx;
    fx.writeUnit(0, {{record({{8, s("8888")}}), record({{8, s("8888")}}),
                      record({{8, s("9001")}, {66, box(1500, 1200, 1200, 300)}}), record({{8, s("9999")}})},
                     {record({{8, s("8888")}, {86, s("P6113")}}), record({{8, s("9999")}})}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = ts::startPractice();
    QElapsedTimer shown;
    shown.start();
    QCOMPARE(scene::StepNo, qint16(1));
    QVERIFY(w.Timer3->isActive());
    QCOMPARE(w.Timer3->interval(), 1000);

    QTRY_COMPARE(scene::StepNo, qint16(2));
    const qint64 first = shown.elapsed();
    QVERIFY2(first >= 800, qPrintable(QString::number(first)));
    QVERIFY(w.Timer3->isActive());
    QTRY_COMPARE(scene::StepNo, qint16(3));
    QVERIFY2(shown.elapsed() - first >= 800, qPrintable(QString::number(shown.elapsed() - first)));
    QVERIFY(!w.Timer3->isActive());
    QCOMPARE(w.StepType, 9001);

    // Question 2: the key alternative is examined but the scene stays an
    // "8888" scene.
    ts::loadQuestion(2);
    QCOMPARE(scene::StepNo, qint16(1));
    press(QStringLiteral("A"));
    QCOMPARE(w.StepType, 8888);
    QTRY_COMPARE(scene::StepNo, qint16(2));
}

void TstKeyRouting::keysOnTheWindow_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("step");
    const QString click = record({{8, s("9001")}});
    const auto row = [](const char *name, const QString &first, const QString &second, const char *key, int step) {
        QTest::newRow(name) << first << second << QString::fromLatin1(key) << step;
    };
    // Key alternatives by place.
    const QString alt91 = record({{8, s("9001")}, {91, s("P6012")}});
    row("at 91, 12 is key code 12", alt91, click, "VK12", 2);
    row("at 91, 12 is not F1", alt91, click, "F1", 1);
    const QString alt86 = record({{8, s("9001")}, {86, s("P6012")}});
    row("at 86, 12 is F1", alt86, click, "F1", 2);
    row("at 86, 12 is not key code 12", alt86, click, "VK12", 1);
    row("at 96, 13 is F2", record({{8, s("9001")}, {96, s("P6013")}}), click, "F2", 2);
    row("not P: no alternative", record({{8, s("9001")}, {86, s("Q6012")}}), click, "F1", 1);
    // Shortcuts with Shift.
    const QString redo = record({{8, s("0000")}, {125, s("H051500000")}});
    row("Ctrl+Shift+Z item", redo, click, "Shift+Ctrl+Z", 2);
    row("Ctrl+Shift+Z item, Ctrl+Z", redo, click, "Ctrl+Z", 1);
    row("Shift+F7 item", record({{8, s("0000")}, {86, s("H060200000")}}), click, "Shift+F7", 2);
    row("marked item has no shortcut", record({{8, s("0000")}, {86, s("D020100000")}}), click, "Ctrl+Z", 1);
    // One key press, one step, even when the next step takes the same key.
    const QString copy = record({{8, s("6267")}});
    row("same key twice", copy, copy, "Ctrl+C", 2);
    row("own code and alternative alike", record({{8, s("6267")}, {86, s("P6267")}}), copy, "Ctrl+C", 2);
    const QString undo = record({{8, s("0000")}, {125, s("H020100000")}});
    row("same shortcut twice", undo, undo, "Ctrl+Z", 2);
    row("key, then the same shortcut", record({{8, s("6290")}}), undo, "Ctrl+Z", 2);
}

void TstKeyRouting::keysOnTheWindow()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, key);
    QFETCH(int, step);
    ts::SceneFixture fx;
    fx.writeUnit(0, {{first, second, record({{8, s("9999")}})}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = shownWindow();
    build(1, 1);
    press(key);
    QCOMPARE(scene::StepNo, qint16(step));
    QCOMPARE(w.StepType, scene::stepType(scene::StepLine));
}

// Keys reach the step from the window, the picture boxes and Image6, once
// each; the typing box keeps its own.
void TstKeyRouting::routing()
{
    ts::SceneFixture fx;
    fx.writePicture(QStringLiteral("100016"), QSize(40, 30), Qt::red);
    const QString image6 = area(3000, 3000, "100016");
    fx.writeUnit(0, {{
        record({{8, s("6213")}, {86, box(1500, 2000, 3000, 360)}, {197, image6}}),
        record({{6, s("A1")}, {8, s("6213")}, {197, image6}}),
        record({{6, s("A1")}, {8, s("6213")}}),
        record({{8, s("9999")}}),
    }});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = shownWindow();

    build(1, 1);
    QCOMPARE(w.focusWidget(), w.Text1);
    press(QStringLiteral("Ctrl+Enter"));
    press(QStringLiteral("Enter"));
    QCOMPARE(scene::StepNo, qint16(1));

    w.Image[6]->setFocus();
    press(QStringLiteral("Ctrl+Enter"));
    QCOMPARE(scene::StepNo, qint16(2));

    QVERIFY(w.PicMenu->isVisible());
    w.PicMenu->setFocus();
    press(QStringLiteral("Ctrl+Enter"));
    QCOMPARE(scene::StepNo, qint16(3));

    // After a typing step the keys are the window's again.
    build(1, 1);
    build(1, 3);
    QVERIFY(!w.Text1->isVisible());
    QCOMPARE(w.focusWidget(), &w);
    press(QStringLiteral("Ctrl+Enter"));
    QCOMPARE(scene::StepNo, qint16(4));
}

// A dialog that shows the tab the step asks for: its own picture and target
// at once; the cells follow the dialog's picture area.
void TstKeyRouting::tabStripOnTheTargetTab()
{
    ts::SceneFixture fx;
    fx.writePicture(QStringLiteral("100013"), QSize(600, 400), Qt::gray);
    fx.writeAnswers({s("单击“确定”")});
    const QString dialog = area(2000, 1500, "100013");
    const QString target = box(6000, 6000, 1200, 300);
    fx.writeUnit(0, {{
        record({{8, s("9001")}, {50, dialog}, {66, target}, {112, s("0270007830001")}, {130, s("XA333")}}),
        record({{8, s("9001")}, {50, dialog}, {66, target}, {130, s("XAD10")}}),
    }});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = shownWindow();
    run::AnswerMode = 1;
    build(1, 1);
    QCOMPARE(w.Image[3]->pictureName(), QStringLiteral("100013"));
    QCOMPARE(simwin::twipsRect(w.LblXXK[1]), QRectF(2120, 2010, 780, 330));
    QCOMPARE(simwin::twipsRect(w.LblXXK[3]), QRectF(3770, 2010, 705, 330));
    QCOMPARE(simwin::twipsRect(w.LblXXK[0]), QRectF(9650, 7290, 1110, 300));
    QCOMPARE(simwin::twipsRect(w.Label1), QRectF(6000, 6000, 1200, 300));
    QCOMPARE(w.LHelp->text(), s("单击“确定”"));
    QCOMPARE(simwin::twipsRect(w.Shape1), simwin::twipsRect(w.Label1));
    QVERIFY(w.Shape1->isVisible());

    // Picture area 0: no page is loaded and the cells keep to the last
    // strip's area; a shown tab "D" counts as 13.
    build(1, 2);
    QCOMPARE(w.TabImage, 0);
    QCOMPARE(w.TabAreaLeft, 2000);
    QCOMPARE(w.Image[3]->pictureName(), QStringLiteral("100013"));
    QCOMPARE(simwin::twipsRect(w.LblXXK[1]), QRectF(2120, 2010, 780, 330));
    QCOMPARE(w.LHelp->text(), s("请选择第1个选项卡"));
    QCOMPARE(simwin::twipsRect(w.Label1).size(), QSizeF(1, 1));
}

// With a question window loaded, the final scene writes its labels.
void TstKeyRouting::captionsOfALoadedQuestionWindow()
{
    ts::SceneFixture fx;
    fx.writeUnit(0, {{record({{8, s("9999")}})}, {record({{8, s("9001")}})}, {record({{8, s("9001")}})}});
    QVERIFY(ts::composeUnit(0));
    FrmTm &tm = FrmTm::get();
    QLabel *unit = tm.LblUnit;
    QLabel *header = tm.LblBiao;
    header->setText(s("第1题(未完成)"));
    run::TmState[3] = 4;
    build(1, 1);
    QCOMPARE(unit->text(), s("未完成的题目 2"));
    QCOMPARE(header->text(), s("第1题(已完成)"));
    QCOMPARE(run::TmState[1], qint16(5)); // visited by the load, then completed
}

// The pointer over the bare window closes the bars' drop-downs (but not the
// extra panel's preset pop-ups); over a control it does not.
void TstKeyRouting::bareWindowMove()
{
    ts::SceneFixture fx;
    fx.writeUnit(0, {{record({{8, s("9001")}, {66, box(1500, 1200, 1200, 300)}})}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = shownWindow();
    build(1, 1);
    const QPoint bare(20, 300);
    QVERIFY(!w.childAt(bare));
    const auto openMenus = [&w](int cell) {
        w.CurZHU = cell;
        w.Pic1J->show();
        w.Pic2J->show();
        QPixmap hover(10, 10);
        hover.fill(Qt::blue);
        w.ImgMenu->setBasePicture(hover);
    };

    openMenus(5);
    QTest::mouseMove(w.Label1, QPoint(5, 5));
    QTest::mouseMove(&w, w.Label1->geometry().center()); // a move the label left to the window
    QVERIFY(w.Pic1J->isVisible());
    QCOMPARE(w.CurZHU, 5);

    QTest::mouseMove(&w, bare);
    QVERIFY(!w.Pic1J->isVisible());
    QVERIFY(!w.Pic2J->isVisible());
    QCOMPARE(w.CurZHU, 0);
    QVERIFY(w.ImgMenu->picture().isNull());

    openMenus(33);
    QTest::mouseMove(&w, bare + QPoint(5, 5));
    QVERIFY(w.Pic1J->isVisible());
    QVERIFY(!w.Pic2J->isVisible());
    QCOMPARE(w.CurZHU, 33);
}

// A left press on the strip moves the window with the pointer; the question
// window ends docked at its bottom-right corner. Another button only docks.
void TstKeyRouting::dragStrip()
{
    ts::SceneFixture fx;
    fx.writeUnit(0, {{record({{8, s("9999")}})}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = shownWindow();
    build(1, 1);
    FrmTm *tm = &FrmTm::get();
    tm->move(10, 10);
    tm->show();
    QVERIFY(QTest::qWaitForWindowExposed(tm));
    const auto docked = [&w, tm] {
        return tm->frameGeometry().bottomRight() == w.frameGeometry().bottomRight();
    };

    QTest::mousePress(w.lblMove, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseRelease(w.lblMove, Qt::RightButton, {}, QPoint(10, 10));
    QVERIFY(docked());

    const QPoint start = w.pos();
    tm->move(10, 10);
    QTest::mousePress(w.lblMove, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(w.lblMove, QPoint(40, 30));
    QTest::mouseRelease(w.lblMove, Qt::LeftButton, {}, QPoint(40, 30));
    QTRY_COMPARE(w.pos(), start + QPoint(30, 20));
    QTRY_VERIFY(docked());
}

void TstKeyRouting::dragStripScreenRule_data()
{
    QTest::addColumn<double>("yScale");
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<bool>("moves");
    QTest::newRow("768 high") << 1.0 << 768 << true;
    QTest::newRow("650 high") << 1.0 << 650 << true;
    QTest::newRow("649 high") << 1.0 << 649 << false;
    // The rule compares pixels whatever the scale.
    QTest::newRow("768 high at 1.25") << 1.25 << 768 << true;
    QTest::newRow("649 high at 1.25") << 1.25 << 649 << false;
    QTest::newRow("650 high at 0.8") << 0.8 << 650 << true;
}

void TstKeyRouting::dragStripScreenRule()
{
    QFETCH(double, yScale);
    QFETCH(int, screenHeight);
    QFETCH(bool, moves);
    QCOMPARE(FrmMain::dragStripMoves(yScale, screenHeight), moves);
}

QTEST_MAIN(TstKeyRouting)
#include "tst_keyrouting.moc"
