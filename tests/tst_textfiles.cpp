// GBK line files and number reading: the ground every data file stands on.
#include "foundation/gbkfile.h"
#include "foundation/numparse.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TstTextFiles : public QObject
{
    Q_OBJECT
private slots:
    void splitLines_data();
    void splitLines();
    void roundTripGbkWithCrlf();
    void gbkDecoding_data();
    void gbkDecoding();
    void gbkEncoding_data();
    void gbkEncoding();
    void clampedLineReading();
    void unreadableFileGivesNothing();
    void onlyRegularFilesAreOpened_data();
    void onlyRegularFilesAreOpened();
    void oneLineReadsOnlyUpToIt();
    void oneLineKeepsItsBound();
    void appendAddsCrlfLines();
    void failedRewriteKeepsOldFile();
    void leadingInt_data();
    void leadingInt();
    void leadingValue_data();
    void leadingValue();
    void roundHalfEven();
    void hex_data();
    void hex();
};

void TstTextFiles::splitLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QList<QByteArray>{"a", "b"};
    QTest::newRow("lone lf") << QByteArray("a\nb") << QList<QByteArray>{"a", "b"};
    QTest::newRow("mixed") << QByteArray("a\r\n\nb\r") << QList<QByteArray>{"a", "", "b"};
    QTest::newRow("empty") << QByteArray() << QList<QByteArray>{};
    QTest::newRow("blank lines kept") << QByteArray("\r\n\r\n") << QList<QByteArray>{"", ""};
}

void TstTextFiles::splitLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QByteArray>, lines);
    QCOMPARE(fnd::splitLines(bytes), lines);
}

void TstTextFiles::roundTripGbkWithCrlf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.mxy");
    const QStringList lines{QStringLiteral("考试练习"), QString(), QStringLiteral("abc|网页")};
    QVERIFY(fnd::writeLines(path, lines));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray raw = f.readAll();
    // 考 is 0xBFBC in GBK; lines end in CR LF.
    QVERIFY(raw.startsWith("\xBF\xBC"));
    QVERIFY(raw.endsWith("\r\n"));
    QCOMPARE(raw.count("\r\n"), 3);
    QCOMPARE(*fnd::readLines(path), lines);
}

// Every ASCII byte, 0 to 0x7F, and the same as text.
static std::pair<QByteArray, QString> everyAscii()
{
    QByteArray bytes;
    QString text;
    for (int c = 0; c < 0x80; ++c) {
        bytes += char(c);
        text += QChar(c);
    }
    return {bytes, text};
}

// Bytes below 0x80 are ASCII (text of them alone takes a path of its own,
// without the codec); a two-byte character is a lead byte 0x81 to 0xFE and
// a trail byte 0x40 to 0xFE but 0x7F; 0x80 is the euro sign. A lead byte
// with a trail outside that range is U+FFFD and the trail read again; 0xFF
// is a private-use character; a lead byte at the very end is dropped.
void TstTextFiles::gbkDecoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const auto [ascii, asciiText] = everyAscii();
    QTest::newRow("every ASCII byte") << ascii << asciiText;
    QTest::newRow("every ASCII byte beside a two-byte character")
        << ascii + "\xC4\xE3" << asciiText + QChar(0x4F60);
    QTest::newRow("a two-byte character first") << QByteArray("\xC4\xE3" "abc") << QString(QChar(0x4F60)) + "abc";
    QTest::newRow("ASCII record line") << QByteArray("0001000200030004") << "0001000200030004";
    QTest::newRow("lowest lead and trail") << QByteArray("\x81\x40") << QString(QChar(0x4E02));
    QTest::newRow("0x80") << QByteArray("\x80") << QString(QChar(0x20AC));
    QTest::newRow("0xFF") << QByteArray("a\xFF") << QStringLiteral(u"a\uF8F5");
    QTest::newRow("trail below 0x40") << QByteArray("\x81" "0") << QStringLiteral(u"\uFFFD0");
    QTest::newRow("trail 0x7F") << QByteArray("\xA1\x7F") << QStringLiteral(u"\uFFFD\u007F");
    QTest::newRow("lead byte at the end") << QByteArray("a\xC4") << "a";
    QTest::newRow("empty") << QByteArray() << QString();
}

void TstTextFiles::gbkDecoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(fnd::decodeGbk(bytes), text);
}

void TstTextFiles::gbkEncoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    const auto [ascii, asciiText] = everyAscii();
    QTest::newRow("every ASCII character") << asciiText << ascii;
    QTest::newRow("every ASCII character beside a two-byte one")
        << asciiText + QChar(0x8003) << ascii + "\xBF\xBC";
    QTest::newRow("euro sign") << QString(QChar(0x20AC)) << QByteArray("\x80");
    QTest::newRow("Latin-1 but not ASCII") << QString(QChar(0xE9)) << QByteArray("\xA8\xA6");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TstTextFiles::gbkEncoding()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(fnd::encodeGbk(text), bytes);
}

void TstTextFiles::clampedLineReading()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("l.mxy");
    QVERIFY(fnd::writeLines(path, {"one", "two", "three"}));
    QCOMPARE(*fnd::readLineClamped(path, 2), QString("two"));
    QCOMPARE(*fnd::readLineClamped(path, 99), QString("three"));
    QVERIFY(!fnd::readLineClamped(path, 0));
    QCOMPARE(*fnd::readLineExact(path, 3), QString("three"));
    QVERIFY(!fnd::readLineExact(path, 4));
}

void TstTextFiles::unreadableFileGivesNothing()
{
    QVERIFY(!fnd::readLines("/nonexistent/x.mxy"));
    QVERIFY(!fnd::readLineClamped("/nonexistent/x.mxy", 1));
    QTemporaryDir dir;
    QVERIFY(fnd::writeLines(dir.filePath("e"), {}));
    QVERIFY(!fnd::readLineClamped(dir.filePath("e"), 1));
}

// A FIFO or a folder where a file should be: every reader gives nothing at
// once, where opening a FIFO would wait for a writer for ever.
void TstTextFiles::onlyRegularFilesAreOpened_data()
{
    QTest::addColumn<bool>("fifo");
    QTest::newRow("fifo") << true;
    QTest::newRow("folder") << false;
}

void TstTextFiles::onlyRegularFilesAreOpened()
{
    QFETCH(bool, fifo);
    QTemporaryDir dir;
    const QString path = dir.filePath("ver.txt");
    if (fifo)
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    else
        QVERIFY(QDir().mkdir(path));
    QVERIFY(!fnd::readLines(path));
    QVERIFY(!fnd::readLineExact(path, 1));
    QVERIFY(!fnd::readLineClamped(path, 1));
    QVERIFY(!fnd::isReadableFile(path));
    QFile f(path);
    QVERIFY(!fnd::openForReading(f));
    QVERIFY(fnd::writeLines(dir.filePath("plain"), {"1"}));
    QVERIFY(fnd::isReadableFile(dir.filePath("plain")));
}

// Line 1 of a file of 64 GiB (sparse: it takes no room) comes at once: the
// rest of the file is never read.
void TstTextFiles::oneLineReadsOnlyUpToIt()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("288899.mxy");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(f.write("8\r\n\xC4\xA3\xBF\xE9\r\n") == 9);
    QVERIFY(f.resize(qint64(64) << 30));
    f.close();
    QCOMPARE(fnd::readLineExact(path, 1), std::optional<QString>(QStringLiteral("8")));
    QCOMPARE(fnd::readLineExact(path, 2), std::optional<QString>(QStringLiteral("模块")));
    QCOMPARE(fnd::readLineClamped(path, 2), std::optional<QString>(QStringLiteral("模块")));
}

// Of a long line only the bound is kept; the lines after it still count.
void TstTextFiles::oneLineKeepsItsBound()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("288895.mxy");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(300000, '7') + "\r\n\r\nlast");
    f.close();
    QCOMPARE(fnd::readLineExact(path, 1, 5), std::optional<QString>(QStringLiteral("77777")));
    QCOMPARE(fnd::readLineExact(path, 1)->size(), 300000);
    QCOMPARE(fnd::readLineExact(path, 2, 5), std::optional<QString>(QString()));
    QCOMPARE(fnd::readLineClamped(path, 9, 3), std::optional<QString>(QStringLiteral("las")));
    QVERIFY(!fnd::readLineExact(path, 4));
}

void TstTextFiles::appendAddsCrlfLines()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("log.txt");
    QVERIFY(fnd::appendLines(path, {"a"}));
    QVERIFY(fnd::appendLines(path, {"b", "c"}));
    QCOMPARE(*fnd::readLines(path), (QStringList{"a", "b", "c"}));
    QVERIFY(!fnd::appendLines(dir.filePath("missing/log.txt"), {"a"}));
}

void TstTextFiles::failedRewriteKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("r.mxy");
    QVERIFY(fnd::writeLines(path, {"old"}));
    // A read-only folder refuses the temporary file: the old file stays whole.
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool wrote = fnd::writeLines(path, {"new"});
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (wrote)
        QSKIP("running with rights that ignore folder permissions");
    QCOMPARE(*fnd::readLines(path), QStringList{"old"});
}

void TstTextFiles::leadingInt_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");
    QTest::newRow("digits") << "00125" << 125;
    QTest::newRow("stops at letter") << "12A45" << 12;
    QTest::newRow("letter first") << "H3300" << 0;
    QTest::newRow("leading blanks skipped") << "  12" << 12;
    QTest::newRow("a box field written with a leading blank") << " 3000" << 3000;
    QTest::newRow("blanks, then a letter") << "  H3" << 0;
    QTest::newRow("a blank after the digits ends them") << "3 000" << 3;
    QTest::newRow("only blanks") << "   " << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("twenty digits saturate") << "99999999999999999999" << INT_MAX;
}

void TstTextFiles::leadingInt()
{
    QFETCH(QString, field);
    QFETCH(int, value);
    QCOMPARE(fnd::leadingInt(field), value);
}

void TstTextFiles::leadingValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "240" << 240.0;
    QTest::newRow("blanks and sign") << "  -12.5abc" << -12.5;
    QTest::newRow("no digits") << "abc" << 0.0;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
}

void TstTextFiles::leadingValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(fnd::leadingValue(text), value);
    QCOMPARE(fnd::leadingValueIgnoringSpaces(QStringLiteral(" 2 49 084")), 249084.0);
}

void TstTextFiles::roundHalfEven()
{
    QCOMPARE(fnd::roundHalfEven(2.5), 2LL);
    QCOMPARE(fnd::roundHalfEven(3.5), 4LL);
    QCOMPARE(fnd::roundHalfEven(-157.5), -158LL);
    QCOMPARE(fnd::roundHalfEven(202.5), 202LL);
}

void TstTextFiles::hex_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qlonglong>("value");
    QTest::newRow("grey") << "&H666666" << qlonglong(0x666666);
    QTest::newRow("lower h") << "&hff" << qlonglong(255);
    QTest::newRow("white with alpha") << "&H00FFFFFF" << qlonglong(0xFFFFFF);
    QTest::newRow("decimal") << "42" << qlonglong(42);
    QTest::newRow("bad digit ends") << "&H12G4" << qlonglong(0x12);
}

void TstTextFiles::hex()
{
    QFETCH(QString, text);
    QFETCH(qlonglong, value);
    QCOMPARE(fnd::hexOrDecimal(text), value);
}

QTEST_GUILESS_MAIN(TstTextFiles)
#include "tst_textfiles.moc"
