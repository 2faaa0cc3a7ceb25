// Questions of the generated sample bank answered on the simulated window by
// keys and by the scene's own auto-advance, up to their final scene; the
// dialog tab strips, the Cancel spot and the list steps as the scene builder
// lays them out; the probe's key command.
#include "bankstep.h"
#include "testsupport.h"
#include "windowdrive.h"

#include "examflow/examstate.h"
#include "examflow/frmtm.h"
#include "foundation/globals.h"
#include "foundation/productinfo.h"
#include "platform/pointers.h"
#include "run/runstate.h"
#include "simwin/scene/keycodes.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/twips.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

namespace {
QString s(const char *t) { return QString::fromUtf8(t); }

// A run of the whole unit (0 to 2) of the sample bank.
void startUnit(int unit)
{
    run::resetRunState();
    scene::resetSceneState();
    exam::resetExamState();
    QVERIFY(ts::composeUnit(unit));
}

void build(int q, int step) { ts::buildStep(q, step); }
void press(const QString &name) { QVERIFY2(ts::pressKey(name), qPrintable(name)); }
using ts::shownWindow;

QRectF cell(int i) { return simwin::twipsRect(FrmMain::get().LblXXK[i]); }

// A dialog step in hint mode; the dialog's picture area 1 lies at the result.
QPointF buildDialog(int unit, int q, int step)
{
    startUnit(unit);
    shownWindow();
    run::AnswerMode = 1;
    build(q, step);
    const FrmMain &w = FrmMain::get();
    return {simwin::twipsLeft(w.Image[1]), simwin::twipsTop(w.Image[1])};
}
} // namespace

class TstSceneFlow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void keysFinishAQuestion_data();
    void keysFinishAQuestion();
    void keysOnTheBank_data();
    void keysOnTheBank();
    void goStep();
    void tabStripShowingAnotherTab();
    void twoRowTabStrip();
    void cancelSpotOfATypingStep();
    void typingSteps();
    void listSteps_data();
    void listSteps();
    void barsPointerAndHintFrames_data();
    void barsPointerAndHintFrames();
    void probeKeys();

private:
    // Reading the product information marks the first run in the data
    // folder: work on a copy of the sample program folder.
    std::unique_ptr<ts::ProgramCopy> copy_;
};

void TstSceneFlow::initTestCase()
{
    copy_ = std::make_unique<ts::ProgramCopy>();
    QVERIFY(copy_->isValid());
    fnd::readInfo();
    QCOMPARE(fnd::XBiLi, 1.0);
    QCOMPARE(fnd::YBiLi, 1.0);
}

void TstSceneFlow::cleanup()
{
    ts::unloadRunWindows();
}

void TstSceneFlow::keysFinishAQuestion_data()
{
    QTest::addColumn<int>("answerMode");
    QTest::newRow("practice") << 2;
    QTest::newRow("exam") << 3;
}

// Unit 1, question 7: Ctrl+C (or Ctrl+Insert), a scene that moves on by
// itself, the final scene.
void TstSceneFlow::keysFinishAQuestion()
{
    QFETCH(int, answerMode);
    startUnit(0);
    run::AnswerMode = qint16(answerMode);
    run::TmState[2] = 6; // marked and done before
    run::TmState[3] = 3; // visited and marked
    run::TmNo = 7;
    FrmMain &w = ts::startPractice();
    FrmTm &tm = FrmTm::get();
    QCOMPARE(tm.LblBiao->text(), s("网页 1单元7/14题(未完成)"));
    QCOMPARE(scene::StepNo, qint16(1));
    QCOMPARE(w.StepType, 6267);

    press(QStringLiteral("Insert"));
    QCOMPARE(scene::StepNo, qint16(1));
    press(QStringLiteral("Ctrl+Insert"));
    QCOMPARE(scene::StepNo, qint16(2));
    QCOMPARE(w.StepType, 8888);
    QVERIFY(w.Timer3->isActive());
    QCOMPARE(run::TmState[7], qint16(1));

    QTRY_COMPARE(scene::StepNo, qint16(3));
    QCOMPARE(w.StepType, 9999);
    QVERIFY(!w.Timer3->isActive());
    QCOMPARE(run::TmState[7], qint16(5));
    QCOMPARE(tm.LblBiao->text(), s("网页 1单元7/14题(已完成)"));
    QCOMPARE(tm.LblUnit->text(), s("未完成的题目 1 3 4 5 6 8 9 10 11 12 13 14"));
    QCOMPARE(w.LblSuccess->isVisible(), answerMode != 3);
    QVERIFY(!w.Shape1->isVisible());

    // The question is completed once: the final scene again, or a right
    // action on it, leaves the state and the step.
    w.doNext();
    QCOMPARE(scene::StepNo, qint16(3));
    QCOMPARE(run::TmState[7], qint16(5));
    w.setData();
    QCOMPARE(run::TmState[7], qint16(5));
    QCOMPARE(tm.LblUnit->text(), s("未完成的题目 1 3 4 5 6 8 9 10 11 12 13 14"));
}

void TstSceneFlow::keysOnTheBank_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("advances");
    const auto row = [](const char *name, int u, int q, int step, const char *key, bool advances) {
        QTest::newRow(name) << u << q << step << QString::fromLatin1(key) << advances;
    };
    // Key operation codes and their alternatives.
    row("own code Ctrl+C", 0, 7, 1, "Ctrl+C", true);
    row("alternative at 86 Ctrl+Insert", 0, 7, 1, "Ctrl+Insert", true);
    row("Ctrl+C with Shift too", 0, 7, 1, "Shift+Ctrl+C", false);
    row("C without Ctrl", 0, 7, 1, "C", false);
    row("own code Ctrl+B", 0, 6, 2, "Ctrl+B", true);
    row("own code Delete", 0, 13, 3, "Delete", true);
    row("own code Ctrl+R", 2, 13, 2, "Ctrl+R", true);
    row("alternative at 86 reads 16 as F5", 2, 13, 2, "F5", true);
    row("F5 with Shift", 2, 13, 2, "Shift+F5", false);
    // Shortcuts of the menu items that targets name.
    row("File > New by Ctrl+N", 0, 1, 1, "Ctrl+N", true);
    row("Ctrl+N with Shift", 0, 1, 1, "Shift+Ctrl+N", false);
    row("Insert > Bookmark by Ctrl+G", 0, 14, 1, "Ctrl+G", true);
    row("Insert > Hyperlink by Ctrl+K", 2, 3, 1, "Ctrl+K", true);
    row("File > Preview by F12", 2, 13, 1, "F12", true);
    row("F12 with Shift", 2, 13, 1, "Shift+F12", false);
    row("a toolbar button has no shortcut", 0, 2, 1, "Ctrl+S", false);
    row("a click step takes no key", 0, 3, 2, "Enter", false);
}

void TstSceneFlow::keysOnTheBank()
{
    QFETCH(int, unit);
    QFETCH(int, question);
    QFETCH(int, step);
    QFETCH(QString, key);
    QFETCH(bool, advances);
    startUnit(unit);
    FrmMain &w = shownWindow();
    build(question, step);
    const int own = w.StepType;
    press(key);
    QCOMPARE(scene::StepNo, qint16(advances ? step + 1 : step));
    if (!advances)
        QCOMPARE(w.StepType, own);
}

void TstSceneFlow::goStep()
{
    startUnit(0);
    FrmMain &w = FrmMain::get();
    build(1, 1);
    const QString first = scene::StepLine;
    const quint64 scenes = w.sceneSerial();
    w.GoStep(QStringLiteral("0"));
    QCOMPARE(scene::StepNo, qint16(1));
    QCOMPARE(w.sceneSerial(), scenes);
    QCOMPARE(scene::StepLine, first);

    // Question 1 starts at line 1: step 10 is line 10 (question 3's end).
    w.GoStep(QStringLiteral("A"));
    QCOMPARE(scene::StepNo, qint16(10));
    QCOMPARE(w.sceneSerial(), scenes + 1);
    QCOMPARE(scene::stepTypeText(scene::StepLine), u"9999");
    QCOMPARE(scene::TmStep[1], qint16(10));
}

// Unit 1, question 3, step 2: strip A on picture area 1, tab 2 shown, tab 1
// asked for.
void TstSceneFlow::tabStripShowingAnotherTab()
{
    const QPointF at = buildDialog(0, 3, 2);
    const double left = at.x(), top = at.y();
    FrmMain &w = FrmMain::get();
    QCOMPARE(w.TabLayout.left(1), QStringLiteral("A"));
    QCOMPARE(w.TabCount, 3);
    QCOMPARE(w.TabTarget, 1);
    QCOMPARE(w.TabImage, 1);
    QCOMPARE(w.TabAreaLeft, int(left));
    QCOMPARE(w.TabAreaTop, int(top));
    QCOMPARE(w.Image[1]->pictureName(), QStringLiteral("300228"));
    QCOMPARE(cell(1), QRectF(left + 120, top + 510, 780, 330));
    QCOMPARE(cell(2), QRectF(left + 900, top + 510, 870, 330));
    QCOMPARE(cell(3), QRectF(left + 1770, top + 510, 705, 330));
    QCOMPARE(cell(4), QRectF(-1, -1, 1, 1));
    QCOMPARE(cell(0), QRectF(left + 7650, top + 5790, 1110, 300));
    QCOMPARE(w.BackSpec, QStringLiteral("NONO"));
    QCOMPARE(w.LHelp->text(), s("请选择第1个选项卡"));
    QCOMPARE(simwin::twipsRect(w.Label1).size(), QSizeF(1, 1));
    QCOMPARE(simwin::twipsRect(w.Shape1), cell(1));
}

// Unit 3, question 4, step 2: strip F (two rows) with tab 8 shown, tab 3
// asked for.
void TstSceneFlow::twoRowTabStrip()
{
    const QPointF at = buildDialog(2, 4, 2);
    const double left = at.x(), top = at.y();
    FrmMain &w = FrmMain::get();
    QCOMPARE(w.TabLayout.left(1), QStringLiteral("F"));
    QCOMPARE(w.TabCount, 10);
    QCOMPARE(w.TabRow, 2);
    QCOMPARE(w.Image[1]->pictureName(), QStringLiteral("300198"));
    // The shown tab's row (7-10) lies next to the page, 300 below the other.
    const double back = top + 495, front = top + 795;
    const QList<QRectF> expected = {
        {left + 120, back, 1095, 300},  {left + 1215, back, 1485, 300}, {left + 2700, back, 1230, 300},
        {left + 3930, back, 1260, 300}, {left + 5190, back, 1260, 300}, {left + 6450, back, 1050, 300},
        {left + 120, front, 1735, 300}, {left + 1855, front, 1715, 300}, {left + 3570, front, 2070, 300},
        {left + 5640, front, 1890, 300},
    };
    for (int i = 1; i <= 10; ++i)
        QCOMPARE(cell(i), expected[i - 1]);
    QCOMPARE(w.LHelp->text(), s("请选择第3个选项卡"));
    QCOMPARE(simwin::twipsRect(w.Shape1), cell(3));

    // The rows change places when the front row's tab is chosen again.
    w.TabRow = 1;
    w.DoubleXXK();
    QCOMPARE(cell(1).top(), front);
    QCOMPARE(cell(7).top(), back);
    QCOMPARE(cell(0), QRectF(left + 6450, top + 7110, 1110, 300));
}

// Unit 1, question 2, step 2: a typing step with its own Cancel spot ("Q").
void TstSceneFlow::cancelSpotOfATypingStep()
{
    startUnit(0);
    FrmMain &w = shownWindow();
    run::AnswerMode = 1;
    build(2, 2);
    QCOMPARE(w.BackSpec, QStringLiteral("Q0001"));
    QCOMPARE(cell(0), QRectF(scene::dragLimitX(scene::StepLine), scene::dragLimitY(scene::StepLine), 1095, 285));
    QVERIFY(cell(0).x() > 0);
    // "0022": the typed answer, Enter or the red box.
    QCOMPARE(w.LHelp->text(), s("输入 index.htm 并按回车键或点红色方框处"));
    QVERIFY(w.Shape1->isVisible());
    QCOMPARE(w.Text1->selectedText(), QString());
}

// The typing box's variants take its place; typing hints are worded for the
// candidate, alternatives read as choices.
void TstSceneFlow::typingSteps()
{
    startUnit(2);
    FrmMain &w = shownWindow();
    run::AnswerMode = 1;
    build(3, 3); // "0022" with two accepted answers
    QCOMPARE(w.LHelp->text(), s("输入 mailto:info@example.com或  info@example.com 并按回车键或点红色方框处"));
    QVERIFY(w.Text1->isVisible());
    QVERIFY(!w.Text2->isVisible());

    build(11, 2); // "0021"
    QVERIFY(w.Text2->isVisible());
    QVERIFY(!w.Text1->isVisible());
    QCOMPARE(simwin::twipsRect(w.Text2), simwin::twipsRect(w.Text1));
    QCOMPARE(w.Text2->text(), w.Text1->text());
    QVERIFY(!w.Shape1->isVisible());
    QVERIFY(w.LHelp->text().startsWith(s("输入 ")));

    startUnit(1);
    build(9, 2); // "0027": the variant that keeps the text box's font
    QVERIFY(w.Text3->isVisible());
    QVERIFY(!w.Text1->isVisible());
    QVERIFY(!w.Text2->isVisible());
    QCOMPARE(simwin::twipsRect(w.Text3), simwin::twipsRect(w.Text1));
    QCOMPARE(w.Text3->font().family(), w.Text1->font().family());
    QCOMPARE(w.Text3->font().pointSizeF(), w.Text1->font().pointSizeF());
    QCOMPARE(w.Text3->font().bold(), w.Text1->font().bold());
    QCOMPARE(w.Text3->palette().color(QPalette::Base), w.Text1->palette().color(QPalette::Base));
    QVERIFY(!w.Shape1->isVisible());

    build(9, 3); // a click step: both variants hidden
    QVERIFY(!w.Text3->isVisible());
    QVERIFY(!w.Text2->isVisible());
}

void TstSceneFlow::listSteps_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("step");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("selected");
    QTest::newRow("colours") << 0 << 10 << 2 << QStringList{s("白色"), s("浅黄色"), s("浅蓝色"), s("浅绿色"), s("银灰色")} << 0;
    QTest::newRow("border widths from 1") << 1 << 2 << 2 << QStringList{s("0"), s("1"), s("2"), s("3"), s("4"), s("5")} << 1;
    QTest::newRow("target frames") << 2 << 5 << 3 << QStringList{s("页面默认值"), s("相同框架"), s("整页"), s("新建窗口"), s("父框架")} << 0;
}

void TstSceneFlow::listSteps()
{
    QFETCH(int, unit);
    QFETCH(int, question);
    QFETCH(int, step);
    QFETCH(QStringList, items);
    QFETCH(int, selected);
    startUnit(unit);
    FrmMain &w = shownWindow();
    build(question, step);
    const QRectF box = simwin::twipsRect(w.Text1);
    QVERIFY(w.LstLA->isVisible());
    QVERIFY(!w.Text1->isVisible());
    QCOMPARE(simwin::twipsRect(w.LstLA), box);
    QStringList shown;
    for (int i = 0; i < w.LstLA->count(); ++i)
        shown << w.LstLA->item(i)->text();
    QCOMPARE(shown, items);
    QCOMPARE(w.LstLA->currentRow(), selected);
    QCOMPARE(w.LblXXK[0]->text(), items[selected]);
    QCOMPARE(simwin::twipsWidth(w.LblXXK[0]), box.width());
    QCOMPARE(simwin::twipsRect(w.PicLeft), QRectF(box.left(), box.top(), 15, box.height()));
    QCOMPARE(simwin::twipsRect(w.PicRight), QRectF(box.right() - 15, box.top(), 15, box.height()));
    QCOMPARE(simwin::twipsRect(w.PicTop), QRectF(box.left(), box.top(), box.width(), 15));
    QCOMPARE(simwin::twipsRect(w.PicBottom), QRectF(box.left(), box.bottom() - 15, box.width(), 15));
    for (QWidget *strip : {w.PicLeft, w.PicRight, w.PicTop, w.PicBottom})
        QVERIFY(strip->isVisible());

    // The next scene without a list hides it and empties the text cell.
    build(question, step + 1);
    QVERIFY(!w.LstLA->isVisible());
    QVERIFY(!w.PicBottom->isVisible());
    QCOMPARE(w.LblXXK[0]->text(), QString());
}

void TstSceneFlow::barsPointerAndHintFrames_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("bars"); // M menu bar, T toolbars, H drawing bar, E extra panel
    QTest::addColumn<int>("pointer");
    QTest::newRow("menu bar and toolbars") << 0 << 1 << 1 << QStringLiteral("MT") << 0;
    QTest::newRow("no bars, cross pointer") << 1 << 3 << 1 << QString() << 2;
    QTest::newRow("extra panel 32") << 1 << 10 << 1 << QStringLiteral("MTE") << 0;
    QTest::newRow("preset pop-up 33: no panel") << 1 << 12 << 1 << QStringLiteral("MT") << 0;
}

void TstSceneFlow::barsPointerAndHintFrames()
{
    QFETCH(int, unit);
    QFETCH(int, question);
    QFETCH(int, step);
    QFETCH(QString, bars);
    QFETCH(int, pointer);
    startUnit(unit);
    FrmMain &w = shownWindow();
    build(question, step);
    QCOMPARE(w.PicMenu->isVisible(), bars.contains(u'M'));
    QCOMPARE(w.PicTool->isVisible(), bars.contains(u'T'));
    QCOMPARE(w.PicHui->isVisible(), bars.contains(u'H'));
    QCOMPARE(w.PicElse->isVisible(), bars.contains(u'E'));
    const Qt::CursorShape shape = pointer ? plat::standardPointer(pointer)->shape() : Qt::ArrowCursor;
    QCOMPARE(w.Label1->cursor().shape(), shape);
    // The hint frames are drawn once the scene stands.
    QVERIFY(w.TimerDisFK->isActive());
}

// The probe answers unit 3, question 13 by keys: F12, then F5.
void TstSceneFlow::probeKeys()
{
    const QList<QJsonObject> o =
        ts::playProbe(copy_->path(), 2, 13, "scene\nkey Shift+F12 F12\nscene\nkey F5\nscene\nkey Bogus\n");
    QCOMPARE(o.size(), 6);
    QCOMPARE(o[0]["StepNo"].toInt(), 1);
    QCOMPARE(o[0]["acceptedKeys"].toArray(), QJsonArray{QStringLiteral("F12")});
    const QJsonArray pressed = o[1]["keys"].toArray();
    QCOMPARE(pressed.size(), 2);
    QCOMPARE(pressed[0]["StepNo"].toInt(), 1);
    QCOMPARE(pressed[1]["code"].toInt(), 123);
    QCOMPARE(pressed[1]["StepNo"].toInt(), 2);
    QCOMPARE(o[2]["StepType"].toInt(), 6282);
    QCOMPARE(o[2]["acceptedKeys"].toArray(), (QJsonArray{QStringLiteral("Ctrl+R"), QStringLiteral("F5")}));
    QCOMPARE(o[3]["StepNo"].toInt(), 3);
    QCOMPARE(o[4]["StepType"].toInt(), 9999);
    QCOMPARE(o[4]["TmState"].toInt(), 5);
    QVERIFY(o[4]["LblUnit"].toString().startsWith(s("未完成的题目 1 2")));
    QVERIFY(!o[4]["LblUnit"].toString().contains(QStringLiteral(" 13")));
    QVERIFY(o[5].contains("error"));
}

QTEST_MAIN(TstSceneFlow)
#include "tst_sceneflow.moc"
