// Every question of the sample bank is answered through the probe by the
// operations its step records expect, from its first scene to its final one.
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
    int questions = 0;
    for (int u = 0; u < 20 && QFileInfo::exists(fnd::dataFile(bank::unitFiles(u).tm)); ++u) {
        run::resetRunState();
        QVERIFY(cover::startUnitPractice(u));
        for (int q = 1; q <= run::TmSum; ++q, ++questions)
            QTest::addRow("unit %d question %d", u + 1, q) << u << q;
    }
    QVERIFY(questions >= 40);
}

void TstBankSolved::everyQuestion()
{
    QFETCH(int, unit);
    QFETCH(int, question);
    solver::ProbeSession probe(ts::toolPath(QStringLiteral("examsim-probe")), copy_->path(), unit, question);
    QVERIFY(probe.isRunning());
    const QString problem = solver::solveQuestion(probe, copy_->file(QStringLiteral("wydata/288890.mxy")));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

QTEST_MAIN(TstBankSolved)
#include "tst_banksolved.moc"
