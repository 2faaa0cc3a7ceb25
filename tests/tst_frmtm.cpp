// The question window on the real windows, offscreen: its load geometry at
// two scales, the function-button modes, question loading, the header of
// every set, the question chooser, and the probe's view of a practice.
#include "bankstep.h"
#include "scenefixture.h"
#include "testsupport.h"
#include "windowdrive.h"

#include "bank/bankfiles.h"
#include "cover/frmfengmian.h"
#include "cover/runstart.h"
#include "demo/window/frmyanshi.h"
#include "run/compose.h"
#include "run/records.h"
#include "examflow/frmtm.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/productinfo.h"
#include "foundation/ui/kvelbutton.h"
#include "examflow/examstate.h"
#include "platform/keyboardlayout.h"
#include "platform/registry.h"
#include "platform/ui/windoworder.h"
#include "simwin/window/popupchoice.h"
#include "run/runstate.h"
#include "run/tmrecord.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/controls.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/twips.h"

#include <QJsonArray>
#include <QLabel>
#include <QLineF>
#include <QMessageBox>
#include <QPushButton>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTextEdit>
#include <QtTest>

using ts::record;

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }

kvelButton *button(const QString &name) { return FrmTm::get().findChild<kvelButton *>(name); }

void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

int visibleCells()
{
    int n = 0;
    for (int i = 1; i <= FrmTm::ChooserCells; ++i)
        n += FrmTm::get().CmTNO[i]->isVisible() ? 1 : 0;
    return n;
}

// The sample bank's question-window pictures in a fixture's data folder.
void copyWindowPictures(const ts::SceneFixture &fx)
{
    for (const QString &name : bank::QuestionWindowPictures)
        QFile::copy(ts::sampleProgramDir() + QStringLiteral("/wydata/") + name + QStringLiteral(".mxy"), fx.dataFile(name));
}

// A unit of `count` one-step questions in a fixture, started as a practice.
FrmMain &startFixtureUnit(ts::SceneFixture &fx, int count, const QStringList &tmLines = {})
{
    copyWindowPictures(fx);
    QList<QStringList> questions;
    for (int i = 0; i < count; ++i)
        questions.append({record({{8, s("9001")}})});
    fx.writeUnit(0, questions);
    if (!tmLines.isEmpty())
        fnd::writeLines(fx.dataFile(bank::unitFiles(0).tm), tmLines);
    fnd::ExamTitle = s("网页制作");
    if (!ts::composeUnit(0))
        qFatal("the fixture unit cannot be started");
    return ts::startPractice();
}
} // namespace

class TstFrmTm : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void loadGeometry_data();
    void loadGeometry();
    void candidatePanel_data();
    void candidatePanel();
    void modes_data();
    void modes();
    void header_data();
    void header();
    void headerOnTheWindow();
    void loading();
    void emptySet();
    void chooserPages_data();
    void chooserPages();
    void chooserLoadsAQuestion();
    void chooserStatePictures_data();
    void chooserStatePictures();
    void probeShowsThePractice();
    void probePressesOnlyWhatShows();
    void collapseAndRestore();
    void focusReturn_data();
    void focusReturn();
    void aSceneDoesNotCoverAnOpenModalWindow();
    void unloadGuard();
    void pictureWindow_data();
    void pictureWindow();
    void markButtons_data();
    void markButtons();
    void navigationHintAndPanels();
    void quitAUnitPractice();
    void quitAReviewOfWrongQuestions_data();
    void quitAReviewOfWrongQuestions();
    void demonstration_data();
    void demonstration();
    void languageBar_data();
    void languageBar();
    void languageBarNeedsTheOption();
};

void TstFrmTm::cleanup()
{
    ts::unloadRunWindows();
    FrmFengmian::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fnd::resetGlobals();
    exam::resetExamState();
}

void TstFrmTm::loadGeometry_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("15 twips a pixel") << 1.0;
    QTest::newRow("12 twips a pixel") << 0.8;
}

// Marked design values keep their pixel size at every scale (design twips /
// 15); the unmarked heights of FrmZhuYa and LblTimeJD and the collapsed bar's
// size are plain twips, so they grow in pixels on a 12-twips screen.
void TstFrmTm::loadGeometry()
{
    QFETCH(double, scale);
    ts::SceneFixture fx;
    fnd::XBiLi = fnd::YBiLi = scale;
    FrmMain &main = startFixtureUnit(fx, 3);
    FrmTm &tm = FrmTm::get();
    const auto px = [scale](double twips) { return int(twips / scale / 15 + 0.5); };
    const struct
    {
        const char *name;
        QRect rect; // relative to its parent
    } rows[] = {
        {"CmdGN_0", {6, 1, 48, 22}},      {"CmdGN_3", {202, 1, 58, 22}},    {"CmdGN_11", {202, 1, 58, 22}},
        {"CmdGN_4", {274, 1, 48, 22}},    {"CmdGN_5", {6, 157, 58, 22}},    {"CmdGN_8", {6, 157, 58, 22}},
        {"CmdGN_10", {262, 157, 58, 22}}, {"RtbTM", {6, 30, 318, 121}},     {"Image2", {248, 120, 58, 22}},
        {"LblTime", {6, 184, 81, 19}},    {"PTime", {91, 184, 137, 19}},    {"LblIME", {282, 184, 41, 19}},
        {"PicUnit", {6, 184, 272, 19}},   {"CmdEn", {307, 184, 16, 18}},    {"CmTNO_1", {4, 10, 30, 30}},
        {"CmTNO_40", {292, 106, 30, 30}}, {"CmdSelNext", {221, 172, 55, 22}}, {"FrmSelect", {0, 30, 332, 269}},
        {"LblClose", {306, 2, 22, 22}},   {"LblZXH", {279, 2, 22, 22}},     {"Image1", {8, 8, 97, 116}},
        {"FrmZhuYa", {0, 30, 332, px(4125)}}, {"LblTimeJD", {0, 0, 0, px(255)}}, {"FrmZXH", {0, 0, px(810), px(870)}},
    };
    for (const auto &row : rows) {
        const QWidget *w = tm.findChild<QWidget *>(QString::fromLatin1(row.name));
        QVERIFY2(w, row.name);
        QCOMPARE(w->geometry(), row.rect);
    }
    QCOMPARE(tm.size(), QSize(332, 242));
    QCOMPARE(tm.LblBiao->font().pointSizeF(), 10 * scale);
    QVERIFY(tm.LblBiao->font().bold());
    QCOMPARE(tm.RtbTM->font().pointSizeF(), 11 * scale);
    QCOMPARE(tm.frameGeometry().bottomRight(), main.frameGeometry().bottomRight());
    QVERIFY(tm.isVisible() && main.isVisible());
    QCOMPARE(tm.pictureName(), s("l01046"));
}

void TstFrmTm::candidatePanel_data() { loadGeometry_data(); }

// The load writes the candidate's values over the labels' sample texts: the
// field names down the panel 315 twips apart, each value beside its name;
// the clock row's name too.
void TstFrmTm::candidatePanel()
{
    QFETCH(double, scale);
    ts::SceneFixture fx;
    fnd::XBiLi = fnd::YBiLi = scale;
    fnd::CandName = s("李明");
    exam::CandSeat = s("07");
    exam::CandSession = s("18");
    exam::CandArchive = s("888888");
    exam::CandIdCard = s("110101199001011234");
    startFixtureUnit(fx, 1);
    FrmTm &tm = FrmTm::get();
    const struct
    {
        const char *label, *name, *value;
    } rows[] = {{"Label1_0", "姓    名：", "李明"},   {"Label1_1", "座 位 号：", "07"},
                {"Label1_2", "场    次：", "18"},     {"Label1_3", "档 案 号：", "888888"},
                {"Label1_4", "报考科目：", "网页制作"}, {"Label1_5", "身份证号：", "110101199001011234"}};
    const char *values[] = {"KsName1", "KsZWH1", "KsCC1", "KsDAH1", "KsKM1", "KsSFZ1"};
    for (int i = 0; i < 6; ++i) {
        const auto *name = tm.FrmKSXX->findChild<QLabel *>(QString::fromLatin1(rows[i].label));
        const auto *value = tm.FrmKSXX->findChild<QLabel *>(QString::fromLatin1(values[i]));
        QVERIFY2(name && value, values[i]);
        QCOMPARE(name->text(), s(rows[i].name));
        QCOMPARE(value->text(), s(rows[i].value));
        const QPointF at(1680 * scale, (120 + 315 * i) * scale);
        QVERIFY2(QLineF(simwin::twipsRect(name).topLeft(), at).length() < 1e-6, values[i]);
        QVERIFY2(QLineF(simwin::twipsRect(value).topLeft(), QPointF(2640 * scale, at.y())).length() < 1e-6, values[i]);
        QCOMPARE(name->font().pointSizeF(), 9 * scale);
        QCOMPARE(value->font().pointSizeF(), 9 * scale);
    }
    QCOMPARE(tm.LblName->text(), s("李明"));
}

void TstFrmTm::modes_data()
{
    QTest::addColumn<int>("answerMode");
    QTest::addColumn<bool>("practice");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("unmark");
    QTest::newRow("practice") << 2 << true << "l01003" << "l01011";
    QTest::newRow("hints") << 1 << true << "l01003" << "l01011";
    QTest::newRow("exam") << 3 << false << "l01053" << "l01054";
}

// Both sets show until the mode timer's first tick; then the practice set
// with the unfinished list, or the exam set with the clock row.
void TstFrmTm::modes()
{
    QFETCH(int, answerMode);
    QFETCH(bool, practice);
    QFETCH(QString, mark);
    QFETCH(QString, unmark);
    ts::SceneFixture fx;
    QList<QStringList> questions{{record({{8, s("9001")}})}};
    fx.writeUnit(0, questions);
    copyWindowPictures(fx);
    QVERIFY(ts::composeUnit(0));
    run::AnswerMode = qint16(answerMode);
    ts::startPractice();
    FrmTm &tm = FrmTm::get();
    QVERIFY(tm.TimKsModel->isActive());
    for (int i = 5; i <= 10; ++i)
        QVERIFY(tm.CmdGN[i]->isVisible());
    QTRY_VERIFY(!tm.TimKsModel->isActive());
    for (int i = 5; i <= 7; ++i)
        QCOMPARE(tm.CmdGN[i]->isVisible(), practice);
    for (int i = 8; i <= 10; ++i)
        QCOMPARE(tm.CmdGN[i]->isVisible(), !practice);
    QCOMPARE(tm.PicUnit->isVisible(), practice);
    QVERIFY(tm.LblTime->isVisible());
    QCOMPARE(tm.CmdGN[3]->pictureName(), mark);
    QCOMPARE(tm.CmdGN[11]->pictureName(), unmark);
    QCOMPARE(run::AnswerMode, qint16(practice ? 2 : 3));
    QCOMPARE(tm.LblTime->text(), s("剩余50分钟"));
    for (int i : {0, 1, 2, 4})
        QCOMPARE(tm.CmdGN[i]->pictureName(), QStringLiteral("l010%1").arg(i, 2, 10, QChar(u'0')));
}

void TstFrmTm::header_data()
{
    QTest::addColumn<int>("paperType");
    QTest::addColumn<int>("taoNo");
    QTest::addColumn<int>("recNo");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("done");
    QTest::addColumn<QString>("caption"); // empty: unchanged
    // Question 2 of 40.
    QTest::newRow("fixed paper 4") << 0 << 3 << 3 << 1203 << "F" << s("网页 4套第2题(1303)");
    QTest::newRow("last exam's unfinished") << 2 << 17 << 5 << 1203 << "F" << s("网页 错6-2/40(1303)(未完成)");
    QTest::newRow("unit done") << 5 << 14 << 1 << 5 << "T" << s("网页 已2/40(0105)(已完成)");
    QTest::newRow("unit not done") << 6 << 13 << 1 << 5 << "F" << s("网页 未2/40(0105)(未完成)");
    QTest::newRow("newest random paper") << 8 << 11 << 20 << 1203 << "F" << s("网页 随1-2(1303)");
    for (int set : {9, 10, 11})
        QTest::addRow("marked %d", set) << set << 0 << 0 << 1203 << "F" << s("网页 藏2/40(1303)(未完成)");
    for (int set : {12, 13, 14})
        QTest::addRow("wrong %d", set) << set << 0 << 0 << 1203 << "T" << s("网页 复2/40(1303)(已完成)");
    QTest::newRow("whole unit") << 20 << 0 << 0 << 2 << "F" << s("网页 1单元2/40题(未完成)");
    QTest::newRow("unknown set") << 7 << 0 << 0 << 1203 << "F" << QString();
}

void TstFrmTm::header()
{
    QFETCH(int, paperType);
    QFETCH(int, taoNo);
    QFETCH(int, recNo);
    QFETCH(int, id);
    QFETCH(QString, done);
    QFETCH(QString, caption);
    run::resetRunState();
    run::PaperType = qint16(paperType);
    run::TaoNo = qint16(taoNo);
    run::RecNo = qint16(recNo);
    run::TmSum = 40;
    run::TmNo = 2;
    run::TmId[2] = qint16(id);
    run::TmDone[2] = done;
    QCOMPARE(run::questionHeader(s("网页制作")).value_or(QString()), caption);
}

// The sample bank's first question; the final scene turns the status on the
// real header; an unknown set leaves the caption.
void TstFrmTm::headerOnTheWindow()
{
    ts::BankSteps bank;
    QVERIFY(bank.isValid());
    run::resetRunState();
    scene::resetSceneState();
    QVERIFY(ts::composeUnit(0));
    ts::startPractice();
    FrmTm &tm = FrmTm::get();
    QCOMPARE(tm.LblBiao->text(), s("网页 1单元1/14题(未完成)"));
    QCOMPARE(tm.LblUnit->text(), s("未完成的题目 1 2 3 4 5 6 7 8 9 10 11 12 13 14"));
    run::TmState[3] = 4;
    FrmMain &w = FrmMain::get();
    scene::StepNo = qint16(run::StepStart[2] - run::StepStart[1]); // question 1's last step
    w.setData();
    QCOMPARE(tm.LblBiao->text(), s("网页 1单元1/14题(已完成)"));
    QCOMPARE(tm.LblUnit->text(), s("未完成的题目 2 4 5 6 7 8 9 10 11 12 13 14"));

    run::PaperType = 7;
    tm.LblBiao->setText(s("原样"));
    ts::loadQuestion(2);
    QCOMPARE(tm.LblBiao->text(), s("原样"));
}

// Question texts, picture questions and the navigation buttons.
void TstFrmTm::loading()
{
    ts::SceneFixture fx;
    fx.writePicture(QStringLiteral("p00001"), QSize(40, 30), Qt::darkGreen);
    FrmMain &w = startFixtureUnit(fx, 4,
                                  {s("000101a|b|c"), s("000201picturep00001看|图"), s("000301题"),
                                   s("000401picturenopic1缺")});
    FrmTm &tm = FrmTm::get();
    FrmPicture &pic = FrmPicture::get();
    QCOMPARE(tm.RtbTM->document()->blockCount(), 3);
    QCOMPARE(tm.RtbTM->toPlainText(), s("a\nb\nc"));
    QVERIFY(!tm.CmdGN[0]->isEnabled());
    QVERIFY(tm.CmdGN[1]->isEnabled());
    QVERIFY(!tm.Image2->isVisible());
    QCOMPARE(run::TmLine, s("000101a|b|c"));

    // Loaded twice: visited once.
    QCOMPARE(run::TmState[1], qint16(1));
    tm.DqExam();
    QCOMPARE(run::TmState[1], qint16(1));

    ts::loadQuestion(2);
    QCOMPARE(tm.RtbTM->toPlainText(), s("看|图"));
    QVERIFY(tm.Image2->isVisible());
    QCOMPARE(tm.Image2->caption(), s("显示图片"));
    QVERIFY(!pic.isVisible());
    QCOMPARE(pic.Image1->pictureName(), s("p00001"));
    QVERIFY(tm.CmdGN[0]->isEnabled() && tm.CmdGN[1]->isEnabled());

    // A picture question whose picture is missing shows none, not the last one.
    ts::loadQuestion(4);
    QVERIFY(tm.Image2->isVisible());
    QVERIFY(pic.Image1->picture().isNull());
    QVERIFY(!tm.CmdGN[1]->isEnabled());

    ts::loadQuestion(3);
    QVERIFY(!tm.Image2->isVisible());
    QVERIFY(!pic.isVisible());

    // Marked: unmark shows; hint mode ends with the load.
    run::TmState[3] = 3;
    run::AnswerMode = 1;
    tm.DqExam();
    QVERIFY(!tm.CmdGN[3]->isVisible());
    QVERIFY(tm.CmdGN[11]->isVisible());
    QCOMPARE(run::AnswerMode, qint16(2));
    run::TmState[3] = 5;
    tm.DqExam();
    QVERIFY(tm.CmdGN[3]->isVisible());
    QVERIFY(!tm.CmdGN[11]->isVisible());

    // One question: both navigation buttons off.
    run::TmSum = 1;
    ts::loadQuestion(1);
    QVERIFY(!tm.CmdGN[0]->isEnabled());
    QVERIFY(!tm.CmdGN[1]->isEnabled());

    // A question file that cannot be read keeps the last line; a number past
    // its end reads its last line.
    run::TmSum = 4;
    run::TmFile = fx.dataFile(QStringLiteral("missing"));
    ts::loadQuestion(2);
    QCOMPARE(run::TmLine, s("000101a|b|c"));
    run::TmFile = fx.dataFile(bank::unitFiles(0).tm);
    run::TmSum = 9;
    ts::loadQuestion(9);
    QCOMPARE(run::TmLine, s("000401picturenopic1缺"));
    QVERIFY(w.isVisible());
}

// An empty set loads nothing and indexes nothing.
void TstFrmTm::emptySet()
{
    ts::SceneFixture fx;
    FrmMain &w = startFixtureUnit(fx, 2);
    FrmTm &tm = FrmTm::get();
    run::TmSum = 0;
    run::TmNo = 600;
    tm.DqExam();
    QVERIFY(tm.RtbTM->toPlainText().isEmpty());
    QVERIFY(!tm.CmdGN[0]->isEnabled());
    QVERIFY(!tm.CmdGN[1]->isEnabled());
    QVERIFY(!w.Timer2->isActive());
    QCOMPARE(tm.LblUnit->text(), s("未完成的题目"));
    tm.dqYeMian();
    QCOMPARE(visibleCells(), 0);
}

void TstFrmTm::chooserPages_data()
{
    QTest::addColumn<int>("sum");
    QTest::addColumn<int>("lastPage");
    QTest::addColumn<bool>("paging");
    QTest::addColumn<int>("firstPageCells");
    QTest::addColumn<int>("lastPageCells");
    QTest::newRow("7") << 7 << 0 << false << 7 << 7;
    QTest::newRow("40") << 40 << 0 << false << 40 << 40;
    QTest::newRow("41") << 41 << 1 << true << 40 << 1;
    QTest::newRow("80") << 80 << 1 << true << 40 << 40;
    QTest::newRow("81") << 81 << 2 << true << 40 << 1;
    QTest::newRow("85") << 85 << 2 << true << 40 << 5;
}

// Pages through the real page buttons; next on the last page and previous on
// the first redraw the same page.
void TstFrmTm::chooserPages()
{
    QFETCH(int, sum);
    QFETCH(int, lastPage);
    QFETCH(bool, paging);
    QFETCH(int, firstPageCells);
    QFETCH(int, lastPageCells);
    ts::SceneFixture fx;
    QList<QStringList> questions;
    for (int i = 0; i < sum; ++i)
        questions.append({record({{8, s("9001")}})});
    fx.writeUnit(0, questions);
    QVERIFY(ts::composeUnit(0));
    QCOMPARE(int(run::TmSum), sum);
    ts::startPractice();
    FrmTm &tm = FrmTm::get();
    QCOMPARE(int(tm.YeMianMax), lastPage);
    tm.dqYeMian();
    QVERIFY(tm.FrmSelect->isVisible());
    QCOMPARE(tm.CmdSelNext->isVisible(), paging);
    QCOMPARE(tm.CmdSelLast->isVisible(), paging);
    QCOMPARE(visibleCells(), firstPageCells);
    if (paging) {
        click(tm.CmdSelLast);
        QCOMPARE(int(tm.YeMianNo), 0);
        QCOMPARE(tm.CmTNO[1]->caption(), s("1"));
        for (int p = 0; p <= lastPage; ++p) // one click more than pages
            click(tm.CmdSelNext);
    }
    QCOMPARE(int(tm.YeMianNo), lastPage);
    QCOMPARE(visibleCells(), lastPageCells);
    QCOMPARE(tm.CmTNO[1]->caption(), QString::number(lastPage * 40 + 1));
    QCOMPARE(tm.CmTNO[lastPageCells]->caption(), QString::number(sum));
}

// Button 7 of the second page loads question 47; the chooser reopens on the
// page last shown.
void TstFrmTm::chooserLoadsAQuestion()
{
    ts::SceneFixture fx;
    startFixtureUnit(fx, 85);
    FrmTm &tm = FrmTm::get();
    tm.dqYeMian();
    click(tm.CmdSelNext);
    QCOMPARE(int(tm.YeMianNo), 1);
    click(tm.CmTNO[7]);
    QCOMPARE(int(run::TmNo), 47);
    QVERIFY(!tm.FrmSelect->isVisible());
    QCOMPARE(tm.LblBiao->text(), s("网页 1单元47/85题(未完成)"));
    QCOMPARE(run::TmState[47], qint16(1));
    QVERIFY(FrmMain::get().Timer2->isActive());

    tm.dqYeMian();
    click(tm.CmdSelFH);
    QVERIFY(!tm.FrmSelect->isVisible());
    tm.dqYeMian();
    QCOMPARE(int(tm.YeMianNo), 1);
    QCOMPARE(tm.CmTNO[7]->pictureName(), s("l01031"));
    QCOMPARE(tm.CmTNO[8]->pictureName(), s("l01030"));

    tm.FrmKSXX->show();
    click(tm.CmdKSFH);
    QVERIFY(!tm.FrmKSXX->isVisible());
}

void TstFrmTm::chooserStatePictures_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("picture");
    QTest::newRow("not visited") << 0 << "l01030";
    QTest::newRow("visited") << 1 << "l01031";
    QTest::newRow("visited, marked") << 3 << "l01032";
    QTest::newRow("completed") << 5 << "l01031";
    QTest::newRow("completed, marked") << 7 << "l01032";
}

void TstFrmTm::chooserStatePictures()
{
    QFETCH(int, state);
    QFETCH(QString, picture);
    ts::BankSteps bank;
    QVERIFY(bank.isValid());
    run::resetRunState();
    QVERIFY(ts::composeUnit(0));
    ts::startPractice();
    run::TmState[2] = qint16(state);
    FrmTm::get().dqYeMian();
    QCOMPARE(button(QStringLiteral("CmTNO_2"))->pictureName(), picture);
    QCOMPARE(button(QStringLiteral("CmTNO_2"))->caption(), s("2"));
}

// The probe plays a practice through the question window.
void TstFrmTm::probeShowsThePractice()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    const QList<QJsonObject> answers =
        ts::playProbe(copy.path(), 0, 1, "windows\nwait 600\nwidgets FrmTm\nstate\nclick FrmTm/CmdGN_4\n");
    QCOMPARE(answers.size(), 5);
    QRect tm, main;
    for (const QJsonValue v : answers[0]["windows"].toArray()) {
        const QJsonObject o = v.toObject();
        const QRect r(o["x"].toInt(), o["y"].toInt(), o["w"].toInt(), o["h"].toInt());
        (o["name"].toString() == u"FrmTm" ? tm : main) = r;
    }
    QCOMPARE(tm.size(), QSize(332, 242));
    QCOMPARE(tm.bottomRight(), main.bottomRight());

    QHash<QString, QJsonObject> widgets;
    for (const QJsonValue v : answers[2]["widgets"].toArray())
        widgets.insert(v["name"].toString(), v.toObject());
    QCOMPARE(widgets["CmdGN_0"]["enabled"].toBool(), false);
    QCOMPARE(widgets["CmdGN_0"]["picture"].toString(), s("l01000"));
    for (const char *shown : {"CmdGN_5", "CmdGN_6", "CmdGN_7", "LblUnit", "RtbTM"})
        QVERIFY2(widgets.contains(QString::fromLatin1(shown)), shown);
    for (const char *hidden : {"CmdGN_8", "CmdGN_9", "CmdGN_10", "FrmSelect"})
        QVERIFY2(!widgets.contains(QString::fromLatin1(hidden)), hidden);
    QCOMPARE(widgets["LblBiao"]["text"].toString(), s("网页 1单元1/14题(未完成)"));
    QCOMPARE(answers[3]["TmState"].toArray().at(0).toInt(), 1);
    QCOMPARE(answers[3]["TmSum"].toInt(), 14);
    QVERIFY(answers[4]["ok"].toBool());
}

// A press through the probe lands only where the candidate sees the pressed
// window: the docked question window (332 x 242 at the simulated window's
// bottom-right corner) takes the points under it, and once collapsed its bar
// (54 x 58 at the bottom-left corner) does.
void TstFrmTm::probePressesOnlyWhatShows()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    struct Press
    {
        const char *command;
        bool covered;
    };
    const Press presses[] = {
        {"click FrmMain 790 590", true},  {"click FrmMain 467 590", false}, {"click FrmMain 790 359", true},
        {"click FrmMain 790 357", false}, {"click FrmTm/LblZXH", false},    {"click FrmMain 790 590", false},
        {"click FrmMain 50 590", true},   {"click FrmMain 55 590", false},  {"click FrmTm/Command2", false},
        {"click FrmMain 790 590", true},
    };
    QByteArray input;
    for (const Press &p : presses)
        input += QByteArray(p.command) + '\n';
    const QList<QJsonObject> answers = ts::playProbe(copy.path(), 0, 1, input);
    QCOMPARE(answers.size(), std::size(presses));
    for (size_t i = 0; i < std::size(presses); ++i) {
        const QString error = answers[qsizetype(i)]["error"].toString();
        QVERIFY2(error.isEmpty() != presses[i].covered, qPrintable(presses[i].command + (u' ' + error)));
        if (presses[i].covered)
            QVERIFY2(error.contains(u"covered by FrmTm"), qPrintable(error));
    }
}

// The bar at FrmMain's bottom-left corner; back to full size docked at its
// bottom-right corner wherever the bar was; the open panel shows again.
void TstFrmTm::collapseAndRestore()
{
    ts::SceneFixture fx;
    FrmMain &main = startFixtureUnit(fx, 3);
    FrmTm &tm = FrmTm::get();
    tm.dqYeMian();
    click(tm.LblZXH);
    QCOMPARE(tm.size(), QSize(54, 58));
    QCOMPARE(tm.frameGeometry().bottomLeft(), main.frameGeometry().bottomLeft());
    QVERIFY(tm.FrmZXH->isVisible());
    QTest::mousePress(tm.Label2, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(tm.Label2, QPoint(45, 25));
    QTest::mouseRelease(tm.Label2, Qt::LeftButton, {}, QPoint(45, 25));
    QVERIFY(tm.frameGeometry().bottomLeft() != main.frameGeometry().bottomLeft());
    QCoreApplication::processEvents(); // what follows the drag
    {
        QMouseEvent over(QEvent::MouseMove, QPointF(3, 3), tm.Command2->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(tm.Command2, &over);
    }
    QCOMPARE(tm.Command2->frameShape(), QFrame::Box);
    click(tm.Command2);
    QCOMPARE(tm.size(), QSize(332, 242));
    QCOMPARE(tm.frameGeometry().bottomRight(), main.frameGeometry().bottomRight());
    QVERIFY(!tm.FrmZXH->isVisible());
    QVERIFY(tm.FrmSelect->isVisible());

    // A right press on the strip moves nothing; the close picture does nothing.
    const QPoint at = tm.pos();
    QTest::mousePress(tm.lblMove, Qt::RightButton, {}, QPoint(100, 10));
    QTest::mouseMove(tm.lblMove, QPoint(140, 40));
    QTest::mouseRelease(tm.lblMove, Qt::RightButton, {}, QPoint(140, 40));
    QCOMPARE(tm.pos(), at);
    QVERIFY(main.isVisible());
    click(tm.LblClose);
    QCOMPARE(tm.pos(), at);
    QVERIFY(tm.isVisible() && tm.FrmSelect->isVisible());
}

void TstFrmTm::focusReturn_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("right press on the drag strip") << "right press";
    QTest::newRow("click in the question text") << "text click";
    QTest::newRow("key released in the window") << "key up";
}

// The keyboard goes back to the simulated window: brought to the front,
// restored from minimised and active, the question window unmoved.
void TstFrmTm::focusReturn()
{
    QFETCH(QString, how);
    ts::SceneFixture fx;
    FrmMain &main = startFixtureUnit(fx, 2);
    FrmTm &tm = FrmTm::get();
    // Another window over it, then minimised; the question window active.
    QWidget other;
    other.show();
    plat::bringToTop(&other);
    main.showMinimized();
    tm.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &tm);
    const QPoint at = tm.pos();
    if (how == u"right press") {
        QTest::mousePress(tm.lblMove, Qt::RightButton, {}, QPoint(100, 10));
        QTest::mouseRelease(tm.lblMove, Qt::RightButton, {}, QPoint(100, 10));
    } else if (how == u"text click") {
        QTest::mouseClick(tm.RtbTM->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    } else {
        QTest::keyClick(tm.windowHandle(), Qt::Key_A);
    }
    QVERIFY(!(main.windowState() & Qt::WindowMinimized));
    QTRY_COMPARE(QApplication::activeWindow(), &main);
    const QList<QWidget *> order = plat::stackingOrder();
    QVERIFY(order.indexOf(&main) > order.indexOf(&other));
    QVERIFY(order.indexOf(&tm) > order.indexOf(&main));
    QCOMPARE(tm.pos(), at);
    QVERIFY(tm.isVisible());
}

// A scene built while a confirmation is open (the deferred build of a
// question just loaded, on a slow machine) puts the simulated window on top
// and the question window above it, but the modal window stays above both:
// it is the only one that answers.
void TstFrmTm::aSceneDoesNotCoverAnOpenModalWindow()
{
    ts::SceneFixture fx;
    FrmMain &main = startFixtureUnit(fx, 2);
    FrmTm &tm = FrmTm::get();
    QWidget box;
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    main.setData();
    const QList<QWidget *> order = plat::stackingOrder();
    QCOMPARE(order.value(order.size() - 1), &box);
    QVERIFY(order.indexOf(&tm) > order.indexOf(&main));
}

// Refused while TmCanUnload is false; a close from outside always.
void TstFrmTm::unloadGuard()
{
    ts::SceneFixture fx;
    startFixtureUnit(fx, 2);
    QVERIFY(!run::TmCanUnload);
    FrmTm::unload();
    QVERIFY(FrmTm::loaded());
    QVERIFY(FrmTm::loaded()->isVisible());
    run::TmCanUnload = true;
    QVERIFY(!FrmTm::get().close());
    QVERIFY(FrmTm::get().isVisible());
    FrmTm::unload();
    QVERIFY(!FrmTm::loaded());
}

void TstFrmTm::pictureWindow_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<bool>("picture");
    QTest::newRow("scale 1") << 1.0 << true;
    QTest::newRow("scale 0.8") << 0.8 << true;
    QTest::newRow("picture missing") << 1.0 << false;
}

// The toggle twice: the picture with a margin of 60 scaled twips (4 pixels)
// on every side, in the middle of the 1024 x 768 screen; then hidden.
void TstFrmTm::pictureWindow()
{
    QFETCH(double, scale);
    QFETCH(bool, picture);
    ts::SceneFixture fx;
    fnd::XBiLi = fnd::YBiLi = scale;
    if (picture)
        fx.writePicture(QStringLiteral("p00001"), QSize(40, 30), Qt::darkGreen);
    startFixtureUnit(fx, 1, {s("000101picturep00001看图")});
    FrmTm &tm = FrmTm::get();
    FrmPicture &pic = FrmPicture::get();
    const QSize size = picture ? QSize(48, 38) : QSize(8, 8);
    for (int round = 0; round < 2; ++round) {
        click(tm.Image2);
        QVERIFY(pic.isVisible());
        QCOMPARE(tm.Image2->caption(), s("隐藏图片"));
        QTRY_VERIFY(!pic.Timer1->isActive());
        QCOMPARE(pic.size(), size);
        QCOMPARE(pic.pos(), QPoint((1024 - size.width()) / 2, (768 - size.height()) / 2));
        QCOMPARE(pic.Image1->pos(), QPoint(4, 4));
        pic.move(5, 5); // dragged away: the next show centres it again
        click(tm.Image2);
        QVERIFY(!pic.isVisible());
        QCOMPARE(tm.Image2->caption(), s("显示图片"));
    }
}

void TstFrmTm::markButtons_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("after");
    QTest::newRow("mark a marked question") << 3 << 3 << 3;
    QTest::newRow("unmark an unmarked question") << 1 << 11 << 1;
    QTest::newRow("mark a completed question") << 5 << 3 << 7;
    QTest::newRow("unmark it again") << 7 << 11 << 5;
}

// Bit 2 alone changes; the buttons swap whatever the state was.
void TstFrmTm::markButtons()
{
    QFETCH(int, state);
    QFETCH(int, button);
    QFETCH(int, after);
    ts::SceneFixture fx;
    startFixtureUnit(fx, 2);
    FrmTm &tm = FrmTm::get();
    run::TmState[1] = qint16(state);
    tm.CmdGN[button]->show();
    click(tm.CmdGN[button]);
    QCOMPARE(int(run::TmState[1]), after);
    QCOMPARE(tm.CmdGN[11]->isVisible(), button == 3);
    QCOMPARE(tm.CmdGN[3]->isVisible(), button == 11);
}

// Next resumes a question where it was left; redo starts it again and keeps
// its completion; hint mode lasts until the next load; the candidate panel.
void TstFrmTm::navigationHintAndPanels()
{
    ts::SceneFixture fx;
    fx.writeUnit(0, {{record({{8, s("9001")}}), record({{8, s("9001")}})},
                     {record({{8, s("9001")}}), record({{8, s("9001")}})}});
    copyWindowPictures(fx);
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = ts::startPractice();
    FrmTm &tm = FrmTm::get();
    scene::TmStep[2] = 2;
    run::TmState[2] = 5;
    click(tm.CmdGN[1]);
    QCOMPARE(int(run::TmNo), 2);
    QCOMPARE(int(scene::StepNo), 2);
    QTRY_VERIFY(!w.Timer2->isActive());
    click(tm.CmdGN[2]);
    QCOMPARE(int(scene::StepNo), 1);
    QCOMPARE(int(run::TmState[2]), 5);
    click(tm.CmdGN[1]); // clamped at the last question
    QCOMPARE(int(run::TmNo), 2);

    QTRY_VERIFY(!tm.TimKsModel->isActive());
    click(tm.CmdGN[6]);
    QCOMPARE(int(run::AnswerMode), 1);
    for (QWidget *c : std::initializer_list<QWidget *>{w.LHelp, w.Shape1, w.Shape2, w.Shape4})
        QVERIFY(c->isVisible());
    QVERIFY(w.TimerDisFK->isActive());
    QTRY_VERIFY(!w.TimerDisFK->isActive());
    click(tm.CmdGN[0]);
    QCOMPARE(int(run::TmNo), 1);
    QCOMPARE(int(run::AnswerMode), 2);
    QTRY_VERIFY(!w.Timer2->isActive());
    QVERIFY(!w.LHelp->isVisible());

    click(tm.CmdGN[4]);
    QVERIFY(tm.FrmSelect->isVisible());
    click(tm.CmdSelFH);
    tm.CmdGN[9]->show();
    click(tm.CmdGN[9]);
    QVERIFY(tm.FrmKSXX->isVisible());
    click(tm.CmdKSFH);
    QVERIFY(!tm.FrmKSXX->isVisible());

    // An empty set: the buttons change nothing.
    run::TmSum = 0;
    run::TmNo = 1;
    for (int b : {0, 1, 2, 3})
        if (tm.CmdGN[b]->isEnabled() && tm.CmdGN[b]->isVisible())
            click(tm.CmdGN[b]);
    QCOMPARE(int(run::TmNo), 1);
    QCOMPARE(int(run::TmState[1]), 1);
}

// Through the real quit button: the unit progress, the marked list, the
// return page and both windows gone.
void TstFrmTm::quitAUnitPractice()
{
    ts::BankSteps bank;
    QVERIFY(bank.isValid());
    QVERIFY(fnd::writeLines(run::recordPath(bank::UnitProgressFile), {s("FFFT") + QString(10, u'F')}));
    run::resetRunState();
    scene::resetSceneState();
    QVERIFY(ts::composeUnit(0));
    QCOMPARE(int(run::TmState[4]), 4);
    ts::startPractice();
    FrmTm &tm = FrmTm::get();
    run::TmState[1] |= 4;
    run::TmState[2] |= 4;
    ts::loadQuestion(5);
    click(tm.CmdGN[3]);
    click(tm.CmdGN[5]);
    QVERIFY(!FrmTm::loaded());
    QVERIFY(!FrmMain::loaded());
    QCOMPARE(run::readUnitProgress().value(0), s("TTFT") + QString(10, u'F'));
    QCOMPARE(run::readRecordLine(bank::BiaoZhiIdFile), s("0005"));
    QCOMPARE(int(cover::FhPage), 16);
    QVERIFY(FrmFengmian::loaded() && FrmFengmian::loaded()->isVisible());
    QTRY_COMPARE(int(FrmFengmian::loaded()->OpenedPage), 16);
}

void TstFrmTm::quitAReviewOfWrongQuestions_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("list");
    QTest::newRow("yes") << true << s("00010003");
    QTest::newRow("no") << false << s("0001000200030004");
}

// A review of a paper's wrong questions asks, with No the default, whether
// the questions answered now leave the list.
void TstFrmTm::quitAReviewOfWrongQuestions()
{
    QFETCH(bool, yes);
    QFETCH(QString, list);
    ts::BankSteps bank;
    QVERIFY(bank.isValid());
    QVERIFY(run::writeRecordLine(bank::ShiJuanCuoTiFile(3), s("0001000200030004")));
    run::resetRunState();
    scene::resetSceneState();
    run::RecNo = 3;
    QCOMPARE(run::composeExamReviewSet(), run::ReviewSet::Composed);
    ts::startPractice();
    run::TmState[2] |= 4;
    run::TmState[4] |= 4;
    QString prompt;
    bool noIsDefault = false;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        prompt = box->text();
        noIsDefault = static_cast<QAbstractButton *>(box->defaultButton()) == box->button(QMessageBox::No);
        QTest::mouseClick(static_cast<QWidget *>(box->button(yes ? QMessageBox::Yes : QMessageBox::No)), Qt::LeftButton);
    });
    click(FrmTm::get().CmdGN[5]);
    QVERIFY(prompt.startsWith(s("本次答对的题目要从“错题复习”中去掉吗？")));
    QVERIFY(noIsDefault);
    QCOMPARE(run::readRecordLine(bank::ShiJuanCuoTiFile(3)), list);
    QCOMPARE(int(cover::FhPage), 0);
    QVERIFY(!FrmTm::loaded());
}

void TstFrmTm::demonstration_data()
{
    QTest::addColumn<QString>("line"); // question 2's line
    QTest::addColumn<bool>("pictureOpen");
    QTest::addColumn<bool>("shorten"); // the question file cut to one line after the load
    QTest::addColumn<QString>("shown"); // RtbTM during the demonstration
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("reloaded"); // RtbTM after the demonstration
    QTest::addColumn<QString>("picture");  // FrmPicture's picture during it
    QTest::newRow("text with marks and blanks") << s("000203  a|b|c  ") << false << false << s("  a|b|c  ") << s("a|b|c")
                                                << s("  a\nb\nc  ") << QString();
    QTest::newRow("picture question, its window open") << s("000203picturep00001看|图") << true << false
                                                       << s("看|图") << s("看|图") << s("看|图") << s("p00001");
    QTest::newRow("picture missing") << s("000203picturenopic1缺|图") << true << false << s("缺|图") << s("缺|图") << s("缺|图")
                                     << QString();
    QTest::newRow("question past the shortened file") << s("000203原|题") << false << true << s("新|题") << s("新|题")
                                                      << s("新\n题") << QString();
}

// Button 7: the picture window closed, the line read again with its marks;
// the windows swap on the second tick of TimStartYS; the demonstration window
// covers FrmMain with the text as its note, and on the fourth tick of TimEnd
// the run's windows come back and the question reloads at its own step.
void TstFrmTm::demonstration()
{
    QFETCH(QString, line);
    QFETCH(bool, pictureOpen);
    QFETCH(bool, shorten);
    QFETCH(QString, shown);
    QFETCH(QString, note);
    QFETCH(QString, reloaded);
    QFETCH(QString, picture);
    ts::SceneFixture fx;
    fx.writePicture(QStringLiteral("p00001"), QSize(40, 30), Qt::darkGreen);
    fx.writePicture(QStringLiteral("p00002"), QSize(20, 20), Qt::red);
    copyWindowPictures(fx);
    const QStringList steps{record({{8, s("9001")}}), record({{8, s("9001")}}), record({{8, s("9999")}})};
    fx.writeUnit(0, {steps, steps});
    fnd::writeLines(fx.dataFile(bank::unitFiles(0).tm), {s("000103picturep00002一"), line});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = ts::startPractice();
    FrmTm &tm = FrmTm::get();
    FrmPicture &pic = FrmPicture::get();
    scene::TmStep[2] = 2;
    ts::loadQuestion(2);
    const qint16 state = run::TmState[2];
    QTRY_VERIFY(!tm.TimKsModel->isActive());
    if (pictureOpen) {
        click(tm.Image2);
        QVERIFY(pic.isVisible());
    }
    if (shorten)
        QVERIFY(fnd::writeLines(run::TmFile, {s("000103新|题")}));

    QSignalSpy startTicks(tm.TimStartYS, &QTimer::timeout);
    // The windows as the first tick leaves them, read as it ends: a loaded
    // machine may run the second tick before a poll would see the first.
    bool runWindowsAfterFirst = false, demoAfterFirst = true;
    QObject firstTick;
    connect(tm.TimStartYS, &QTimer::timeout, &firstTick, [&] {
        if (startTicks.count() != 1)
            return;
        runWindowsAfterFirst = tm.isVisible() && w.isVisible();
        demoAfterFirst = FrmYanShi::loaded() != nullptr;
    });
    click(tm.CmdGN[7]);
    QVERIFY(run::YanShiRun);
    QVERIFY(!pic.isVisible());
    QCOMPARE(tm.Image2->caption(), s("显示图片"));
    QCOMPARE(pic.Image1->pictureName(), picture);
    QCOMPARE(tm.RtbTM->toPlainText(), shown);
    QTRY_VERIFY(FrmYanShi::loaded() && FrmYanShi::loaded()->isVisible());
    QVERIFY(runWindowsAfterFirst);
    QVERIFY(!demoAfterFirst);
    QCOMPARE(startTicks.count(), 2);
    QVERIFY(!tm.TimStartYS->isActive());
    QCOMPARE(int(FrmYanShi::loaded()->DemoStep), 1);
    QVERIFY(!tm.isVisible());
    QVERIFY(!w.isVisible());
    QVERIFY(run::YanShiRun);
    FrmYanShi &demo = *FrmYanShi::loaded();
    QCOMPARE(demo.ImgLogo->text(), note);
    QCOMPARE(demo.geometry(), w.geometry());
    QCOMPARE(int(run::AnswerMode), 1);

    // The player's advance to the final scene, which arms the end.
    QSignalSpy endTicks(demo.TimEnd, &QTimer::timeout);
    bool demoAfterThird = false; // as the third tick leaves it
    QObject thirdTick;
    connect(demo.TimEnd, &QTimer::timeout, &thirdTick, [&] {
        if (endTicks.count() == 3)
            demoAfterThird = FrmYanShi::loaded() != nullptr;
    });
    demo.doNext();
    demo.doNext();
    QVERIFY(demo.TimEnd->isActive());
    QTRY_VERIFY(!FrmYanShi::loaded());
    QVERIFY(demoAfterThird);
    QCOMPARE(endTicks.count(), 4);
    QVERIFY(!run::YanShiRun);
    QVERIFY(tm.isVisible() && w.isVisible());
    QTRY_VERIFY(!tm.TimerREDO->isActive() && !w.Timer2->isActive());
    QCOMPARE(tm.RtbTM->toPlainText(), reloaded);
    QCOMPARE(int(scene::StepNo), 2);
    QCOMPARE(int(scene::TmStep[2]), 2);
    QCOMPARE(run::TmState[2], state);
    QCOMPARE(int(run::AnswerMode), 2);
}



namespace {
// The installed layouts the registry stand-in reports: handles in order, and
// a description for each input method.
void installLayouts(const QString &list, const QMap<QString, QString> &descriptions)
{
    QSettings ini(plat::registryFile(), QSettings::IniFormat);
    ini.remove(QStringLiteral("KeyboardLayouts"));
    if (!list.isNull())
        ini.setValue(QStringLiteral("KeyboardLayouts/List"), list);
    for (auto it = descriptions.cbegin(); it != descriptions.cend(); ++it)
        ini.setValue(QStringLiteral("KeyboardLayouts/") + it.key(), it.value());
    ini.sync();
}

struct LayoutRow
{
    QString list;
    QMap<QString, QString> descriptions;
};

QString handle(int i) { return QStringLiteral("E%1").arg(i + 0x200, 3, 16, QChar(u'0')).toUpper() + QStringLiteral("0804"); }

// Twelve (or more) input methods after the US layout.
LayoutRow manyMethods(int count, bool us)
{
    LayoutRow r;
    QStringList list;
    if (us)
        list << QStringLiteral("04090409");
    for (int i = 1; i <= count; ++i) {
        list << handle(i);
        r.descriptions[handle(i)] = QStringLiteral("输入法%1").arg(i);
    }
    r.list = list.join(u' ');
    return r;
}
} // namespace

Q_DECLARE_METATYPE(LayoutRow)

void TstFrmTm::languageBar_data()
{
    QTest::addColumn<LayoutRow>("layouts");
    QTest::addColumn<int>("imeCount");
    QTest::addColumn<QStringList>("captions"); // mCn1 .. the last shown
    QTest::addColumn<QString>("choose");
    QTest::addColumn<quint32>("chosen");
    const QMap<QString, QString> ab{{QStringLiteral("E0200804"), s("甲输入法")}, {QStringLiteral("E0210804"), s("乙输入法")}};
    QTest::newRow("US, A, B") << LayoutRow{QStringLiteral("04090409 E0200804 E0210804"), ab} << 3
                              << QStringList{s("甲输入法"), s("乙输入法")} << "mCn2" << 0xE0210804u;
    QTest::newRow("US, A, B: English") << LayoutRow{QStringLiteral("04090409 E0200804 E0210804"), ab} << 3
                                       << QStringList{s("甲输入法"), s("乙输入法")} << "mEng" << 0x04090409u;
    QTest::newRow("A, US, B: US") << LayoutRow{QStringLiteral("E0200804 04090409 E0210804"), ab} << 3
                                  << QStringList{s("甲输入法"), s("乙输入法")} << "mEng" << 0x04090409u;
    QTest::newRow("A, US, B: A") << LayoutRow{QStringLiteral("E0200804 04090409 E0210804"), ab} << 3
                                 << QStringList{s("甲输入法"), s("乙输入法")} << "mCn1" << 0xE0200804u;
    QTest::newRow("A, US, B: B") << LayoutRow{QStringLiteral("E0200804 04090409 E0210804"), ab} << 3
                                 << QStringList{s("甲输入法"), s("乙输入法")} << "mCn2" << 0xE0210804u;
    QTest::newRow("no list: one US layout") << LayoutRow{} << 1 << QStringList{s("中文1")} << "mCn1" << 0u;
    QTest::newRow("garbled list") << LayoutRow{QStringLiteral("04090409 zz"), ab} << 1 << QStringList{s("中文1")}
                                  << "mEng" << 0x04090409u;
    QStringList ten;
    for (int i = 1; i <= 10; ++i)
        ten << QStringLiteral("输入法%1").arg(i);
    QTest::newRow("twelve methods") << manyMethods(12, true) << 13 << ten << "mCn10" << 0xE20A0804u;
    // Seventeen methods and no US layout: the list stops at sixteen.
    QTest::newRow("over sixteen") << manyMethods(17, false) << 17 << ten << "mEng" << 0u;
}

// The menu offers the installed layouts, opens 300 twips per counted item
// above the indicator with its right edge at the indicator's left, and each
// item selects the layout it names; the keyboard goes back to Text1, which
// activates the choice.
void TstFrmTm::languageBar()
{
    QFETCH(LayoutRow, layouts);
    QFETCH(int, imeCount);
    QFETCH(QStringList, captions);
    QFETCH(QString, choose);
    QFETCH(quint32, chosen);
    installLayouts(layouts.list, layouts.descriptions);
    ts::SceneFixture fx;
    run::UseIME = true;
    plat::resetLayoutActivations();
    FrmMain &w = startFixtureUnit(fx, 2);
    FrmTm &tm = FrmTm::get();
    QCOMPARE(int(tm.ImeCount), imeCount);
    QCOMPARE(tm.mEng->text(), s("英语（美国）"));
    QVERIFY(tm.mCn[1]->isVisible());
    for (int k = 1; k <= FrmTm::ImeItems; ++k) {
        QCOMPARE(tm.mCn[k]->isVisible(), k == 1 || k <= captions.size());
        if (k <= captions.size())
            QCOMPARE(tm.mCn[k]->text(), captions[k - 1]);
    }

    QPoint at;
    bool opened = false;
    simwin::ScopedPopupChooser chooser([&](QMenu &menu, QPoint p) {
        opened = true;
        at = p;
        return menu.findChild<QAction *>(choose);
    });
    // A typing step's box (the fixture's steps have none shown).
    w.Text1->show();
    w.Text2->show();
    w.Text2->setFocus();
    click(tm.LblIME);
    QVERIFY(opened);
    const QPoint indicator = tm.LblIME->mapToGlobal(QPoint(0, 0));
    QCOMPARE(at.x() + tm.mIme->sizeHint().width(), indicator.x());
    QCOMPARE(at.y(), indicator.y() - imeCount * 300 / 15);
    QCOMPARE(exam::CurHKL, chosen);
    QVERIFY(w.isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.Text1));
    QVERIFY(QApplication::activeWindow() == &w);
    QVERIFY(plat::layoutActivationCount() > 0);
    QCOMPARE(plat::lastLayoutActivation()->layout, chosen);
    installLayouts(QString(), {});
}

void TstFrmTm::languageBarNeedsTheOption()
{
    installLayouts(QStringLiteral("04090409 E0200804"), {{QStringLiteral("E0200804"), s("甲输入法")}});
    ts::SceneFixture fx;
    run::UseIME = false;
    startFixtureUnit(fx, 1);
    bool opened = false;
    simwin::ScopedPopupChooser chooser([&](QMenu &, QPoint) {
        opened = true;
        return nullptr;
    });
    click(FrmTm::get().LblIME);
    QVERIFY(!opened);
    QCOMPARE(exam::CurHKL, 0u);
    installLayouts(QString(), {});
}

QTEST_MAIN(TstFrmTm)
#include "tst_frmtm.moc"
