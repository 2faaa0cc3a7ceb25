// Typed text, selections and list choices on the real simulated window: the
// sample bank's typing steps answered by typing, Enter and mouse releases;
// the checks raised by the scene's own filling of a box or the list run once,
// when the scene is complete; a missing answer file never matches; the focus
// of a typing box activates the chosen keyboard layout.
#include "bankstep.h"
#include "scenefixture.h"
#include "windowdrive.h"

#include "examflow/examstate.h"
#include "platform/keyboardlayout.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

namespace {
QString s(const char *t) { return QString::fromUtf8(t); }

// A typing box of the window by name.
QLineEdit *typingBox(FrmMain &w, const QString &name)
{
    return name == u"Text2" ? w.Text2 : name == u"Text3" ? w.Text3 : w.Text1;
}

// Replaces the box's text the way a user does: select all, then type.
void retype(QLineEdit *t, const QString &text)
{
    t->selectAll();
    if (text.isEmpty())
        QTest::keyClick(t, Qt::Key_Backspace);
    else
        ts::typeText(t, text);
}
} // namespace

class TstTypingChecks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void typing_data();
    void typing();
    void selection_data();
    void selection();
    void missingAnswerFileNeverMatches_data();
    void missingAnswerFileNeverMatches();
    void sceneFillingIsJudgedOnceWhenComplete();
    void sceneFillingWithTheSameTextIsJudged_data();
    void sceneFillingWithTheSameTextIsJudged();
    void listChoice_data();
    void listChoice();
    void listStartingAtTheAnswer_data();
    void listStartingAtTheAnswer();
    void focusActivatesTheChosenLayout();
    void probeSelectsAndTypes();

private:
    std::unique_ptr<ts::BankSteps> bank_;
};

void TstTypingChecks::initTestCase()
{
    bank_ = std::make_unique<ts::BankSteps>();
    QVERIFY(bank_->isValid());
}

void TstTypingChecks::cleanup()
{
    FrmMain::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    exam::resetExamState();
    plat::resetLayoutActivations();
}

void TstTypingChecks::typing_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<bool>("advances");
    QTest::addColumn<QString>("left"); // the box's text when the step stays

    // 0020 "我的主页": any case, blanks around ignored, at the completing key.
    QTest::newRow("0020 right") << 1 << 3 << 3 << "Text1" << s("我的主页") << false << true << QString();
    QTest::newRow("0020 blanks") << 1 << 3 << 3 << "Text1" << s("  我的主页 ") << false << true << QString();
    QTest::newRow("0020 part") << 1 << 3 << 3 << "Text1" << s("我的") << false << false << s("我的");
    // 0025 "Logo": case counts.
    QTest::newRow("0025 right") << 1 << 12 << 2 << "Text1" << "Logo" << false << true << QString();
    QTest::newRow("0025 blanks") << 1 << 12 << 2 << "Text1" << " Logo  " << false << true << QString();
    QTest::newRow("0025 wrong case") << 1 << 12 << 2 << "Text1" << "LOGO" << false << false << "LOGO";
    // 0022 "index.htm": typing alone never advances; Enter confirms with the
    // compact form; a wrong entry is emptied.
    QTest::newRow("0022 no Enter") << 1 << 2 << 2 << "Text1" << "index.htm" << false << false << "index.htm";
    QTest::newRow("0022 Enter") << 1 << 2 << 2 << "Text1" << "index.htm" << true << true << QString();
    QTest::newRow("0022 other case") << 1 << 2 << 2 << "Text1" << "INDEX.HTM" << true << true << QString();
    QTest::newRow("0022 space inside") << 1 << 2 << 2 << "Text1" << "index .htm" << true << true << QString();
    QTest::newRow("0022 Chinese before") << 1 << 2 << 2 << "Text1" << s("主页index.htm") << true << true << QString();
    QTest::newRow("0022 wrong emptied") << 1 << 2 << 2 << "Text1" << "index.html" << true << false << QString();
    QTest::newRow("0022 empty emptied") << 1 << 2 << 2 << "Text1" << QString() << true << false << QString();
    // 0022 with two alternatives.
    QTest::newRow("0022 first alternative") << 3 << 3 << 3 << "Text1" << "mailto:info@example.com" << true << true << QString();
    QTest::newRow("0022 second alternative") << 3 << 3 << 3 << "Text1" << "info@example.com" << true << true << QString();
    QTest::newRow("0022 both alternatives") << 3 << 3 << 3 << "Text1" << "mailto:info@example.com|info@example.com" << true << false << QString();
    // 0024 "top": Enter only.
    QTest::newRow("0024 Enter") << 1 << 14 << 2 << "Text1" << "top" << true << true << QString();
    QTest::newRow("0024 no Enter") << 1 << 14 << 2 << "Text1" << "top" << false << false << "top";
    QTest::newRow("0024 wrong emptied") << 1 << 14 << 2 << "Text1" << "tops" << true << false << QString();
    // 0028 "index.htm" in Text1, confirmed by Enter.
    QTest::newRow("0028 Enter") << 3 << 11 << 3 << "Text1" << "Index.htm" << true << true << QString();
    QTest::newRow("0028 wrong emptied") << 3 << 11 << 3 << "Text1" << "index" << true << false << QString();
    // 0021 "Copyright 2024" in Text2: the whole text, case counting.
    QTest::newRow("0021 right") << 3 << 11 << 2 << "Text2" << " Copyright 2024 " << false << true << QString();
    QTest::newRow("0021 wrong case") << 3 << 11 << 2 << "Text2" << "copyright 2024" << false << false << "copyright 2024";
    // 0027 "username" in Text3: any case.
    QTest::newRow("0027 right") << 2 << 9 << 2 << "Text3" << "UserName" << false << true << QString();
    QTest::newRow("0027 part") << 2 << 9 << 2 << "Text3" << "user" << false << false << "user";
}

void TstTypingChecks::typing()
{
    QFETCH(int, unit);
    QFETCH(int, question);
    QFETCH(int, step);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(bool, enter);
    QFETCH(bool, advances);
    QFETCH(QString, left);

    FrmMain *w = bank_->open(unit, question, step);
    QVERIFY(w);
    QCOMPARE(scene::StepNo, step);
    QLineEdit *t = typingBox(*w, box);
    retype(t, typed);
    if (enter)
        QTest::keyClick(t, Qt::Key_Return);
    QCOMPARE(scene::StepNo, advances ? step + 1 : step);
    if (!advances)
        QCOMPARE(t->text(), left);
}

void TstTypingChecks::selection_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("advances");

    // "本网站介绍网页制作的基础知识。", hint "网页制作".
    QTest::newRow("the phrase") << 1 << 5 << 5 << 4 << true;
    QTest::newRow("a character more") << 1 << 5 << 4 << 5 << false;
    QTest::newRow("a character less") << 1 << 5 << 5 << 3 << false;
    // "<title>我的主页</title>", hint "我的主页".
    QTest::newRow("inside markup") << 3 << 14 << 7 << 4 << true;
    QTest::newRow("with a bracket") << 3 << 14 << 6 << 5 << false;
}

void TstTypingChecks::selection()
{
    QFETCH(int, unit);
    QFETCH(int, question);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(bool, advances);

    FrmMain *w = bank_->open(unit, question, 1);
    QVERIFY(w);
    w->Text1->setSelection(start, length);
    // Selecting alone does not judge; the next button release over the box does.
    QCOMPARE(scene::StepNo, 1);
    QTest::mouseRelease(w->Text1, Qt::LeftButton, {}, w->Text1->rect().center());
    QCOMPARE(scene::StepNo, advances ? 2 : 1);
}

void TstTypingChecks::missingAnswerFileNeverMatches_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enter");

    // Without the file every expected text would read as empty: an emptied
    // box, blanks, or an Enter on an empty box would count as right.
    QTest::newRow("0020 emptied") << 1 << 3 << 3 << QString() << false;
    QTest::newRow("0020 blanks") << 1 << 3 << 3 << "   " << false;
    QTest::newRow("0025 emptied") << 1 << 12 << 2 << QString() << false;
    QTest::newRow("0022 Enter on empty") << 1 << 2 << 2 << QString() << true;
    QTest::newRow("0024 Enter on blanks") << 1 << 14 << 2 << "  " << true;
}

void TstTypingChecks::missingAnswerFileNeverMatches()
{
    QFETCH(int, unit);
    QFETCH(int, question);
    QFETCH(int, step);
    QFETCH(QString, typed);
    QFETCH(bool, enter);

    FrmMain *w = bank_->open(unit, question, step);
    QVERIFY(w);
    run::CommonDataFile = bank_->programDir() + QStringLiteral("/wydata/no-such-file.mxy");
    retype(w->Text1, typed);
    if (enter)
        QTest::keyClick(w->Text1, Qt::Key_Return);
    QCOMPARE(scene::StepNo, step);
}

void TstTypingChecks::sceneFillingIsJudgedOnceWhenComplete()
{
    // Records of the test's own: step 1 fills its box with the answer
    // itself, step 2 is a typing step whose box starts with other text.
    ts::SceneFixture fx;
    const QString typing1 = ts::record({{8, "0020"}, {86, "03000003000300000330"}, {106, "001"}, {109, "001"},
                                        {112, "0270007830003"}});
    const QString typing2 = ts::record({{8, "0020"}, {86, "03000003000300000330"}, {106, "002"}, {109, "001"},
                                        {112, "0270007830004"}});
    fx.writeUnit(0, {{typing1, typing2, ts::record({{8, "9999"}})}});
    fx.writeAnswers({s("我的主页"), s("新建网页1"), s("第一步"), s("第二步")});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = FrmMain::get();
    run::TmNo = 1;
    scene::StepNo = 1;
    // What the first scene showed when the second began to be built.
    QString hintWhenAdvanced;
    connect(w.Text1, &QLineEdit::textChanged, &w, [&](const QString &t) {
        if (t == s("新建网页1"))
            hintWhenAdvanced = w.LHelp->text();
    });
    const quint64 before = w.sceneSerial();
    w.setData();
    // The first scene was completed, then judged: one advance, to a scene
    // built whole.
    QCOMPARE(hintWhenAdvanced, s("输入 第一步"));
    QCOMPARE(w.LHelp->text(), s("输入 第二步"));
    QCOMPARE(scene::StepNo, 2);
    QCOMPARE(w.sceneSerial(), before + 2);
    QCOMPARE(scene::StepLine, typing2);
    QCOMPARE(w.Text1->text(), s("新建网页1"));
    QVERIFY(!w.buildingScene());
    // The user's typing is judged at once again.
    retype(w.Text1, s("我的主页"));
    QCOMPARE(scene::StepNo, 3);
}

void TstTypingChecks::sceneFillingWithTheSameTextIsJudged_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("initial"); // both steps' initial text
    QTest::addColumn<QString>("answer");  // the second step's answer

    // Answer line 1 is "Logo", line 2 "never".
    QTest::newRow("0020 empty box, answer 000") << "0020" << "000" << "000";
    QTest::newRow("0020 same text") << "0020" << "001" << "001";
    QTest::newRow("0025 same text") << "0025" << "001" << "001";
    QTest::newRow("0021 same text") << "0021" << "001" << "001";
    QTest::newRow("0027 same text") << "0027" << "001" << "001";
}

void TstTypingChecks::sceneFillingWithTheSameTextIsJudged()
{
    // The second scene fills the box with the text the first left in it:
    // the assignment is a change all the same, and it matches the answer.
    QFETCH(QString, code);
    QFETCH(QString, initial);
    QFETCH(QString, answer);
    ts::SceneFixture fx;
    const QString box = QStringLiteral("03000003000300000330");
    const QString first = ts::record({{8, code}, {86, box}, {106, initial}, {109, "002"}});
    const QString second = ts::record({{8, code}, {86, box}, {106, initial}, {109, answer}});
    fx.writeUnit(0, {{first, second, ts::record({{8, "9999"}})}});
    fx.writeAnswers({QStringLiteral("Logo"), QStringLiteral("never")});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = FrmMain::get();
    run::TmNo = 1;
    scene::StepNo = 1;
    w.setData();
    QCOMPARE(scene::StepNo, 1);
    w.doNext();
    QCOMPARE(scene::StepNo, 3);
}

void TstTypingChecks::listChoice_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("row");      // clicked; -1: one Down key instead
    QTest::addColumn<bool>("advances");
    QTest::addColumn<QString>("caption"); // LblXXK_0 when the step stays

    // "白色|浅黄色|浅蓝色|浅绿色|银灰色", starting at 0, answer 1.
    QTest::newRow("right item") << 1 << 10 << 2 << 1 << true << QString();
    QTest::newRow("wrong item") << 1 << 10 << 2 << 4 << false << s("银灰色");
    QTest::newRow("arrow onto the answer") << 1 << 10 << 2 << -1 << true << QString();
    // "0|1|2|3|4|5", starting at 1, answer 2.
    QTest::newRow("third item") << 2 << 2 << 2 << 2 << true << QString();
    QTest::newRow("first item") << 2 << 2 << 2 << 0 << false << "0";
    // Five targets, starting at 0, answer 3.
    QTest::newRow("fourth item") << 3 << 5 << 3 << 3 << true << QString();
    QTest::newRow("arrow past nothing") << 3 << 5 << 3 << -1 << false << s("相同框架");
}

void TstTypingChecks::listChoice()
{
    QFETCH(int, unit);
    QFETCH(int, question);
    QFETCH(int, step);
    QFETCH(int, row);
    QFETCH(bool, advances);
    QFETCH(QString, caption);

    FrmMain *w = bank_->open(unit, question, step);
    QVERIFY(w);
    QListWidget *list = w->LstLA;
    QVERIFY(list->isVisible());
    if (row >= 0) {
        QListWidgetItem *item = list->item(row);
        QVERIFY(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    } else {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
    }
    QCOMPARE(scene::StepNo, advances ? step + 1 : step);
    if (advances) {
        for (const QWidget *c : {static_cast<QWidget *>(list), w->PicLeft, w->PicRight, w->PicTop, w->PicBottom})
            QVERIFY2(!c->isVisible(), qPrintable(c->objectName()));
        QCOMPARE(w->LblXXK[0]->text(), QString());
    } else {
        QVERIFY(list->isVisible());
        QCOMPARE(w->LblXXK[0]->text(), caption);
    }
}

void TstTypingChecks::listStartingAtTheAnswer_data()
{
    QTest::addColumn<QString>("start");
    QTest::newRow("first item") << "000";
    QTest::newRow("third item") << "002";
}

void TstTypingChecks::listStartingAtTheAnswer()
{
    // A list whose start index is the answer: the scene is built whole, then
    // the start index is judged once, and the step advances once.
    QFETCH(QString, start);
    ts::SceneFixture fx;
    const QString list = ts::record({{8, "L001"}, {86, "03000003000300001500"}, {106, start}, {109, start},
                                     {112, "0270007830002"}});
    const QString next = ts::record({{8, "9001"}, {66, "03000003000300000330"}});
    fx.writeUnit(0, {{list, next, ts::record({{8, "9999"}})}});
    fx.writeAnswers({s("甲|乙|丙|丁"), s("选择")});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = FrmMain::get();
    run::TmNo = 1;
    scene::StepNo = 1;
    const quint64 before = w.sceneSerial();
    w.setData();
    QCOMPARE(scene::StepNo, 2);
    QCOMPARE(w.sceneSerial(), before + 2);
    QCOMPARE(scene::StepLine, next);
    QVERIFY(!w.LstLA->isVisible());
    QCOMPARE(w.LblXXK[0]->text(), QString());
}

void TstTypingChecks::focusActivatesTheChosenLayout()
{
    FrmMain *w = bank_->open(1, 3, 3);
    QVERIFY(w);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    exam::CurHKL = 0x08040804;

    run::UseIME = false;
    w->setFocus();
    w->Text1->setFocus();
    QTRY_VERIFY(w->Text1->hasFocus());
    QCOMPARE(plat::layoutActivationCount(), 0);

    run::UseIME = true;
    w->setFocus();
    w->Text1->setFocus();
    QTRY_COMPARE(plat::layoutActivationCount(), 1);
    QCOMPARE(plat::lastLayoutActivation()->layout, 0x08040804u);
    QCOMPARE(plat::lastLayoutActivation()->flags, 1u);

    // A "0027" step: Text1 gives way to Text3, which has the focus when the
    // scene is built and activates the layout when it takes it again.
    w = bank_->open(2, 9, 2);
    QTRY_VERIFY(w->Text3->hasFocus());
    run::UseIME = true;
    w->setFocus();
    w->Text3->setFocus();
    QTRY_COMPARE(plat::layoutActivationCount(), 2);
}

void TstTypingChecks::probeSelectsAndTypes()
{
    // Unit 3 question 14: select "我的主页" in the markup, then type "Study".
    const QList<QJsonObject> answers = ts::playProbe(bank_->programDir(), 2, 14,
                                                     "select Text1 6 5\nselect Text1 7 4\n"
                                                     "type Text1 \"  Stud\"\ntype Text1 yyy\n");
    QCOMPARE(answers.size(), 4);
    QCOMPARE(answers[0]["selected"].toString(), s(">我的主页"));
    QCOMPARE(answers[0]["StepNo"].toInt(), 1);
    QCOMPARE(answers[1]["StepNo"].toInt(), 2);
    QCOMPARE(answers[2]["text"].toString(), QStringLiteral("  Stud"));
    QCOMPARE(answers[2]["StepNo"].toInt(), 2);
    // The first "y" completes the answer; the rest is not typed.
    QCOMPARE(answers[3]["typed"].toInt(), 1);
    QCOMPARE(answers[3]["StepNo"].toInt(), 3);
}

QTEST_MAIN(TstTypingChecks)
#include "tst_typingchecks.moc"
