// examsim-probe app: the whole program in a probe process, on copies of the
// sample bank: the ready line, the windows and their controls, the program's
// end (a data folder of another module), and a box the start opens (a second
// instance) answered through the probe.
#include "banksolver.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QtTest>

namespace {

QString probePath() { return ts::toolPath(QStringLiteral("examsim-probe")); }

// Every file under a folder with a digest of its bytes.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            files[QDir(folder).relativeFilePath(path)] = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1);
    }
    return files;
}

QJsonObject findNamed(const QJsonArray &list, const QString &name)
{
    for (const QJsonValue &v : list)
        if (v.toObject()["name"].toString() == name)
            return v.toObject();
    return {};
}

} // namespace

class TstProbeApp : public QObject
{
    Q_OBJECT

private slots:
    void readyAndCover();
    void otherModuleEnds();
    void secondInstanceIsAnswered();
};

void TstProbeApp::readyAndCover()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    solver::ProbeSession probe(probePath(), {QStringLiteral("app"), copy.path()});
    const QJsonObject ready = probe.next();
    QVERIFY2(ready["ready"].toBool(), qPrintable(QJsonDocument(ready).toJson() + probe.errors()));
    const QJsonArray windows = ready["windows"].toArray();
    QCOMPARE(windows.size(), 1);
    const QJsonObject cover = windows.first().toObject();
    QCOMPARE(cover["name"].toString(), QStringLiteral("FrmFengmian"));
    QCOMPARE(cover["w"].toInt(), 800);
    QCOMPARE(cover["h"].toInt(), 600);
    QVERIFY(cover["frameless"].toBool());

    const QJsonObject widgets = probe.send(QStringLiteral("widgets FrmFengmian"));
    const QJsonArray list = widgets["widgets"].toArray();
    QCOMPARE(findNamed(list, QStringLiteral("ClickBotn_4"))["picture"].toString(), QStringLiteral("l20004"));
    QFile version(copy.file(QStringLiteral("wydata/288895.mxy")));
    QVERIFY(version.open(QIODevice::ReadOnly));
    const QString stamp = QString::fromLatin1(version.readLine()).remove(u'\r').remove(u'\n');
    QCOMPARE(findNamed(list, QStringLiteral("LblInfo_0"))["text"].toString(), QStringLiteral("题库版本：V") + stamp);

    // Bare names act on the simulated window only while it is open: the
    // probe never loads it.
    QVERIFY(probe.send(QStringLiteral("scene")).contains(u"error"));
    QVERIFY(probe.send(QStringLiteral("click Label1")).contains(u"error"));
    QCOMPARE(probe.send(QStringLiteral("windows"))["windows"].toArray().size(), 1);
    QCOMPARE(probe.finish(), 0);
}

void TstProbeApp::otherModuleEnds()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    QFile module(copy.file(QStringLiteral("wydata/288899.mxy")));
    QVERIFY(module.open(QIODevice::WriteOnly | QIODevice::Truncate));
    module.write("9\r\n");
    module.close();
    const auto before = snapshot(copy.file(QStringLiteral("ksdata")));

    solver::ProbeSession probe(probePath(), {QStringLiteral("app"), copy.path()});
    const QJsonObject first = probe.next();
    QVERIFY2(first.contains(u"ended"), qPrintable(QJsonDocument(first).toJson() + probe.errors()));
    QCOMPARE(first["ended"].toInt(), 0);
    QCOMPARE(probe.finish(), 0);
    QCOMPARE(snapshot(copy.file(QStringLiteral("ksdata"))), before);
}

void TstProbeApp::secondInstanceIsAnswered()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    solver::ProbeSession first(probePath(), {QStringLiteral("app"), copy.path()});
    QVERIFY(first.next()["ready"].toBool());

    solver::ProbeSession second(probePath(), {QStringLiteral("app"), copy.path()});
    const QJsonObject modal = second.next();
    QVERIFY2(modal.contains(u"modal"), qPrintable(QJsonDocument(modal).toJson() + second.errors()));
    QCOMPARE(modal["title"].toString(), QStringLiteral("系统提示"));
    QVERIFY(!modal["prompt"].toString().isEmpty());
    // The box's own window is there to look at while it waits.
    QVERIFY(findNamed(second.send(QStringLiteral("windows"))["windows"].toArray(), modal["modal"].toString())
                .contains(u"w"));
    QCOMPARE(second.send(QStringLiteral("answer OK"))["answered"].toString(), QStringLiteral("OK"));
    QCOMPARE(second.next()["ended"].toInt(), 0);
    QCOMPARE(second.finish(), 0);

    // The first program runs on.
    QCOMPARE(first.send(QStringLiteral("windows"))["windows"].toArray().size(), 1);
    QCOMPARE(first.finish(), 0);
}

QTEST_MAIN(TstProbeApp)
#include "tst_probeapp.moc"
