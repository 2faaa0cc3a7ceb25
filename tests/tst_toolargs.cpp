// Every tool of the build, run in an empty folder: "--help" answers with its
// usage on standard output and exit status 0; an option it does not take is
// refused with its usage on standard error and exit status 2. Neither writes
// a file or folder, in the working folder or the temporary one.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TstToolArgs : public QObject
{
    Q_OBJECT
private slots:
    void helpAndUnknownOptions_data();
    void helpAndUnknownOptions();
};

void TstToolArgs::helpAndUnknownOptions_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("help");
    const QStringList tools = QStringLiteral(EXAMSIM_TOOLS).split(u'|', Qt::SkipEmptyParts);
    QVERIFY(tools.size() >= 5);
    for (const QString &tool : tools) {
        const QByteArray name = QFileInfo(tool).fileName().toUtf8();
        QTest::newRow((name + " --help").constData()) << tool << QStringList{QStringLiteral("--help")} << true;
        QTest::newRow((name + " --bogus").constData()) << tool << QStringList{QStringLiteral("--bogus")} << false;
        // After an argument that would name a folder.
        QTest::newRow((name + " folder --help").constData()) << tool << QStringList{QStringLiteral("out"), QStringLiteral("--help")} << true;
        QTest::newRow((name + " folder -x").constData()) << tool << QStringList{QStringLiteral("out"), QStringLiteral("-x")} << false;
    }
}

void TstToolArgs::helpAndUnknownOptions()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, args);
    QFETCH(bool, help);

    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QDir dir(work.path());
    QVERIFY(dir.mkdir(QStringLiteral("tmp")) && dir.mkdir(QStringLiteral("home")));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TMPDIR"), dir.filePath(QStringLiteral("tmp")));
    env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("EXAMSIM_REGISTRY"), dir.filePath(QStringLiteral("home/registry.ini")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(work.path());
    p.start(tool, args);
    const bool ended = p.waitForFinished(30000);
    if (!ended)
        p.kill(), p.waitForFinished(5000);
    QVERIFY2(ended, "the tool went on running");
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);

    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const QString err = QString::fromUtf8(p.readAllStandardError());
    const QString usage = QStringLiteral("usage: ") + QFileInfo(tool).fileName();
    if (help) {
        QCOMPARE(p.exitCode(), 0);
        QVERIFY2(out.startsWith(usage), qPrintable(out));
        QVERIFY2(err.isEmpty(), qPrintable(err));
    } else {
        QCOMPARE(p.exitCode(), 2);
        QVERIFY2(err.contains(usage) && err.contains(args.last()), qPrintable(err));
        QVERIFY2(out.isEmpty(), qPrintable(out));
    }
    // Nothing written anywhere the tool could write.
    const auto entries = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    QCOMPARE(dir.entryList(entries), (QStringList{QStringLiteral("home"), QStringLiteral("tmp")}));
    QCOMPARE(QDir(dir.filePath(QStringLiteral("home"))).entryList(entries), QStringList());
    QCOMPARE(QDir(dir.filePath(QStringLiteral("tmp"))).entryList(entries), QStringList());
}

QTEST_GUILESS_MAIN(TstToolArgs)
#include "tst_toolargs.moc"
