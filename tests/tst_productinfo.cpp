// Product information: the character code of its files, the overlay of
// ver.txt and the data folder's product file, the first-run flag and the
// install record, and examsim-probe info on the generated program folder.
#include "foundation/errreport.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/infocode.h"
#include "foundation/productinfo.h"
#include "foundation/programfolder.h"
#include "platform/registry.h"
#include "reportlog.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {

QStringList encodedLines(const QStringList &texts)
{
    QStringList out;
    for (const QString &t : texts)
        out << fnd::encodeInfoLine(t).value();
    return out;
}

using ts::fileBytes;

// fmt.arg(k) for k = from to to.
QStringList numbered(const QString &fmt, int from, int to)
{
    QStringList out;
    for (int k = from; k <= to; ++k)
        out << fmt.arg(k);
    return out;
}

// The reports logged so far.
QStringList reported() { return ts::loggedReports(fnd::ErrLogFile); }

// A program folder holding only the sample's product information files (the
// whole sample bank is large), which the program points at while it lives.
class InfoFolder
{
public:
    explicit InfoFolder(const QString &sub = QString())
    {
        root_ = sub.isEmpty() ? dir_.path() : dir_.path() + u'/' + sub;
        const QString sample = ts::sampleProgramDir();
        QDir().mkpath(root_ + "/wydata");
        QDir().mkpath(root_ + "/ksdata");
        valid_ = dir_.isValid();
        for (const char *f : {"ver.txt", "wydata/288901.mxy", "wydata/288892.mxy"})
            valid_ = valid_ && QFile::copy(sample + u'/' + f, file(f));
        fnd::overrideProgramFolder(root_);
    }
    ~InfoFolder() { fnd::overrideProgramFolder(QString()); }
    bool isValid() const { return valid_; }
    QString path() const { return root_; }
    QString file(const QString &relative) const { return root_ + u'/' + relative; }

private:
    QTemporaryDir dir_;
    QString root_;
    bool valid_ = false;
};

} // namespace

class TstProductInfo : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void decodeLine_data();
    void decodeLine();
    void encoderRoundTrip();
    void overlayOrder();
    void lineLimitsReportOncePerFile();
    void damagedCodesReportOncePerFile();
    void missingFilesKeepDefaults();
    void moduleNumber_data();
    void moduleNumber();
    void firstRun_data();
    void firstRun();
    void firstRunMarkedDoneWhenRegistryRefuses();
    void emptyKeyWordWritesUnderSoftware();
    void setRegValueTypes();
    void probeInfoOnGeneratedFolder();

private:
    std::unique_ptr<InfoFolder> copy_;
    QString ver() const { return copy_->file("ver.txt"); }
    QString product() const { return copy_->file("wydata/288901.mxy"); }
    QString flagFile() const { return copy_->file("wydata/288892.mxy"); }
};

void TstProductInfo::init()
{
    fnd::resetGlobals();
    fnd::setErrorEndpoint(QString());
    copy_ = std::make_unique<InfoFolder>();
    QVERIFY(copy_->isValid());
    fnd::ErrLogFile = copy_->file("ksdata/test.txt");
    QFile::remove(plat::registryFile());
}

void TstProductInfo::cleanup()
{
    copy_.reset();
    plat::overrideRegistryFile(QString());
}

void TstProductInfo::decodeLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bad");
    QTest::newRow("low form") << "200097200098200099" << "abc" << 0;
    QTest::newRow("high form") << "500097500098500099" << "abc" << 0;
    QTest::newRow("double-byte low") << "249084" << "考" << 0;
    QTest::newRow("double-byte high") << "549084" << "考" << 0;
    QTest::newRow("negative code is code + 65536") << "183548" << "考" << 0;
    QTest::newRow("six blanks add nothing") << "      200097" << "a" << 0;
    QTest::newRow("trailing blank group") << "200097   " << "a" << 0;
    QTest::newRow("blanks around a zero") << "200097 0 0  200098" << "ab" << 0;
    QTest::newRow("letters read as zero") << "abcdef200065" << "A" << 0;
    QTest::newRow("half rounds to even zero") << "0.5000200065" << "A" << 0;
    QTest::newRow("just above half is one") << "0.6000200065" << "A" << 1;
    QTest::newRow("code 0 is a NUL character") << "200000" << QString(QChar(0)) << 0;
    QTest::newRow("high form code 1") << "500001" << QString(QChar(1)) << 0;
    QTest::newRow("500000 itself is low form") << "500000200065" << "A" << 1;
    QTest::newRow("above 65535") << "565536200065" << "A" << 1;
    QTest::newRow("below -32768") << "167231200065" << "A" << 1;
    QTest::newRow("negative group value") << "-00001200065" << "A" << 1;
    QTest::newRow("short blanked group") << "  97  200065" << "A" << 1;
    QTest::newRow("short last group") << "200065200" << "A" << 1;
    QTest::newRow("two bad groups") << "100000200065999999" << "A" << 2;
    QTest::newRow("empty") << "" << "" << 0;
}

void TstProductInfo::decodeLine()
{
    QFETCH(QString, line);
    QFETCH(QString, text);
    QFETCH(int, bad);
    const fnd::DecodedInfoLine d = fnd::decodeInfoLine(line);
    QCOMPARE(d.text, text);
    QCOMPARE(d.badCodes, bad);
}

void TstProductInfo::encoderRoundTrip()
{
    const QString text = QStringLiteral(" 计算机应用 abc|网页€ ");
    for (bool high : {false, true}) {
        const auto line = fnd::encodeInfoLine(text, high);
        QVERIFY(line);
        QCOMPARE(line->size(), text.size() * 6);
        QCOMPARE(line->at(0), high ? u'5' : u'2');
        QCOMPARE(fnd::decodeInfoLine(*line).text, text);
    }
    QCOMPARE(*fnd::encodeInfoLine(QStringLiteral("考")), QStringLiteral("249084"));
    // 500000 reads as the low form: a NUL character is written low either way.
    QCOMPARE(*fnd::encodeInfoLine(QString(QChar(0)), true), QStringLiteral("200000"));
    QVERIFY(!fnd::encodeInfoLine(QStringLiteral("a\U0001F600")));
}

void TstProductInfo::overlayOrder()
{
    // ver.txt of 30 lines, the product file of 20: entries 0-19 from the
    // product file, 20-30 from ver.txt, 31-38 defaults, 39-40 empty.
    QStringList verTexts{QStringLiteral(" 考试标题 "), QStringLiteral(" 模块名 "), QStringLiteral(" sub "),
                         QStringLiteral("12")};
    verTexts << numbered(QStringLiteral("  V%1 "), 5, 30);
    const QStringList productTexts = numbered(QStringLiteral(" P%1"), 1, 20);
    QVERIFY(fnd::writeLines(ver(), encodedLines(verTexts)));
    QDir().mkpath(copy_->file("sub"));
    QVERIFY(fnd::writeLines(copy_->file("sub/288901.mxy"), encodedLines(productTexts)));
    QVERIFY(fnd::writeLines(copy_->file("sub/288892.mxy"), {"1"}));

    fnd::readInfo();
    const fnd::InfoEntries defaults = fnd::defaultInfoTable();
    for (int e = 0; e <= 19; ++e)
        QCOMPARE(fnd::InfoTable[e], QStringLiteral("P%1").arg(e + 1));
    for (int e = 20; e <= 30; ++e)
        QCOMPARE(fnd::InfoTable[e], QStringLiteral("V%1").arg(e));
    for (int e = 31; e <= 38; ++e)
        QCOMPARE(fnd::InfoTable[e], defaults[e]);
    QVERIFY(fnd::InfoTable[39].isEmpty() && fnd::InfoTable[40].isEmpty());

    // Derived from ver.txt before the product file overwrote entries 1-4.
    QCOMPARE(fnd::ExamTitle, QStringLiteral("考试标题"));
    QCOMPARE(fnd::ModuleName, QStringLiteral("模块名"));
    QCOMPARE(fnd::DataPath, copy_->path() + QStringLiteral("/sub/"));
    QCOMPARE(fnd::ModuleNo, qint16(12));
    QCOMPARE(fnd::UnitTable[0][1], QStringLiteral("V5"));
    QCOMPARE(fnd::UnitTable[20][1], QStringLiteral("V25"));
    QCOMPARE(fnd::AppTitle, QStringLiteral("P1P10——考试标题模块"));
    QVERIFY(reported().isEmpty());
}

void TstProductInfo::lineLimitsReportOncePerFile()
{
    QStringList verTexts{QStringLiteral("T"), QStringLiteral("M"), QStringLiteral("wydata"), QStringLiteral("8")};
    verTexts << numbered(QStringLiteral("V%1"), 5, 45);
    const QStringList productTexts = numbered(QStringLiteral("P%1"), 1, 44);
    QVERIFY(fnd::writeLines(ver(), encodedLines(verTexts)));
    QVERIFY(fnd::writeLines(product(), encodedLines(productTexts)));

    fnd::readInfo();
    QCOMPARE(fnd::InfoTable[40], QStringLiteral("P41"));
    QCOMPARE(fnd::UnitTable[20][1], QStringLiteral("V25"));
    const QStringList r = reported();
    QCOMPARE(r.size(), 2);
    QVERIFY2(r[0].startsWith(QStringLiteral("readInfoSubscript out of range: ver.txt line 41 and 4 more")), qPrintable(r[0]));
    QVERIFY2(r[1].startsWith(QStringLiteral("readInfoSubscript out of range: 288901.mxy line 42 and 2 more")), qPrintable(r[1]));
    QVERIFY(fileBytes(fnd::ErrLogFile).contains(",9\r\n"));
}

void TstProductInfo::damagedCodesReportOncePerFile()
{
    // Every line of the product file holds bad groups, and it has 10000 lines:
    // one report for the codes, one for the lines beyond the table.
    QStringList damaged(10000, QStringLiteral("999999200065100000"));
    QVERIFY(fnd::writeLines(product(), damaged));
    fnd::readInfo();
    QCOMPARE(fnd::InfoTable[0], QStringLiteral("A"));
    const QStringList r = reported();
    QCOMPARE(r.size(), 2);
    QVERIFY(r[0].startsWith(QStringLiteral("readInfoInvalid procedure call or argument")));
    QVERIFY(r[0].contains(QStringLiteral("288901.mxy line 1 and 40 more")));
    QVERIFY(r[1].contains(QStringLiteral("288901.mxy line 42 and 9958 more")));
}

void TstProductInfo::missingFilesKeepDefaults()
{
    QVERIFY(QFile::remove(ver()));
    fnd::readInfo();
    // Without ver.txt the table keeps its defaults and the data folder's name
    // comes from the default entry 3; its product file is not found either.
    QCOMPARE(fnd::InfoTable[9], QStringLiteral("Marrowby考试练习系统"));
    QCOMPARE(fnd::InfoTable[29], QStringLiteral("&H666666"));
    const QStringList r = reported();
    QCOMPARE(r.size(), 3);
    QCOMPARE(r[0], QStringLiteral("readInfoFile not found: ver.txt"));
    QCOMPARE(r[1], QStringLiteral("readInfoFile not found: 288901.mxy"));
    QCOMPARE(r[2], QStringLiteral("readInfoFile not found: 288892.mxy"));
}

void TstProductInfo::moduleNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("moduleNo");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("overflow");
    QTest::newRow("12") << "12" << 12 << "12" << false;
    QTest::newRow("7") << " 7 " << 7 << "07" << false;
    QTest::newRow("123") << "123" << 123 << "23" << false;
    QTest::newRow("half to even down") << "12.5" << 12 << "12" << false;
    QTest::newRow("half to even up") << "13.5" << 14 << "14" << false;
    QTest::newRow("blanks inside") << "1 2" << 12 << "12" << false;
    QTest::newRow("too large") << "40000" << 0 << "00" << true;
}

void TstProductInfo::moduleNumber()
{
    QFETCH(QString, text);
    QFETCH(int, moduleNo);
    QFETCH(QString, suffix);
    QFETCH(bool, overflow);
    QVERIFY(fnd::writeLines(ver(), encodedLines({"T", "M", "wydata", text})));
    fnd::loadInfo();
    QCOMPARE(int(fnd::ModuleNo), moduleNo);
    QCOMPARE(fnd::moduleSuffix(fnd::ModuleNo), suffix);
    QCOMPARE(reported().size(), overflow ? 1 : 0);
}

void TstProductInfo::firstRun_data()
{
    QTest::addColumn<QByteArray>("flag");
    QTest::addColumn<bool>("first");
    QTest::addColumn<int>("reports");
    QTest::newRow("0") << QByteArray("0\r\n") << true << 0;
    QTest::newRow("0 without line end") << QByteArray("0") << true << 0;
    QTest::newRow("0 then more lines") << QByteArray("0\r\nx\r\n") << true << 0;
    QTest::newRow("0 and a blank") << QByteArray("0 \r\n") << false << 0;
    QTest::newRow("0 and a two-byte character") << QByteArray("0\xbf\x65x\r\n") << false << 0;
    QTest::newRow("1") << QByteArray("1\r\n") << false << 0;
    QTest::newRow("empty file") << QByteArray() << false << 1;
}

void TstProductInfo::firstRun()
{
    QFETCH(QByteArray, flag);
    QFETCH(bool, first);
    QFETCH(int, reports);
    {
        QFile f(flagFile());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(flag);
    }
    fnd::readInfo();
    QCOMPARE(reported().size(), reports);
    const QVariant path = plat::registryValue(plat::HKEY_CURRENT_USER, "Software\\Velkor", "ProPath08");
    const QVariant name = plat::registryValue(plat::HKEY_CURRENT_USER, "Software\\Velkor", "ProName08");
    if (!first) {
        QVERIFY(!path.isValid() && !name.isValid());
        QCOMPARE(fileBytes(flagFile()), flag);
        return;
    }
    QCOMPARE(path.toString(), copy_->path() + QString(72, u'*'));
    QCOMPARE(name.toString(), fnd::executableName() + QString(36, u'*'));
    QCOMPARE(fileBytes(flagFile()), QByteArray("1\r\n"));
}

void TstProductInfo::firstRunMarkedDoneWhenRegistryRefuses()
{
    // A registry file inside a plain file cannot be written.
    QVERIFY(fnd::writeLines(copy_->file("blocker"), {"x"}));
    plat::overrideRegistryFile(copy_->file("blocker/registry.ini"));
    fnd::readInfo();
    QCOMPARE(fileBytes(flagFile()), QByteArray("1\r\n"));
}

void TstProductInfo::emptyKeyWordWritesUnderSoftware()
{
    // A folder name with double-byte characters is kept whole.
    copy_.reset();
    copy_ = std::make_unique<InfoFolder>(QStringLiteral("考试 程序"));
    QVERIFY(copy_->isValid());
    const QString folder = copy_->path();
    QVERIFY(folder.endsWith(QStringLiteral("/考试 程序")));
    QStringList productTexts;
    for (int e = 0; e <= 15; ++e)
        productTexts << (e == 15 ? QString() : QStringLiteral("x"));
    QVERIFY(fnd::writeLines(folder + "/wydata/288901.mxy", encodedLines(productTexts)));
    fnd::readInfo();
    QCOMPARE(plat::registryValue(plat::HKEY_CURRENT_USER, "Software", "ProPath08").toString(), folder + QString(72, u'*'));
    QVERIFY(plat::registryValue(plat::HKEY_CURRENT_USER, "Software", "ProName08").isValid());
}

void TstProductInfo::setRegValueTypes()
{
    QVariant text = QStringLiteral("考试a");
    qint32 length = 0;
    QCOMPARE(fnd::SetRegValue(plat::HKEY_CURRENT_USER, "Software\\T", "s", plat::REG_SZ, text, length), 0L);
    QCOMPARE(length, 6); // two double-byte characters, one byte, the terminator
    QVariant dword = 0x01020304;
    QCOMPARE(fnd::SetRegValue(plat::HKEY_CURRENT_USER, "Software\\T", "d", plat::REG_DWORD, dword, length), 0L);
    QCOMPARE(length, 4);
    QCOMPARE(plat::registryValue(plat::HKEY_CURRENT_USER, "Software\\T", "d").toInt(), 0x01020304);
    QVariant binary = 0x01020304;
    length = 2;
    QCOMPARE(fnd::SetRegValue(plat::HKEY_CURRENT_USER, "Software\\T", "b", plat::REG_BINARY, binary, length), 0L);
    QCOMPARE(plat::registryValue(plat::HKEY_CURRENT_USER, "Software\\T", "b").toByteArray(), QByteArray("\x04\x03"));
    // An unknown type or a binary length outside 1-4 writes nothing and says so.
    length = 9;
    QVERIFY(fnd::SetRegValue(plat::HKEY_CURRENT_USER, "Software\\T", "b9", plat::REG_BINARY, binary, length) != 0);
    QVERIFY(fnd::SetRegValue(plat::HKEY_CURRENT_USER, "Software\\T", "u", 7, text, length) != 0);
    QVERIFY(!plat::registryValue(plat::HKEY_CURRENT_USER, "Software\\T", "b9").isValid());
    QVERIFY(!plat::registryValue(plat::HKEY_CURRENT_USER, "Software\\T", "u").isValid());
}

void TstProductInfo::probeInfoOnGeneratedFolder()
{
    const QString folder = ts::sampleProgramDir();
    const QByteArray flagBefore = fileBytes(folder + "/wydata/288892.mxy");
    QProcess p;
    p.start(ts::toolPath("examsim-probe"), {"info", folder});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);

    // What the files say, read in this process from the same folder.
    fnd::overrideProgramFolder(folder);
    fnd::loadInfo();
    const QJsonArray table = o["InfoTable"].toArray();
    QCOMPARE(table.size(), 41);
    for (int e = 0; e <= 40; ++e)
        QCOMPARE(table[e].toString(), fnd::InfoTable[e]);
    QCOMPARE(o["ExamTitle"].toString(), QStringLiteral("网页制作"));
    QCOMPARE(o["ModuleName"].toString(), QStringLiteral("网页制作"));
    QCOMPARE(o["DataPath"].toString(), folder + QStringLiteral("/wydata/"));
    QCOMPARE(o["ModuleNo"].toInt(), 8);
    const QJsonArray units = o["units"].toArray();
    QCOMPARE(units.size(), 21);
    QCOMPARE(units[0].toString(), QStringLiteral("网页基础"));
    QCOMPARE(units[1].toString(), QStringLiteral("表格与表单"));
    QCOMPARE(units[2].toString(), QStringLiteral("框架与超链接"));
    QCOMPARE(units[3].toString(), QString());
    // Looking writes nothing.
    QCOMPARE(fileBytes(folder + "/wydata/288892.mxy"), flagBefore);
}

QTEST_GUILESS_MAIN(TstProductInfo)
#include "tst_productinfo.moc"
