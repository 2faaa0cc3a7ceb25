// The update manifest and the update's plain rules: entry lines, target
// folders with the letter carried over, local and server names, refused
// names, the check's stamp and the ordinal comparisons, local stamps, the
// program file's name and the server's addresses.
#include "update/manifest.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }

// One entry as "letter|folder|file stamp|local name|remote name|+ or -".
QString describe(const upd::Entry &e)
{
    return QStringList{e.letter, e.folder, e.fileStamp, e.localName, e.remoteName,
                       e.accepted ? QStringLiteral("+") : QStringLiteral("-")}
        .join(u'|');
}
} // namespace

class TstUpdateManifest : public QObject
{
    Q_OBJECT
private slots:
    void entries_data();
    void entries();
    void refusedNames_data();
    void refusedNames();
    void checkedStamp_data();
    void checkedStamp();
    void comparisons_data();
    void comparisons();
    void localStamp();
    void dataFolderName();
    void programFile_data();
    void programFile();
    void addresses();
    void serverAddress();
};

void TstUpdateManifest::entries_data()
{
    QTest::addColumn<QByteArray>("manifest");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("the four letters, CR LF")
        << QByteArray("202501151030\r\nD202501151020288001\r\nK202501151020170200\r\nE202501151020030077\r\n"
                      "M202501151020sMenu.sys\r\n")
        << "202501151030"
        << QStringList{"D|wydata/|202501151020|288001.mxy|288001.rar|+",
                       "K|ksdata/|202501151020|170200.mxy|170200.rar|+",
                       "E|examdata/|202501151020|030077.mxy|030077.rar|+", "M||202501151020|sMenu.sys|sMenu.rar|+"};
    QTest::newRow("another letter keeps the last folder; the program folder before any")
        << QByteArray("202501151030\nX202501151020aaaaaa\nK202501151020bbbbbb\nQ202501151020cccccc\n")
        << "202501151030"
        << QStringList{"X||202501151020|aaaaaa.mxy|aaaaaa.rar|+", "K|ksdata/|202501151020|bbbbbb.mxy|bbbbbb.rar|+",
                       "Q|ksdata/|202501151020|cccccc.mxy|cccccc.rar|+"};
    QTest::newRow("18 characters passed over, 19 taken; blanks and stamp lines passed over; CR only")
        << QByteArray("202501151030\r\rD20250115102012345\r   D202501151020123456   \r2025D202501151020123\r")
        << "202501151030" << QStringList{"D|wydata/|202501151020|123456.mxy|123456.rar|+"};
    QTest::newRow("names with a dot: the last four characters swapped for .rar on the server")
        << QByteArray("202501151030\nM202501151020a.jpeg\nM202501151020pic001.gif\nM202501151020x.y.zzzz\n")
        << "202501151030"
        << QStringList{"M||202501151020|a.jpeg|a..rar|+", "M||202501151020|pic001.gif|pic001.rar|+",
                       "M||202501151020|x.y.zzzz|x.y..rar|+"};
    QTest::newRow("GBK name")
        << (QByteArray("202501151030\nD202501151020") + QByteArray::fromHex("cec4bcfecbb5c3f7") + "01\n")
        << "202501151030" << QStringList{s("D|wydata/|202501151020|文件说明01.mxy|文件说明01.rar|+")};
    QTest::newRow("bytes that are no GBK stay in their line")
        << QByteArray("202501151030\nM2025\xff\x81\x80\nD202501151020abcdef\n") << "202501151030"
        << QStringList{"D|wydata/|202501151020|abcdef.mxy|abcdef.rar|+"};
    QTest::newRow("empty") << QByteArray() << "" << QStringList{};
    QTest::newRow("no stamp line, an entry first") << QByteArray("K202501151020abcdef") << "K202501151020abcdef"
                                                    << QStringList{"K|ksdata/|202501151020|abcdef.mxy|abcdef.rar|+"};
}

void TstUpdateManifest::entries()
{
    QFETCH(QByteArray, manifest);
    QFETCH(QString, firstLine);
    QFETCH(QStringList, expected);
    const upd::Manifest m = upd::parseManifest(manifest, QStringLiteral("wydata"));
    QCOMPARE(m.firstLine, firstLine);
    QStringList got;
    for (const upd::Entry &e : m.entries)
        got << describe(e);
    QCOMPARE(got, expected);
}

void TstUpdateManifest::refusedNames_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("up and out") << "D202501151020../../x1" << false;
    QTest::newRow("up with backslashes") << "K202501151020..\\..\\x1" << false;
    QTest::newRow("absolute") << "M202501151020/tmp/x1" << false;
    QTest::newRow("a subfolder") << "E202501151020a/b/cd" << false;
    QTest::newRow("a drive") << "M202501151020c:abcd" << false;
    QTest::newRow("a control character") << "M202501151020ab\x01" "cdef" << false;
    QTest::newRow("a tab inside") << "M202501151020ab\tcdef" << false;
    QTest::newRow("dots only, a file name") << "M202501151020......" << true;
    QTest::newRow("plain") << "M202501151020sMenu.sys" << true;
}

// A refused entry stays in the list (it counts) but has no local path.
void TstUpdateManifest::refusedNames()
{
    QFETCH(QString, line);
    QFETCH(bool, accepted);
    const upd::Manifest m = upd::parseManifest("202501151030\n" + line.toLatin1(), QStringLiteral("wydata"));
    QCOMPARE(m.entries.size(), 1);
    QCOMPARE(m.entries[0].accepted, accepted);
    const auto path = upd::localPath(QStringLiteral("/p/prog"), m.entries[0]);
    QCOMPARE(path.has_value(), accepted);
    if (path)
        QVERIFY(path->startsWith(QStringLiteral("/p/prog/")));
}

void TstUpdateManifest::checkedStamp_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("stamp"); // "-" none
    QTest::newRow("a manifest") << "202501151030\r\nD202501151020288001" << "202501151030";
    QTest::newRow("blanks around") << "  202501151030  " << "202501151030";
    QTest::newRow("short") << "2025" << "2025";
    QTest::newRow("letters") << "20ab0115x030zz" << "20ab0115x030";
    QTest::newRow("empty") << "" << "-";
    QTest::newRow("the time-out text") << s("error-timeout，网络状况不好，请重试！") << "-";
    QTest::newRow("an error page") << "<html><body>404</body></html>" << "-";
    QTest::newRow("a year of another century") << "190001010000" << "-";
}

void TstUpdateManifest::checkedStamp()
{
    QFETCH(QString, answer);
    QFETCH(QString, stamp);
    const auto got = upd::checkedStamp(answer);
    QCOMPARE(got.value_or(QStringLiteral("-")), stamp);
}

void TstUpdateManifest::comparisons_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<bool>("greater");
    QTest::newRow("newer") << "202501151030" << "202401010000" << true;
    QTest::newRow("equal") << "202501151030" << "202501151030" << false;
    QTest::newRow("older") << "202401010000" << "202501151030" << false;
    QTest::newRow("any stamp beats no version") << "20" << "" << true;
    QTest::newRow("a letter is above every digit") << "20a" << "2099" << true;
    QTest::newRow("character by character, not by length") << "203" << "2025" << true;
    QTest::newRow("local stamp of a missing file") << "202501151030" << "190011011030" << true;
}

// Newer for the version, due for a file: one ordinal order.
void TstUpdateManifest::comparisons()
{
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(bool, greater);
    QCOMPARE(upd::isNewer(left, right), greater);
    QCOMPARE(upd::isDue(right, left), greater);
}

void TstUpdateManifest::localStamp()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("288001.mxy"));
    QCOMPARE(upd::localStamp(path), QStringLiteral("190011011030"));
    QCOMPARE(upd::localStamp(dir.path()), QStringLiteral("190011011030")); // a folder is no file
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
    QVERIFY(f.flush());
    QVERIFY(f.setFileTime(QDateTime(QDate(2025, 1, 15), QTime(10, 20, 59)), QFileDevice::FileModificationTime));
    f.close();
    QCOMPARE(upd::localStamp(path), QStringLiteral("202501151020"));
    // The minute of the stamp itself is not due; one minute less is.
    QVERIFY(!upd::isDue(upd::localStamp(path), QStringLiteral("202501151020")));
    QVERIFY(upd::isDue(upd::localStamp(path), QStringLiteral("202501151021")));
}

void TstUpdateManifest::dataFolderName()
{
    QCOMPARE(upd::dataFolderName(QStringLiteral("/p/prog/wydata/"), QStringLiteral("/p/prog")), QStringLiteral("wydata"));
    QCOMPARE(upd::dataFolderName(QStringLiteral("C:\\prog\\wydata\\"), QStringLiteral("C:\\prog")),
             QStringLiteral("wydata"));
}

void TstUpdateManifest::programFile_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("entryName");
    QTest::addColumn<bool>("isProgram");
    QTest::newRow("plain") << "examsim" << "examsim.exe" << "examsim.exe" << true;
    QTest::newRow("case ignored") << "examsim" << "examsim.exe" << "ExamSim.EXE" << true;
    QTest::newRow("doubled .exe reduced") << "kv.exe" << "kv.exe" << "kv.exe" << true;
    QTest::newRow("another file") << "examsim" << "examsim.exe" << "examsim.dll" << false;
    QTest::newRow("without extension the local name has .mxy") << "examsim" << "examsim.exe" << "examsim" << false;
}

void TstUpdateManifest::programFile()
{
    QFETCH(QString, executable);
    QFETCH(QString, name);
    QFETCH(QString, entryName);
    QFETCH(bool, isProgram);
    QCOMPARE(upd::programFileName(executable), name);
    const upd::Manifest m = upd::parseManifest(("202501151030\nM202501151020" + entryName).toUtf8(), QString());
    QCOMPARE(m.entries.size(), 1);
    QCOMPARE(upd::isProgramFile(m.entries[0], name), isProgram);
}

void TstUpdateManifest::addresses()
{
    const QString server = QStringLiteral("http://up.example.invalid/base/");
    const QString title = s("计算机 考试");
    const QString titleEncoded = QStringLiteral("%E8%AE%A1%E7%AE%97%E6%9C%BA%20%E8%80%83%E8%AF%95");
    QCOMPARE(upd::manifestAddress(server, title, QStringLiteral("wydata")),
             server + "up/quilt/" + titleEncoded + "/wydata/288895.txt");
    const upd::Manifest m = upd::parseManifest(
        QByteArray("202501151030\nD202501151020288001\nM202501151020a b.jpeg\nE202501151020") + QByteArray::fromHex("cec4bcfe") + "0001",
        QStringLiteral("wydata"));
    QCOMPARE(m.entries.size(), 3);
    QCOMPARE(upd::fileAddress(server, title, m.entries[0]), server + "up/quilt/" + titleEncoded + "/wydata/288001.rar");
    QCOMPARE(upd::fileAddress(server, title, m.entries[1]), server + "up/quilt/" + titleEncoded + "/a%20b..rar");
    QCOMPARE(upd::fileAddress(server, title, m.entries[2]),
             server + "up/quilt/" + titleEncoded + "/examdata/%E6%96%87%E4%BB%B60001.rar");
    QCOMPARE(upd::advertAddress(server, QStringLiteral("kv/01")), server + "up/ad/kv%2F01/170100.rar");
}

void TstUpdateManifest::serverAddress()
{
    qunsetenv("EXAMSIM_UPDATE_SERVER");
    upd::setUpdateServer(QString());
    QCOMPARE(upd::updateServer(), QString());
    qputenv("EXAMSIM_UPDATE_SERVER", "http://env.invalid");
    QCOMPARE(upd::updateServer(), QStringLiteral("http://env.invalid/"));
    upd::setUpdateServer(QStringLiteral("http://set.invalid/x/"));
    QCOMPARE(upd::updateServer(), QStringLiteral("http://set.invalid/x/"));
    upd::setUpdateServer(QString());
    QCOMPARE(upd::updateServer(), QStringLiteral("http://env.invalid/"));
    qunsetenv("EXAMSIM_UPDATE_SERVER");
}

QTEST_GUILESS_MAIN(TstUpdateManifest)
#include "tst_updatemanifest.moc"
