// Typed text, selections and list choices against the answer-text file.
#include "foundation/gbkfile.h"
#include "simwin/checks/typedtext.h"
#include "simwin/scene/steprecord.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace chk;

using OptText = std::optional<QString>;
Q_DECLARE_METATYPE(OptText)

namespace {
const OptText noFile = std::nullopt;
OptText text(const char *s) { return QString::fromUtf8(s); }
} // namespace

class TstTypedText : public QObject
{
    Q_OBJECT
private slots:
    void missingOrEmptyAnswerFile();
    void changeChecks_data();
    void changeChecks();
    void enterChecks_data();
    void enterChecks();
    void selection_data();
    void selection();
    void redBoxConfirmation_data();
    void redBoxConfirmation();
    void listChoice_data();
    void listChoice();
};

void TstTypedText::missingOrEmptyAnswerFile()
{
    QTemporaryDir dir;
    QVERIFY(!scene::lookup(dir.filePath("none.mxy"), u"001"));
    QVERIFY(fnd::writeLines(dir.filePath("empty.mxy"), {}));
    QVERIFY(!scene::lookup(dir.filePath("empty.mxy"), u"001"));
    // Without an answer nothing typed counts, not even the empty text.
    QVERIFY(!text1ChangeAdvances(u"0020", QString(), noFile));
    QVERIFY(!text2ChangeAdvances(QStringLiteral("  "), noFile));
    QVERIFY(!text3ChangeAdvances(QString(), noFile));
    QVERIFY(!typedTextConfirmed(QString(), noFile));
    QVERIFY(!selectionAdvances(u"0023", QString(), noFile));
    QCOMPARE(text1KeyUpVerdict(u"0022", 13, QString(), noFile), EnterVerdict::Clear);
}

void TstTypedText::changeChecks_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<OptText>("expected");
    QTest::addColumn<bool>("advances");
    const OptText idx = text("Index.htm");
    QTest::newRow("0020 any case") << "1" << "0020" << "INDEX.HTM" << idx << true;
    QTest::newRow("0020 incomplete") << "1" << "0020" << "INDEX.HT" << idx << false;
    QTest::newRow("0020 blanks around") << "1" << "0020" << "  index.htm " << idx << true;
    QTest::newRow("0020 tab is no blank") << "1" << "0020" << "index.htm\t" << idx << false;
    QTest::newRow("0020 full-width space is no blank") << "1" << "0020" << "index.htm\u3000" << idx << false;
    QTest::newRow("0020 second alternative") << "1" << "0020" << "INDEX.HTML" << text("Index.htm|index.html") << true;
    QTest::newRow("0020 blanks in the answer") << "1" << "0020" << "x" << text(" X |y") << true;
    QTest::newRow("0025 case counts") << "1" << "0025" << "INDEX.HTM" << idx << false;
    QTest::newRow("0025 exact") << "1" << "0025" << " Index.htm " << idx << true;
    QTest::newRow("0022 not on change") << "1" << "0022" << "Index.htm" << idx << false;
    QTest::newRow("0026 not on change") << "1" << "0026" << "Index.htm" << idx << false;
    QTest::newRow("0020 answer 000, blanks") << "1" << "0020" << "   " << text("") << true;
    QTest::newRow("0021 whole text") << "2" << "0021" << "abc|def|ghi" << text("abc|def|ghi") << true;
    QTest::newRow("0021 first alternative no") << "2" << "0021" << "abc" << text("abc|def|ghi") << false;
    QTest::newRow("0021 case counts") << "2" << "0021" << "ABC" << text("abc") << false;
    QTest::newRow("0021 trimmed") << "2" << "0021" << " abc  " << text("abc") << true;
    QTest::newRow("0027 any case") << "3" << "0027" << "DEF|GHI" << text("abc|def|ghi") << true;
    QTest::newRow("0027 wrong") << "3" << "0027" << "def" << text("abc|def|ghi") << false;
}

void TstTypedText::changeChecks()
{
    QFETCH(QString, box);
    QFETCH(QString, code);
    QFETCH(QString, typed);
    QFETCH(OptText, expected);
    QFETCH(bool, advances);
    bool got = false;
    if (box == "1")
        got = text1ChangeAdvances(code, typed, expected);
    else if (box == "2")
        got = text2ChangeAdvances(typed, expected);
    else
        got = text3ChangeAdvances(typed, expected);
    QCOMPARE(got, advances);
}

void TstTypedText::enterChecks_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<OptText>("expected");
    QTest::addColumn<int>("verdict");
    const OptText idx = text("index.htm");
    const int ignore = int(EnterVerdict::Ignore), advance = int(EnterVerdict::Advance),
              clear = int(EnterVerdict::Clear);
    QTest::newRow("0022 right") << "0022" << 13 << "INDEX.htm" << idx << advance;
    QTest::newRow("0022 inner space, compact") << "0022" << 13 << "index .htm" << idx << advance;
    QTest::newRow("0022 Chinese before, compact") << "0022" << 13 << "主页index.htm" << idx << advance;
    QTest::newRow("0022 tab inside, compact") << "0022" << 13 << "index\t.htm" << idx << advance;
    QTest::newRow("0022 wrong is emptied") << "0022" << 13 << "index.html" << idx << clear;
    QTest::newRow("0022 other key") << "0022" << 65 << "wrong" << idx << ignore;
    QTest::newRow("0024 right") << "0024" << 13 << "index.htm" << idx << advance;
    QTest::newRow("0028 second alternative") << "0028" << 13 << "b c" << text("a|bc") << advance;
    QTest::newRow("0028 text form with inner space") << "0028" << 13 << "我的 主页" << text("我的 主页") << advance;
    QTest::newRow("0020 not on Enter") << "0020" << 13 << "wrong" << idx << ignore;
    QTest::newRow("0026 not on Enter") << "0026" << 13 << "index.htm" << idx << ignore;
}

void TstTypedText::enterChecks()
{
    QFETCH(QString, code);
    QFETCH(int, key);
    QFETCH(QString, typed);
    QFETCH(OptText, expected);
    QFETCH(int, verdict);
    QCOMPARE(int(text1KeyUpVerdict(code, key, typed, expected)), verdict);
}

void TstTypedText::selection_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<OptText>("hint");
    QTest::addColumn<bool>("advances");
    QTest::newRow("lower expected") << "0023" << "Hello" << text("hello") << true;
    QTest::newRow("same case") << "0023" << "Hello" << text("Hello") << true;
    QTest::newRow("hint trimmed") << "0023" << "Hello" << text(" Hello ") << true;
    QTest::newRow("selection with a blank") << "0023" << "Hello " << text("Hello") << false;
    QTest::newRow("no split at bar") << "0023" << "a|b" << text("a|b") << true;
    QTest::newRow("other code") << "0020" << "Hello" << text("Hello") << false;
}

void TstTypedText::selection()
{
    QFETCH(QString, code);
    QFETCH(QString, selected);
    QFETCH(OptText, hint);
    QFETCH(bool, advances);
    QCOMPARE(selectionAdvances(code, selected, hint), advances);
}

void TstTypedText::redBoxConfirmation_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<OptText>("expected");
    QTest::addColumn<bool>("advances");
    QTest::newRow("second alternative, blanks, case") << " INDEX.HTML  " << text("Index.htm|index.html") << true;
    QTest::newRow("no compact form") << "index .htm" << text("Index.htm|index.html") << false;
    QTest::newRow("answer 000, empty box") << "" << text("") << true;
}

void TstTypedText::redBoxConfirmation()
{
    QFETCH(QString, typed);
    QFETCH(OptText, expected);
    QFETCH(bool, advances);
    QCOMPARE(typedTextConfirmed(typed, expected), advances);
}

void TstTypedText::listChoice_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("advances");
    QTest::newRow("third item") << 2 << "002" << true;
    QTest::newRow("first of three") << 0 << "002" << false;
    QTest::newRow("000 is the first item") << 0 << "000" << true;
    QTest::newRow("no selection") << -1 << "000" << false;
}

void TstTypedText::listChoice()
{
    QFETCH(int, index);
    QFETCH(QString, field);
    QFETCH(bool, advances);
    QCOMPARE(listChoiceAdvances(index, field), advances);
}

QTEST_GUILESS_MAIN(TstTypedText)
#include "tst_typedtext.moc"
