// Every step of every question of the generated sample bank builds its scene
// on the simulated window: the record read is the question's own line, and
// every picture the record names is shown where it says.
#include "bankstep.h"
#include "testsupport.h"
#include "windowdrive.h"

#include "bank/bankfiles.h"
#include "cover/runstart.h"
#include "examflow/examstate.h"
#include "examflow/frmtm.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/picture.h"
#include "foundation/productinfo.h"
#include "foundation/programfolder.h"
#include "run/runstate.h"
#include "simwin/scene/linecache.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/scene/tabstrip.h"
#include "simwin/window/frmmain.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

class TstSceneBank : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void everyStepBuilds();
    void firstSceneThroughTheTimer();
    void probePlaysASampleQuestion();
    void probeAnswersLinesWithoutACommand();

private:
    // Reading the product information marks the first run in the data
    // folder: work on a copy of the sample program folder.
    std::unique_ptr<ts::ProgramCopy> copy_;
};

void TstSceneBank::initTestCase()
{
    copy_ = std::make_unique<ts::ProgramCopy>();
    QVERIFY(copy_->isValid());
    fnd::readInfo();
    QVERIFY2(QFileInfo::exists(fnd::dataFile(QStringLiteral("288870"))), qPrintable(fnd::DataPath));
}

void TstSceneBank::cleanup()
{
    ts::unloadRunWindows();
}

void TstSceneBank::everyStepBuilds()
{
    int units = 0, steps = 0;
    for (int u = 0; u < 20 && QFileInfo::exists(fnd::dataFile(bank::unitFiles(u).tm)); ++u, ++units) {
        run::resetRunState();
        scene::resetSceneState();
        exam::resetExamState();
        QVERIFY(ts::composeUnit(u));
        const QStringList lines = *fnd::readLines(run::StepFile);
        FrmMain &w = FrmMain::get();
        for (int q = 1; q <= run::TmSum; ++q) {
            run::TmNo = qint16(q);
            const int count = run::StepStart[q + 1] - run::StepStart[q];
            QVERIFY(count > 0);
            for (int s = 1; s <= count; ++s, ++steps) {
                const QString where = QStringLiteral("unit %1 question %2 step %3").arg(u).arg(q).arg(s);
                scene::StepNo = qint16(s);
                w.setData();
                QCOMPARE(scene::StepLine, lines.at(run::StepStart[q] + s - 2));
                QVERIFY2(scene::StepLine.size() >= scene::RecordLength, qPrintable(where));
                const QString bg = scene::background(scene::StepLine).toString();
                if (bg != scene::KeepPicture)
                    QVERIFY2(w.pictureName() == bg, qPrintable(where + QStringLiteral(" background ") + bg));
                // A dialog showing another tab than the one asked for shows that tab's page.
                const scene::TabSpec tab = scene::tabSpec(scene::StepLine);
                const bool pageShown = tab.present && tab.shownTab != tab.targetTab;
                for (int k = 1; k <= 6; ++k) {
                    const scene::PictureArea a = scene::pictureArea(scene::StepLine, k);
                    QCOMPARE(w.Image[k]->isVisibleTo(&w), !a.absent);
                    QString expected = a.name;
                    if (pageShown && k == tab.pictureArea)
                        expected = scene::tabPage(*scene::tabLayout(tab.layout), tab.shownTab);
                    if (!a.absent && !a.keep)
                        QVERIFY2(w.Image[k]->pictureName() == expected, qPrintable(where + QStringLiteral(" area ") + expected));
                }
                // The typing box, or the variant or list that takes its place.
                const auto text = scene::text1Box(scene::StepLine);
                const QStringView code = scene::stepTypeText(scene::StepLine);
                QWidget *box = scene::isListStep(scene::StepLine) ? static_cast<QWidget *>(w.LstLA)
                               : code == u"0021"                    ? w.Text2
                               : code == u"0027"                    ? w.Text3
                                                                    : w.Text1;
                QVERIFY2(box->isVisibleTo(&w) == !text.absent, qPrintable(where));
                if (box != w.Text1)
                    QVERIFY2(!w.Text1->isVisibleTo(&w), qPrintable(where));
            }
        }
        FrmMain::unload();
    }
    QVERIFY(units >= 3);
    QVERIFY(steps > 100);
}

void TstSceneBank::firstSceneThroughTheTimer()
{
    run::resetRunState();
    scene::resetSceneState();
    exam::resetExamState();
    QVERIFY(ts::composeUnit(1));
    cover::showPracticeWindows();
    FrmMain &w = FrmMain::get();
    QVERIFY(w.Timer2->isActive());
    QVERIFY(FrmTm::get().TimerREDO->isActive());
    QTRY_VERIFY(!w.Timer2->isActive() && !FrmTm::get().TimerREDO->isActive());
    QCOMPARE(scene::StepLine, *scene::cachedLineClamped(run::StepFile, 1));
    QCOMPARE(w.pictureName(), scene::background(scene::StepLine).toString());
    QCOMPARE(run::TmState[1], qint16(1));
}

void TstSceneBank::probePlaysASampleQuestion()
{
    const QList<QJsonObject> answers = ts::playProbe(copy_->path(), 2, 3, "scene\n");
    QCOMPARE(answers.size(), 1);
    const QJsonObject &o = answers[0];
    QCOMPARE(o["StepNo"].toInt(), 1);
    QCOMPARE(o["TmNo"].toInt(), 3);
    const QJsonArray controls = o["controls"].toArray();
    QVERIFY(!controls.isEmpty());
    QCOMPARE(controls.first()["name"].toString(), QStringLiteral("FrmMain"));
    QVERIFY(!controls.first()["picture"].toString().isEmpty());
}

void TstSceneBank::probeAnswersLinesWithoutACommand()
{
    // Lines of quotes alone hold no command word: each gets an error answer
    // and the session goes on.
    const QList<QJsonObject> answers = ts::playProbe(copy_->path(), 0, 1, "\"\"\n\"\nwindow\n");
    QCOMPARE(answers.size(), 3);
    QVERIFY(answers[0].contains(u"error"));
    QVERIFY(answers[1].contains(u"error"));
    QVERIFY(answers[2]["w"].toInt() > 0);
}

QTEST_MAIN(TstSceneBank)
#include "tst_scenebank.moc"
