// Every question of the sample bank is answered through the probe by the
// operations its step records expect, from its first scene to its final one;
// then its demonstration, played 20 times faster, ends by itself after
// showing the steps the answer visited, jumps included.
#include "banksolver.h"
#include "testsupport.h"
#include "windowdrive.h"

#include "bank/bankfiles.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/productinfo.h"
#include "run/runstate.h"

#include <QFileInfo>
#include <QJsonArray>
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
        QVERIFY(ts::composeUnit(u));
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
    QList<int> visited;
    const QString problem =
        solver::solveQuestion(probe, copy_->file(QStringLiteral("wydata/288890.mxy")), 60, &visited);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    QCOMPARE(probe.send(QStringLiteral("demo pace 0.05"))["pace"].toDouble(), 0.05);
    QVERIFY(!probe.send(QStringLiteral("click FrmTm/CmdGN_7")).contains(u"error"));
    const QJsonObject run = probe.send(QStringLiteral("demo run 30000"));
    QVERIFY2(run["ended"].toBool(), "the demonstration did not end");
    QList<int> shown;
    for (const QJsonValue v : run["steps"].toArray())
        shown << v.toInt();
    auto text = [](const QList<int> &l) {
        QStringList t;
        for (int v : l)
            t << QString::number(v);
        return t.join(u' ');
    };
    QVERIFY2(shown == visited, qPrintable(QStringLiteral("the demonstration showed steps %1, the answer visited %2")
                                              .arg(text(shown), text(visited))));
}

QTEST_MAIN(TstBankSolved)
#include "tst_banksolved.moc"
