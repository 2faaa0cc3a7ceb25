// The mock exam on the real windows, offscreen, on a copy of the sample bank:
// the logon (texts, identity filter, working files, leave, progress), the
// exam clock (shortened through its interval), the hand-in confirmations
// (message, cancel, confirm, the score window) and the guards against nested
// confirmations.
#include "reportlog.h"
#include "testsupport.h"
#include "windowdrive.h"

#include "bank/bankfiles.h"
#include "cover/frmfengmian.h"
#include "cover/runstart.h"
#include "examflow/examstate.h"
#include "examflow/frmchengji.h"
#include "examflow/frmczts.h"
#include "demo/window/frmyanshi.h"
#include "examflow/frmend.h"
#include "examflow/frmlogon.h"
#include "examflow/frmtm.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/productinfo.h"
#include "foundation/ui/kvelbutton.h"
#include "run/records.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/twips.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QtTest>
#include <functional>

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }

void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

// Acts on the modal window `name` (that `is` accepts, when given) as soon as
// it is up, from inside its loop. It polls instead of waiting: a wait of its
// own would hold up any modal loop opened while it waits, and with it the
// window it waits for.
void whenModal(const QString &name, std::function<void(QWidget *)> act, std::function<bool(QWidget *)> is = {})
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    const QDeadlineTimer deadline(5000);
    QObject::connect(poll, &QTimer::timeout, [poll, name, act, is, deadline] {
        QWidget *m = QApplication::activeModalWidget();
        const bool up = m && m->objectName() == name && m->isVisible() && (!is || is(m));
        if (!up && !deadline.hasExpired())
            return;
        poll->stop();
        poll->deleteLater();
        if (up)
            act(m);
        else
            qWarning("%s did not come up", qPrintable(name));
    });
    poll->start();
}

// The platform box's button, once the box is up; its text is kept. `then`
// arms what comes next (a waiter armed beside this one would hold this one
// up inside its own wait).
void answerBox(QMessageBox::StandardButton button, QString *text = nullptr, int *count = nullptr,
               std::function<void()> then = {})
{
    whenModal(QStringLiteral("MsgBox"), [button, text, count, then](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (text)
            *text = box->text();
        if (count)
            ++*count;
        QTest::mouseClick(static_cast<QWidget *>(box->button(button)), Qt::LeftButton);
        if (then)
            then();
    });
}

// The time-up message, once it is up (another platform box may be up
// before it): its text is kept, OK pressed, then `then`.
void answerTimeUp(QString *text, std::function<void()> then)
{
    whenModal(
        QStringLiteral("MsgBox"),
        [text, then](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            *text = box->text();
            QTest::mouseClick(static_cast<QWidget *>(box->button(QMessageBox::Ok)), Qt::LeftButton);
            then();
        },
        [](QWidget *w) { return qobject_cast<QMessageBox *>(w)->button(QMessageBox::Ok); });
}

void clickLater(const QString &window, const char *button)
{
    whenModal(window, [button](QWidget *w) { click(w->findChild<kvelButton *>(QString::fromLatin1(button))); });
}

} // namespace

class TstExam : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void logonTexts_data();
    void logonTexts();
    void identityFilter();
    void workFiles_data();
    void workFiles();
    void leave();
    void progress();
    void clockTicks();
    void timeUp();
    void practiceClockStops();
    void handInMessage_data();
    void handInMessage();
    void cancelAndConfirm();
    void timeUpDuringAConfirmation_data();
    void timeUpDuringAConfirmation();
    void confirmationsCloseOnlyByTheirButtons_data();
    void confirmationsCloseOnlyByTheirButtons();
    void scoreWindow();
    void questionTextShownLiterally();
    void reviewThisExam();
    void reviewWrongQuestions();
    void reviewOfAVanishedWrongList();
    void backToThePapersPage();
    void showAnswerPrompt();
    void missingPicturesLoggedOnce();
    void answerPromptClosings_data();
    void answerPromptClosings();
    void timeUpWhileTheAnswerPromptIsOpen_data();
    void timeUpWhileTheAnswerPromptIsOpen();

private:
    // An exam of paper 0 handed in with questions 1 and 2 completed and 5
    // marked: the score window up. `afterLogIn` runs once the exam started.
    FrmChengji &handedIn(const std::function<void()> &afterLogIn = {});
    std::unique_ptr<ts::ProgramCopy> copy_;
    QString ids_;
    // Fixed paper 0 composed and started: the logon's first page shows.
    FrmLogon &startExam();
    // Logs in and waits for the exam's windows.
    FrmTm &logIn();
};

void TstExam::init()
{
    copy_ = std::make_unique<ts::ProgramCopy>();
    QVERIFY(copy_->isValid());
    fnd::resetGlobals();
    run::resetRunState();
    scene::resetSceneState();
    exam::resetExamState();
    fnd::readInfo();
}

void TstExam::cleanup()
{
    ts::unloadRunWindows();
    FrmLogon::unload();
    FrmChengji::unload();
    FrmFengmian::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    copy_.reset();
}

FrmLogon &TstExam::startExam()
{
    ids_ = fnd::readLines(fnd::dataFile(bank::PaperListFile)).value_or(QStringList()).value(2).trimmed();
    run::PaperType = 0;
    run::TaoNo = 0;
    run::RecNo = 0;
    if (!cover::InitShiTi(ids_, 0))
        qFatal("paper 0 cannot be composed");
    run::AnswerMode = 3;
    cover::startLianXi();
    FrmLogon &logon = FrmLogon::get();
    if (!QTest::qWaitFor([&] { return logon.Picture1->isVisible(); }))
        qWarning("the logon's first page did not show");
    return logon;
}

FrmTm &TstExam::logIn()
{
    click(FrmLogon::get().CmdLog);
    if (!QTest::qWaitFor([] { return !FrmLogon::loaded() && FrmTm::loaded() && !FrmTm::loaded()->TimerREDO->isActive(); }))
        qWarning("the exam did not start");
    return FrmTm::get();
}

void TstExam::logonTexts_data()
{
    QTest::addColumn<QString>("seat");
    QTest::addColumn<QString>("id"); // null: the box's sample kept
    QTest::addColumn<QString>("candSeat");
    QTest::addColumn<QString>("candId");
    const QString sample = FrmLogon::SampleIdCard, pad = FrmLogon::DefaultIdCard;
    QTest::newRow("nothing typed") << "18" << QString() << "18" << sample;
    QTest::newRow("7") << "7" << QString() << "07" << sample;
    QTest::newRow("123") << "123" << QString() << "23" << sample;
    QTest::newRow("spaces around 5") << " 5 " << QString() << "05" << sample;
    QTest::newRow("empty") << "" << "" << "00" << pad;
    QTest::newRow("15 digits") << "18" << "123456789012345" << "18" << pad.left(3) + "123456789012345";
}

// The candidate values and the confirmation page; nothing is validated.
void TstExam::logonTexts()
{
    QFETCH(QString, seat);
    QFETCH(QString, id);
    QFETCH(QString, candSeat);
    QFETCH(QString, candId);
    FrmLogon &logon = startExam();
    QCOMPARE(logon.TxtZwh->text(), s("18"));
    logon.TxtZwh->setText(seat);
    if (!id.isNull())
        logon.TxtSFZ->setText(id);
    logon.CmdLog_Click();
    QCOMPARE(exam::CandSeat, candSeat);
    QCOMPARE(exam::CandIdCard, candId);
    QCOMPARE(exam::CandSession, s("18"));
    QCOMPARE(exam::CandArchive, s("888888"));
    QCOMPARE(logon.LblZwh->text(), candSeat);
    QCOMPARE(logon.LblSfz->text(), candId);
    QCOMPARE(logon.LblKm->text(), fnd::ExamTitle);
    QCOMPARE(logon.LblDate->text(), QDate::currentDate().toString(s("yyyy年MM月dd日")));
    QVERIFY(!run::TmCanUnload);
    QVERIFY(logon.Picture2->isVisible() && !logon.Picture1->isVisible());
}

// Digits and backspace pass; an X only as the 18th character, its case
// kept; nothing after 18; Enter does nothing.
void TstExam::identityFilter()
{
    FrmLogon &logon = startExam();
    QLineEdit *box = logon.TxtSFZ;
    box->clear();
    box->setFocus();
    QTest::keyClicks(box, s("X1a-"));
    QCOMPARE(box->text(), s("1"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QString());
    QTest::keyClicks(box, s("1234567890123456X7"));
    QCOMPARE(box->text(), s("12345678901234567"));
    QTest::keyClicks(box, s("x9"));
    QCOMPARE(box->text(), s("12345678901234567x"));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(logon.TxtZwh, Qt::Key_Return);
    QVERIFY(logon.Picture1->isVisible());
    QVERIFY(!logon.Timer2->isActive());
}

void TstExam::workFiles_data()
{
    QTest::addColumn<int>("paperType");
    QTest::addColumn<int>("taoNo");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("tm");
    QTest::newRow("random paper") << 8 << 11 << "288819" << "288869";
    QTest::newRow("fixed paper 1") << 0 << 1 << "288801" << "288851";
}

void TstExam::workFiles()
{
    QFETCH(int, paperType);
    QFETCH(int, taoNo);
    QFETCH(QString, step);
    QFETCH(QString, tm);
    run::PaperType = qint16(paperType);
    run::TaoNo = qint16(taoNo);
    FrmLogon::get();
    QCOMPARE(run::StepFile, fnd::dataFile(step));
    QCOMPARE(run::TmFile, fnd::dataFile(tm));
    QCOMPARE(run::CommonDataFile, fnd::dataFile(QStringLiteral("288890")));
}

// No keeps the page as it was; Yes goes back to the cover's home page.
void TstExam::leave()
{
    FrmLogon &logon = startExam();
    logon.TxtZwh->setText(s("42"));
    QString text;
    answerBox(QMessageBox::No, &text);
    click(logon.CmdExit);
    QCOMPARE(text, s("确实要退出考试系统吗？"));
    QVERIFY(FrmLogon::loaded() && logon.Picture1->isVisible());
    QCOMPARE(logon.TxtZwh->text(), s("42"));
    answerBox(QMessageBox::Yes);
    click(logon.CmdExit);
    QVERIFY(!FrmLogon::loaded());
    QVERIFY(FrmFengmian::loaded() && FrmFengmian::loaded()->isVisible());
}

// The bar is full on the seventh tick; then the exam's windows, the start
// time, and the exam's buttons with the full clock.
void TstExam::progress()
{
    FrmLogon &logon = startExam();
    QSignalSpy ticks(logon.Timer2, &QTimer::timeout);
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    FrmTm &tm = logIn();
    QCOMPARE(ticks.count(), 7);
    const QDateTime start = QDateTime::fromString(run::ExamStart, s("yyyy-MM-dd hh:mm:ss"));
    QVERIFY(start >= before && start <= QDateTime::currentDateTime());
    QVERIFY(tm.isVisible() && FrmMain::get().isVisible());
    QCOMPARE(int(run::TmNo), 1);
    QTRY_VERIFY(!tm.TimKsModel->isActive());
    for (int i : {8, 9, 10})
        QVERIFY(tm.CmdGN[size_t(i)]->isVisible());
    QCOMPARE(tm.LblTime->text(), s("剩余50分钟"));
    QVERIFY(tm.TimeKS->isActive());
}

// Tick k shows 51 - k minutes and (k - 1) / 50 of the frame.
void TstExam::clockTicks()
{
    startExam();
    FrmTm &tm = logIn();
    tm.TimeKS->stop();
    const double frame = simwin::twipsWidth(tm.PTime);
    for (int k = 1; k <= 49; ++k) {
        tm.TimeKS_Timer();
        QCOMPARE(tm.LblTime->text(), s("剩余%1分钟").arg(51 - k));
        QCOMPARE(simwin::twipsWidth(tm.LblTimeJD), double(float(k - 1) * float(frame) / 50.0f));
        QCOMPARE(int(run::LeftMinutes), 50 - k);
    }
}

// The 50th tick: the message, then FrmEnd1 over the still visible window.
void TstExam::timeUp()
{
    startExam();
    FrmTm &tm = logIn();
    run::LeftMinutes = 1;
    QString text;
    bool tmShown = false;
    answerBox(QMessageBox::Ok, &text, nullptr, [&] {
        whenModal(QStringLiteral("FrmEnd1"), [&](QWidget *w) {
            tmShown = FrmTm::get().isVisible();
            click(w->findChild<kvelButton *>(QStringLiteral("Command2")));
        });
    });
    tm.TimeKS->setInterval(20);
    QTRY_VERIFY(!tm.TimeKS->isActive());
    QTRY_VERIFY(!FrmEnd1::loaded());
    QCOMPARE(text, s("时间已到，自动交卷！"));
    QVERIFY(tmShown);
    QVERIFY(tm.isVisible());
    QCOMPARE(int(run::LeftMinutes), 0);
}

// A practice has no clock: its first tick stops it and leaves the row.
void TstExam::practiceClockStops()
{
    QVERIFY(ts::composeUnit(0));
    ts::startPractice();
    FrmTm &tm = FrmTm::get();
    const QString caption = tm.LblTime->text();
    QSignalSpy ticks(tm.TimeKS, &QTimer::timeout);
    tm.TimeKS->setInterval(20);
    QTRY_VERIFY(!tm.TimeKS->isActive());
    QCOMPARE(ticks.count(), 1);
    QCOMPARE(tm.LblTime->text(), caption);
    QCOMPARE(int(run::LeftMinutes), 50);
}

void TstExam::handInMessage_data()
{
    QTest::addColumn<int>("state"); // of question 7; the others 1
    QTest::addColumn<int>("others");
    QTest::addColumn<bool>("warning");
    QTest::newRow("all 1") << 1 << 1 << false;
    QTest::newRow("all 5") << 5 << 5 << false;
    QTest::newRow("5 among 1") << 5 << 1 << false;
    for (int st : {0, 2, 3, 4, 6, 7})
        QTest::addRow("one %d", st) << st << 1 << true;
}

void TstExam::handInMessage()
{
    QFETCH(int, state);
    QFETCH(int, others);
    QFETCH(bool, warning);
    run::TmSum = 10; // the walk covers 40 questions whatever the set holds
    for (int i = 1; i <= 40; ++i)
        run::TmState[size_t(i)] = qint16(others);
    run::TmState[7] = qint16(state);
    QCOMPARE(FrmEnd1::message(), warning ? s("您还有题目未做或仍处于标识状态！\n\n您是否确定交卷?") : s("\n您是否确定交卷?"));
}

// Cancel in either window returns to the exam, docked and counting; confirm
// and confirm end it: the run's windows go and the score window records it.
void TstExam::cancelAndConfirm()
{
    startExam();
    FrmTm &tm = logIn();
    FrmMain &w = FrmMain::get();
    const auto docked = [&] { return tm.frameGeometry().bottomRight() == w.frameGeometry().bottomRight(); };

    QString warning;
    whenModal(QStringLiteral("FrmEnd1"), [&](QWidget *box) {
        warning = box->findChild<QLabel *>(QStringLiteral("Label1"))->text();
        QVERIFY(!FrmTm::get().isVisible());
        click(box->findChild<kvelButton *>(QStringLiteral("Command2")));
    });
    click(tm.CmdGN[8]);
    QVERIFY(warning.startsWith(s("您还有题目未做")));
    QVERIFY(tm.isVisible() && docked() && tm.TimeKS->isActive());

    clickLater(QStringLiteral("FrmEnd1"), "Command1");
    clickLater(QStringLiteral("FrmEnd2"), "Command2");
    click(tm.CmdGN[8]);
    QVERIFY(!FrmEnd1::loaded() && !FrmEnd2::loaded());
    QVERIFY(tm.isVisible() && docked() && tm.TimeKS->isActive());

    FrmPicture::get().show();
    clickLater(QStringLiteral("FrmEnd1"), "Command1");
    clickLater(QStringLiteral("FrmEnd2"), "Command1");
    click(tm.CmdGN[8]);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!FrmTm::loaded() && !FrmMain::loaded() && !FrmPicture::loaded() && !FrmLogon::loaded());
    QVERIFY(FrmChengji::loaded() && FrmChengji::loaded()->isVisible());
    QCOMPARE(FrmChengji::get().Label1->text(), s("第1套得分：0分"));
    // Nothing completed: the whole paper, in question order, is its wrong list.
    QCOMPARE(run::readRecordLine(bank::ShiJuanCuoTiFile(0)), ids_);
    QCOMPARE(run::ExamStart, s("-1"));
}

void TstExam::timeUpDuringAConfirmation_data()
{
    QTest::addColumn<QString>("open");
    QTest::newRow("FrmEnd1") << "FrmEnd1";
    QTest::newRow("FrmEnd2") << "FrmEnd2";
}

// The clock runs out while a confirmation from the hand-in button is open:
// its message shows and the clock stops, but no second confirmation opens.
void TstExam::timeUpDuringAConfirmation()
{
    QFETCH(QString, open);
    startExam();
    FrmTm &tm = logIn();
    int messages = 0;
    int end1Shows = 0;
    if (open == u"FrmEnd2")
        clickLater(QStringLiteral("FrmEnd1"), "Command1");
    whenModal(open, [&](QWidget *box) {
        run::LeftMinutes = 1;
        answerBox(QMessageBox::Ok, nullptr, &messages);
        tm.TimeKS->setInterval(20);
        QTRY_VERIFY(!tm.TimeKS->isActive());
        QTRY_COMPARE(messages, 1);
        end1Shows = open == u"FrmEnd1" ? 1 : (FrmEnd1::loaded() ? 1 : 0);
        QCOMPARE(QApplication::activeModalWidget(), box);
        click(box->findChild<kvelButton *>(QStringLiteral("Command2")));
    });
    click(tm.CmdGN[8]);
    QVERIFY(!FrmEnd1::loaded() && !FrmEnd2::loaded());
    QCOMPARE(messages, 1);
    QCOMPARE(end1Shows, open == u"FrmEnd1" ? 1 : 0);
    QVERIFY(!tm.TimeKS->isActive());
    QVERIFY(tm.isVisible());
}

void TstExam::confirmationsCloseOnlyByTheirButtons_data() { timeUpDuringAConfirmation_data(); }

// Neither a key nor the window system's close request closes a hand-in
// confirmation or runs its buttons' actions: the question window stays
// hidden until the cancel button.
void TstExam::confirmationsCloseOnlyByTheirButtons()
{
    QFETCH(QString, open);
    startExam();
    FrmTm &tm = logIn();
    if (open == u"FrmEnd2")
        clickLater(QStringLiteral("FrmEnd1"), "Command1");
    const QList<int> keys{Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
    QList<int> stayed; // the keys after which it was still open, 0 for the close request
    whenModal(open, [&](QWidget *box) {
        for (int key : keys) {
            QTest::keyClick(box->windowHandle(), Qt::Key(key));
            if (box->isVisible() && QApplication::activeModalWidget() == box && !tm.isVisible())
                stayed << key;
        }
        if (!box->close() && box->isVisible() && !tm.isVisible())
            stayed << 0;
        click(box->findChild<kvelButton *>(QStringLiteral("Command2")));
    });
    click(tm.CmdGN[8]);
    QCOMPARE(stayed, keys + QList<int>{0});
    QVERIFY(!FrmEnd1::loaded() && !FrmEnd2::loaded());
    QVERIFY(tm.isVisible() && FrmMain::loaded());
    QVERIFY(!FrmChengji::loaded());
}

FrmChengji &TstExam::handedIn(const std::function<void()> &afterLogIn)
{
    startExam();
    FrmTm &tm = logIn();
    if (afterLogIn)
        afterLogIn();
    run::TmState[1] = 5;
    run::TmState[2] = 5;
    run::TmState[5] = 3;
    clickLater(QStringLiteral("FrmEnd1"), "Command1");
    clickLater(QStringLiteral("FrmEnd2"), "Command1");
    click(tm.CmdGN[8]);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return FrmChengji::get();
}

// The score, the grid of completed and not completed questions, a clicked
// question's text, the panel centred, the records written once.
void TstExam::scoreWindow()
{
    FrmChengji &w = handedIn();
    QCOMPARE(w.Label1->text(), s("第1套得分：5分"));
    QCOMPARE(w.CmTNO[1]->pictureName(), s("l01033"));
    QCOMPARE(w.CmTNO[3]->pictureName(), s("l01034"));
    QCOMPARE(w.CmTNO[40]->caption(), s("40"));
    QCOMPARE(w.CmTNO[12]->geometry(), QRect(32, 32, 30, 30));
    QCOMPARE(w.Command1->geometry(), QRect(368, 272, 128, 30));
    QCOMPARE(w.Command2->geometry(), QRect(504, 272, 58, 30));
    QCOMPARE(w.Frame1->geometry(), QRect(241, 368, 318, 126));
    QCOMPARE(w.windowTitle(), fnd::InfoTable[0] + fnd::InfoTable[9] + s("——") + fnd::ExamTitle + s("模块"));
    const QStringList lines = fnd::readLines(run::TmFile).value_or(QStringList());
    click(w.CmTNO[2]);
    QCOMPARE(w.LblTiMuYQ->text(), s("第2题： ") + lines.value(1).mid(6));
    QTRY_COMPARE(w.Picture1->pos(), QPoint((w.width() - 800) / 2, (w.height() - 600) / 2));
    const QString wrong = run::readRecordLine(bank::ShiJuanCuoTiFile(0));
    QCOMPARE(wrong, ids_.mid(8));
    QVERIFY(run::readRecordLine(bank::BiaoZhiIdFile).contains(ids_.mid(16, 4)));
    QCOMPARE(run::ExamStart, s("-1"));
}

// A question text that looks like markup is shown as the file gives it,
// tags and all, and measured so.
void TstExam::questionTextShownLiterally()
{
    const QString text = s("<b>查看</b>");
    FrmChengji &w = handedIn([&] {
        QStringList lines = fnd::readLines(run::TmFile).value_or(QStringList());
        QVERIFY(lines.size() >= 2);
        lines[1] = lines[1].left(6) + text; // the id and the step count kept
        QVERIFY(fnd::writeLines(run::TmFile, lines));
    });
    click(w.CmTNO[2]);
    const QString shown = s("第2题： ") + text;
    QCOMPARE(w.LblTiMuYQ->text(), shown);
    // The text drawn on one line, as wide as the literal text: the columns
    // up to the last one with a pixel other than the label's bare corner.
    const QImage drawn = w.LblTiMuYQ->grab().toImage();
    const QRgb bare = drawn.pixel(drawn.width() - 1, drawn.height() - 1);
    int ink = 0;
    for (int x = 0; x < drawn.width(); ++x)
        for (int y = 0; y < drawn.height(); ++y)
            if (drawn.pixel(x, y) != bare)
                ink = x + 1;
    const int literal = QFontMetrics(w.LblTiMuYQ->font()).horizontalAdvance(shown);
    QVERIFY2(std::abs(ink - literal) <= 3, qPrintable(QStringLiteral("%1 px drawn, the text %2").arg(ink).arg(literal)));
}

// The same 40 questions again, as practice, with the exam's states kept.
void TstExam::reviewThisExam()
{
    FrmChengji &w = handedIn();
    click(w.Command1);
    QTRY_VERIFY(FrmTm::loaded() && !FrmTm::get().TimerREDO->isActive());
    FrmTm &tm = FrmTm::get();
    QVERIFY(!FrmChengji::loaded());
    QVERIFY(tm.isVisible() && FrmMain::get().isVisible());
    QCOMPARE(int(run::AnswerMode), 2);
    QCOMPARE(run::TmDone[3], s("F"));
    QCOMPARE(int(run::TmState[1]) & 4, 4);
    QCOMPARE(int(run::TmNo), 1);
    QVERIFY(!run::TmCanUnload);
    QVERIFY(!tm.TimeKS->isActive());
    QCOMPARE(tm.frameGeometry().bottomRight(), FrmMain::get().frameGeometry().bottomRight());
}

// Only the 38 questions left not completed, on the review set's files.
void TstExam::reviewWrongQuestions()
{
    FrmChengji &w = handedIn();
    click(w.Command3);
    QTRY_VERIFY(FrmTm::loaded() && !FrmTm::get().TimerREDO->isActive());
    FrmTm &tm = FrmTm::get();
    QVERIFY(!FrmChengji::loaded());
    QCOMPARE(int(run::PaperType), 2);
    QCOMPARE(int(run::TaoNo), 17);
    QCOMPARE(int(run::TmSum), 38);
    QCOMPARE(int(run::RecNo), 0);
    QCOMPARE(int(run::AnswerMode), 2);
    // The chooser: cells 1 to 38 shown, 39 and 40 hidden, one page.
    click(tm.CmdGN[4]);
    QVERIFY(tm.FrmSelect->isVisible());
    for (int i = 1; i <= 40; ++i)
        QVERIFY2(tm.CmTNO[i]->isVisible() == (i <= 38), qPrintable(QString::number(i)));
    QCOMPARE(tm.CmTNO[38]->caption(), s("38"));
    QVERIFY(!tm.CmdSelLast->isVisible() && !tm.CmdSelNext->isVisible());
    // Question 5 of the exam, marked, is the review's third question.
    QCOMPARE(int(run::TmState[3]) & 2, 2);
    QVERIFY(!tm.TimeKS->isActive());
}

// The wrong list gone between the score window's showing and the click: an
// empty set, refused as the disabled button is. The score window stays and
// the working files stay as they were.
void TstExam::reviewOfAVanishedWrongList()
{
    FrmChengji &w = handedIn();
    QVERIFY(w.Command3->isEnabled());
    QVERIFY(QFile::remove(run::recordPath(bank::ShiJuanCuoTiFile(0))));
    const QString step = fnd::dataFile(QStringLiteral("288819")), tm = fnd::dataFile(QStringLiteral("288869"));
    const QByteArray stepBytes = ts::fileBytes(step), tmBytes = ts::fileBytes(tm);
    click(w.Command3);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The same window, not a new one.
    QVERIFY(FrmChengji::loaded() == &w);
    QVERIFY(w.isVisible());
    QVERIFY(!w.Command3->isEnabled());
    QVERIFY(!FrmTm::loaded());
    QVERIFY(!FrmMain::loaded());
    QCOMPARE(ts::fileBytes(step), stepBytes);
    QCOMPARE(ts::fileBytes(tm), tmBytes);
    QCOMPARE(int(run::PaperType), 0);
}

// Back to the cover: the score window and the simulated window go, and the
// cover opens on the papers page, which lists the exam just recorded.
void TstExam::backToThePapersPage()
{
    FrmChengji &w = handedIn();
    click(w.Command2);
    QCOMPARE(int(cover::FhPage), 17);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!FrmChengji::loaded() && !FrmMain::loaded() && !FrmTm::loaded());
    QVERIFY(FrmFengmian::loaded() && FrmFengmian::loaded()->isVisible());
    FrmFengmian &cover = *FrmFengmian::loaded();
    QTRY_VERIFY(cover.PicKaCH->isVisible());
    QVERIFY(!cover.TimFH->isActive());
    QVERIFY(cover.PicTop->isVisible() && !cover.PicTiKu->isVisible());
    QVERIFY(!cover.ClickBotn[17]->isEnabled());
}

// Button 10's prompt: a click on its note closes it; "see the answer now"
// asks, No keeps the prompt, Yes turns the exam into practice and starts
// the demonstration.
void TstExam::showAnswerPrompt()
{
    startExam();
    FrmTm &tm = logIn();
    QTRY_VERIFY(!tm.TimKsModel->isActive());
    QString note;
    whenModal(QStringLiteral("FrmCZTS"), [&](QWidget *w) {
        note = w->findChild<QLabel *>(QStringLiteral("Label2"))->text();
        click(w->findChild<QLabel *>(QStringLiteral("Label3")));
    });
    click(tm.CmdGN[10]);
    QVERIFY(!FrmCZTS::loaded());
    QCOMPARE(note, FrmCZTS::Note);
    QCOMPARE(int(run::AnswerMode), 3);

    QString asked;
    bool stayed = false;
    whenModal(QStringLiteral("FrmCZTS"), [&](QWidget *w) {
        auto *yes = w->findChild<kvelButton *>(QStringLiteral("Command2"));
        answerBox(QMessageBox::No, &asked, nullptr, [&, w, yes] {
            QTimer::singleShot(50, [&, w, yes] {
                stayed = w->isVisible();
                answerBox(QMessageBox::Yes);
                click(yes);
            });
        });
        click(yes);
    });
    click(tm.CmdGN[10]);
    QTRY_VERIFY(!FrmCZTS::loaded());
    QVERIFY(asked.startsWith(s("立即看答案将不能测试您的实际水平")));
    QVERIFY(stayed);
    QCOMPARE(int(run::AnswerMode), 2);
    QCOMPARE(run::ExamStart, s("-1"));
    QVERIFY(!run::TmCanUnload);
    for (int i : {8, 9, 10})
        QVERIFY(!tm.CmdGN[size_t(i)]->isVisible());
    QTRY_VERIFY(FrmYanShi::loaded() && FrmYanShi::loaded()->isVisible());
    QVERIFY(run::YanShiRun);
}

// The logon's, the hand-in boxes' and the score window's pictures missing:
// two exams load every window twice, and each missing file is logged once.
void TstExam::missingPicturesLoggedOnce()
{
    for (const char *name : {"9l0056", "l01041", "9l0058"})
        QVERIFY(QFile::remove(copy_->file(QStringLiteral("wydata/%1.mxy").arg(QLatin1String(name)))));
    QTemporaryDir logDir;
    fnd::ErrLogFile = logDir.filePath(QStringLiteral("run.txt"));
    for (int exam = 1; exam <= 2; ++exam) {
        QVERIFY(handedIn().isVisible());
        FrmChengji::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QStringList logged = ts::loggedReports(fnd::ErrLogFile);
    logged.sort();
    QCOMPARE(logged, (QStringList{s("frmchengjiFile not found: 9l0058"), s("frmend1File not found: l01041"),
                                  s("frmlogonFile not found: 9l0056")}));
}

void TstExam::answerPromptClosings_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("declinedFirst"); // No in its question first
    QTest::newRow("Return") << "Return" << false;
    QTest::newRow("Enter") << "Enter" << false;
    QTest::newRow("the background") << "background" << false;
    QTest::newRow("the note") << "Label2" << false;
    QTest::newRow("the heading") << "Label3" << false;
    QTest::newRow("the return button") << "Command1" << false;
    QTest::newRow("No, then Return") << "Return" << true;
}

// Return, a click on the background or a text, or the return button close
// the prompt and the exam goes on unchanged: no demonstration, the exam's
// buttons, the start time and the clock kept.
void TstExam::answerPromptClosings()
{
    QFETCH(QString, how);
    QFETCH(bool, declinedFirst);
    startExam();
    FrmTm &tm = logIn();
    QTRY_VERIFY(!tm.TimKsModel->isActive());
    const QString start = run::ExamStart;
    bool stayed = !declinedFirst, closed = false;
    auto close = [how, &closed](QWidget *w) {
        if (how == u"Return")
            QTest::keyClick(w->windowHandle(), Qt::Key_Return);
        else if (how == u"Enter")
            QTest::keyClick(w->windowHandle(), Qt::Key_Enter);
        else if (how == u"background")
            QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
        else
            click(w->findChild<QWidget *>(how));
        closed = !FrmCZTS::loaded();
        FrmCZTS::unload(); // a prompt left open would hold the test up
    };
    whenModal(QStringLiteral("FrmCZTS"), [&](QWidget *w) {
        if (!declinedFirst) {
            close(w);
            return;
        }
        answerBox(QMessageBox::No, nullptr, nullptr, [&, w] {
            QTimer::singleShot(50, [&, w] {
                stayed = w->isVisible();
                close(w);
            });
        });
        click(w->findChild<kvelButton *>(QStringLiteral("Command2")));
    });
    click(tm.CmdGN[10]);
    QVERIFY(closed);
    QVERIFY(stayed);
    QCOMPARE(int(run::AnswerMode), 3);
    QCOMPARE(run::ExamStart, start);
    QVERIFY(!run::YanShiRun && !tm.TimStartYS->isActive());
    QVERIFY(!run::TmCanUnload);
    for (int i : {8, 9, 10})
        QVERIFY(tm.CmdGN[size_t(i)]->isVisible());
    QVERIFY(tm.TimeKS->isActive());
    QVERIFY(tm.isVisible());
}

void TstExam::timeUpWhileTheAnswerPromptIsOpen_data()
{
    QTest::addColumn<bool>("asking"); // its question "see the answer now?" open too
    QTest::newRow("the prompt") << false;
    QTest::newRow("its question") << true;
}

// The clock runs out while the show-answer prompt is open: the prompt goes
// as declined (its question as No), the time-up message shows, the clock
// stops and the hand-in confirmation opens over the still visible question
// window; the exam stays an exam.
void TstExam::timeUpWhileTheAnswerPromptIsOpen()
{
    QFETCH(bool, asking);
    startExam();
    FrmTm &tm = logIn();
    QTRY_VERIFY(!tm.TimKsModel->isActive());
    const QString start = run::ExamStart;
    run::LeftMinutes = 1;
    QString text;
    bool promptGone = false, tmShown = false;
    auto timeUp = [&] {
        answerTimeUp(&text, [&] {
            whenModal(QStringLiteral("FrmEnd1"), [&](QWidget *end1) {
                promptGone = !FrmCZTS::loaded();
                tmShown = tm.isVisible();
                click(end1->findChild<kvelButton *>(QStringLiteral("Command2")));
                exam::closeAnswerPrompt(); // a prompt left open would hold the test up
            });
        });
        tm.TimeKS->setInterval(20);
    };
    whenModal(QStringLiteral("FrmCZTS"), [&](QWidget *w) {
        if (!asking) {
            timeUp();
            return;
        }
        whenModal(QStringLiteral("MsgBox"), [&](QWidget *) { timeUp(); });
        click(w->findChild<kvelButton *>(QStringLiteral("Command2")));
    });
    click(tm.CmdGN[10]);
    QTRY_VERIFY(!FrmCZTS::loaded() && !FrmEnd1::loaded());
    QCOMPARE(text, s("时间已到，自动交卷！"));
    QVERIFY(promptGone);
    QVERIFY(tmShown);
    QVERIFY(!tm.TimeKS->isActive());
    QCOMPARE(int(run::LeftMinutes), 0);
    QCOMPARE(int(run::AnswerMode), 3);
    QCOMPARE(run::ExamStart, start);
    QVERIFY(!run::YanShiRun && !tm.TimStartYS->isActive());
}

QTEST_MAIN(TstExam)
#include "tst_exam.moc"
