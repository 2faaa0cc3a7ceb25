// What the cover reads at every load: paper counts, random papers, question
// counts and the unit progress repair, as table rows from the cover's rules.
#include "run/coverdata.h"

#include <QTest>

class TstCoverData : public QObject
{
    Q_OBJECT
private slots:
    void paperCounts_data();
    void paperCounts();
    void randomPapers_data();
    void randomPapers();
    void progressRepair_data();
    void progressRepair();
    void unknownCounts();
    void unitColumns();
    void unitCaption_data();
    void unitCaption();
    void advert_data();
    void advert();
    void chongCiLast_data();
    void chongCiLast();
};

void TstCoverData::paperCounts_data()
{
    QTest::addColumn<QString>("line1");
    QTest::addColumn<int>("papers");
    QTest::addColumn<int>("units");
    QTest::newRow("blanks around") << " 0520 " << 5 << 20;
    QTest::newRow("papers only") << "05" << 5 << 0;
    QTest::newRow("letters read 0") << "ab03" << 0 << 3;
    QTest::newRow("past the bank: clamped to 20") << "9945" << 20 << 20;
    QTest::newRow("empty") << "" << 0 << 0;
}

void TstCoverData::paperCounts()
{
    QFETCH(QString, line1);
    QFETCH(int, papers);
    QFETCH(int, units);
    const run::PaperCounts c = run::paperCounts({line1, QStringLiteral("0102")});
    QCOMPARE(int(c.papers), papers);
    QCOMPARE(int(c.units), units);
}

void TstCoverData::randomPapers_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("count");
    QTest::newRow("A, B, blank, C") << QStringList{"A", "B", "", "C"} << 2;
    QTest::newRow("a line of blanks ends it") << QStringList{"A", "   ", "C"} << 1;
    QTest::newRow("none") << QStringList{} << 0;
    QTest::newRow("twelve: at most ten") << QStringList(12, QStringLiteral("0102")) << 10;
}

void TstCoverData::randomPapers()
{
    QFETCH(QStringList, lines);
    QFETCH(int, count);
    QCOMPARE(run::countRandomPapers(lines), count);
}

// (question-count line, unit count, stored flags of unit 0 and 1) -> repaired
void TstCoverData::progressRepair_data()
{
    QTest::addColumn<QString>("counts");
    QTest::addColumn<int>("units");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("unit0");
    QTest::addColumn<QString>("unit1");
    QTest::newRow("12 questions, TTF stored") << "12" << 1 << QStringList{"TTF"} << "TTFFFFFFFFFF" << "";
    QTest::newRow("16 flags cut to 12") << "12" << 1 << QStringList{"TTTTFFFFTTTTFFFF"} << "TTTTFFFFTTTT" << "";
    QTest::newRow("count 0: empty") << "00" << 1 << QStringList{"TTF"} << "" << "";
    QTest::newRow("60 questions, nothing stored: 60 F") << "60" << 1 << QStringList{} << QString(60, u'F') << "";
    QTest::newRow("more than 42 missing: padded to the whole count")
        << "50" << 1 << QStringList{"TT"} << QStringLiteral("TT") + QString(48, u'F') << "";
    QTest::newRow("a unit of the bank without a pair keeps its line")
        << "03" << 2 << QStringList{"TTT", "TF"} << "TTT" << "TF";
    QTest::newRow("a unit past the bank without a pair is emptied")
        << "03" << 1 << QStringList{"TTT", "TF"} << "TTT" << "";
}

void TstCoverData::progressRepair()
{
    QFETCH(QString, counts);
    QFETCH(int, units);
    QFETCH(QStringList, stored);
    QFETCH(QString, unit0);
    QFETCH(QString, unit1);
    const QStringList out = run::repairedProgress(stored, run::questionCounts({QStringLiteral("0102"), counts}), units);
    QCOMPARE(out.size(), 25);
    QCOMPARE(out[0], unit0);
    QCOMPARE(out[1], unit1);
    QCOMPARE(out[24], QString());
}

// Without the paper list's line 2 the counts are unknown: the caller keeps
// the stored progress.
void TstCoverData::unknownCounts()
{
    QVERIFY(!run::countsKnown(run::questionCounts({QStringLiteral("0520")})));
    QVERIFY(!run::countsKnown(run::questionCounts({})));
    QVERIFY(run::countsKnown(run::questionCounts({QStringLiteral("0520"), QStringLiteral("05")})));
    const run::QuestionCounts c = run::questionCounts({QString(), QStringLiteral("0512x")});
    QCOMPARE(c[0], 5);
    QCOMPARE(c[1], 12);
    QCOMPARE(c[2], -1); // a lone last character is no pair
}

void TstCoverData::unitColumns()
{
    const run::UnitColumns c = run::unitColumns(QStringLiteral("TFTF"));
    QCOMPARE(c.count, QStringLiteral("4"));
    QCOMPARE(c.notDone, QStringLiteral("2"));
    QCOMPARE(c.flags, QStringLiteral("TFTF"));
}

// The 25-column caption of a unit button, counted in GBK display columns.
void TstCoverData::unitCaption_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const QString thirty = QString(30, QChar(0x5b57));  // 字
    const QString letters = QString(30, u'a');
    QTest::newRow("Html基础: 8 characters, 15 blanks")
        << 1 << QString::fromUtf8("Html基础") << QString::fromUtf8("1.Html基础") + QString(15, u' ');
    QTest::newRow("unit 3, 30 double-byte: 11 and a blank")
        << 4 << thirty << QStringLiteral("4.") + thirty.left(11) + u' ';
    QTest::newRow("unit 12, 30 letters: the 22nd appended") << 13 << letters << QStringLiteral("13.") + letters.left(22);
    QTest::newRow("21 letters, then double-byte: ends on it")
        << 1 << QString(21, u'b') + thirty << QStringLiteral("1.") + QString(21, u'b') + thirty.left(1);
    QTest::newRow("empty name (no unit behind the button)") << 9 << QString() << QStringLiteral("9.") + QString(23, u' ');
    QTest::newRow("a character GBK cannot hold counts one column")
        << 1 << QString::fromUtf8("😀") + QString(30, u'c') << QStringLiteral("1.") + QString::fromUtf8("😀") + QString(22, u'c');
}

void TstCoverData::unitCaption()
{
    QFETCH(int, number);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QCOMPARE(run::unitCaption(number, name), caption);
}

void TstCoverData::advert_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qlonglong>("colour");
    QTest::addColumn<QString>("url");
    QTest::newRow("all three") << QStringList{QString::fromUtf8("  甲◎乙◎丙 "), QStringLiteral("255"), QStringLiteral("http://a.example/")}
                               << QString::fromUtf8("甲\r\n乙\r\n丙") << 255LL << "http://a.example/";
    QTest::newRow("&H form") << QStringList{QStringLiteral("x"), QStringLiteral("&HFF00")} << "x" << 0xFF00LL << "";
    QTest::newRow("rounded") << QStringList{QStringLiteral("x"), QStringLiteral("254.6")} << "x" << 255LL << "";
    QTest::newRow("letters") << QStringList{QStringLiteral("x"), QStringLiteral("0xff")} << "x" << 0LL << "";
    QTest::newRow("a fourth line is not read")
        << QStringList{QStringLiteral("x"), QStringLiteral("1"), QStringLiteral("u"), QStringLiteral("v")} << "x" << 1LL << "u";
    QTest::newRow("no lines") << QStringList() << "" << 0LL << "";
}

void TstCoverData::advert()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, text);
    QFETCH(qlonglong, colour);
    QFETCH(QString, url);
    const run::Advert ad = run::readAdvert(lines);
    QCOMPARE(ad.text, text);
    QCOMPARE(qlonglong(ad.colour), colour);
    QCOMPARE(ad.url, url);
}

void TstCoverData::chongCiLast_data()
{
    QTest::addColumn<int>("papers");
    QTest::addColumn<int>("last");
    for (auto [p, l] : {std::pair{0, 7}, {3, 7}, {4, 1}, {7, 1}, {8, 3}, {11, 3}, {12, 5}, {15, 5}, {16, 7}, {20, 7}})
        QTest::addRow("%d papers", p) << p << l;
}

void TstCoverData::chongCiLast()
{
    QFETCH(int, papers);
    QFETCH(int, last);
    QCOMPARE(run::chongCiLast(papers), last);
}

QTEST_GUILESS_MAIN(TstCoverData)
#include "tst_coverdata.moc"
