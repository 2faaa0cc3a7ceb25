// Every question of the sample bank is answered through the probe by the
// operations its step records expect, from its first scene to its final one.
// Questions that need the items of drop-downs or sub-menus are skipped until
// those answer; clicks on bar cells are played.
#include "banksolver.h"
#include "testsupport.h"

#include "bank/bankfiles.h"
#include "cover/runstart.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/productinfo.h"
#include "run/runstate.h"

#include <QFileInfo>
#include <QtTest>

class TstBankSolved : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyQuestion_data();
    void everyQuestion();

private:
    std::unique_ptr<ts::ProgramCopy> copy_;
};

void TstBankSolved::initTestCase()
{
    // The probe reads the product information, which marks the first run.
    copy_ = std::make_unique<ts::ProgramCopy>();
    QVERIFY(copy_->isValid());
    fnd::readInfo();
    QVERIFY(QFileInfo::exists(fnd::dataFile(QStringLiteral("288870"))));
}

void TstBankSolved::everyQuestion_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("question");
    QTest::addColumn<bool>("chrome");
    int eligible = 0;
    for (int u = 0; u < 20 && QFileInfo::exists(fnd::dataFile(bank::unitFiles(u).tm)); ++u) {
        run::resetRunState();
        QVERIFY(cover::startUnitPractice(u));
        const QStringList lines = fnd::readLines(run::StepFile).value_or(QStringList());
        for (int q = 1; q <= run::TmSum; ++q) {
            bool chrome = false;
            for (int i = run::StepStart[q]; i < run::StepStart[q + 1] && i <= lines.size(); ++i)
                chrome = chrome || solver::needsChromeItems(lines.at(i - 1));
            eligible += chrome ? 0 : 1;
            QTest::addRow("unit %d question %d", u + 1, q) << u << q << chrome;
        }
    }
    QVERIFY(eligible >= 15);
}

void TstBankSolved::everyQuestion()
{
    QFETCH(int, unit);
    QFETCH(int, question);
    QFETCH(bool, chrome);
    if (chrome)
        QSKIP("needs the items of a drop-down");
    solver::ProbeSession probe(ts::toolPath(QStringLiteral("examsim-probe")), copy_->path(), unit, question);
    QVERIFY(probe.isRunning());
    const QString problem = solver::solveQuestion(probe, copy_->file(QStringLiteral("wydata/288890.mxy")));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

QTEST_MAIN(TstBankSolved)
#include "tst_banksolved.moc"
