// examsim-probe app on a copy of the sample bank: the papers page reached
// from the home page, and a paper row's start button opening the mock
// exam's logon in place of the cover.
#include "banksolver.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QtTest>

namespace {

using solver::findNamed;
using solver::windowNames;

} // namespace

class TstProbePapers : public QObject
{
    Q_OBJECT
private slots:
    void paperStartOpensTheLogon();
};

void TstProbePapers::paperStartOpensTheLogon()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    solver::ProbeSession probe(ts::toolPath(QStringLiteral("examsim-probe")), {QStringLiteral("app"), copy.path()});
    QVERIFY2(probe.next()["ready"].toBool(), qPrintable(probe.errors()));

    QVERIFY(!probe.send(QStringLiteral("click FrmFengmian/ClickBotn_5")).contains(u"error"));
    const QJsonArray widgets = probe.send(QStringLiteral("widgets FrmFengmian"))["widgets"].toArray();
    QVERIFY(findNamed(widgets, QStringLiteral("PicKaCH")).contains(u"w"));
    const QJsonObject card = findNamed(widgets, QStringLiteral("ImgShiJuan_0"));
    QVERIFY2(card.contains(u"w"), "the first sprint paper's card is shown");
    QCOMPARE(findNamed(widgets, QStringLiteral("LblShiJuanBiao_0"))["text"].toString(), QStringLiteral("冲刺试卷一"));
    QCOMPARE(findNamed(widgets, QStringLiteral("ClickBotn_70"))["picture"].toString(), QStringLiteral("l20047"));

    QVERIFY(!probe.send(QStringLiteral("click FrmFengmian/ClickBotn_70")).contains(u"error"));
    const QStringList windows = windowNames(probe.send(QStringLiteral("windows")));
    QVERIFY2(windows.contains(QStringLiteral("FrmLogon")), qPrintable(windows.join(u' ')));
    QVERIFY2(!windows.contains(QStringLiteral("FrmFengmian")), qPrintable(windows.join(u' ')));
    const QJsonObject state = probe.send(QStringLiteral("state"));
    QCOMPARE(state["PaperType"].toInt(), 0);
    QCOMPARE(state["RecNo"].toInt(), 0);
    QCOMPARE(state["TmSum"].toInt(), 40);
    QCOMPARE(probe.finish(), 0);
}

QTEST_MAIN(TstProbePapers)
#include "tst_probepapers.moc"
