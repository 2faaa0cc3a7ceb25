// Pointer fields of the target labels, standard pointer numbers and custom
// pointers from cursor files.
#include "foundation/programfolder.h"
#include "simwin/scene/cursorshape.h"
#include "steplines.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace scene;

namespace {
// A cursor file made from a small picture: written as an icon, then marked
// as a cursor with the given hot spot in its header.
QByteArray makeCursorFile(int hotX, int hotY)
{
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::red);
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, "ico");
    if (!w.write(img))
        return {};
    QByteArray bytes = buf.data();
    qToLittleEndian<quint16>(2, bytes.data() + 2);
    qToLittleEndian<quint16>(quint16(hotX), bytes.data() + 10);
    qToLittleEndian<quint16>(quint16(hotY), bytes.data() + 12);
    return bytes;
}
} // namespace

class TstPointer : public QObject
{
    Q_OBJECT
private slots:
    void pointerFields_data();
    void pointerFields();
    void standardShapes_data();
    void standardShapes();
    void hotSpotFromHeader_data();
    void hotSpotFromHeader();
    void customPointerFromFile();
};

void TstPointer::pointerFields_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("drag");
    QTest::addColumn<int>("pointer");
    QTest::addColumn<QString>("file");
    QTest::newRow("S0011 hourglass") << QByteArray("9001") << "S0011" << false << 11 << "";
    QTest::newRow("M0007 cursor file") << QByteArray("9001") << "M0007" << false << 99 << "ico07.CUR";
    QTest::newRow("00000 default") << QByteArray("9001") << "00000" << false << 0 << "";
    QTest::newRow("drag step shows the default") << QByteArray("0041") << "S0011" << false << 0 << "";
    QTest::newRow("outline drag step too") << QByteArray("0050") << "M0007" << false << 0 << "";
    QTest::newRow("S4012 drag pointer 12") << QByteArray("0050") << "S4012" << true << 12 << "";
    QTest::newRow("S0000 drag pointer 0") << QByteArray("0050") << "S0000" << true << 0 << "";
    QTest::newRow("drag from a file, any letter") << QByteArray("0050") << "X0003" << true << 99 << "ico03.CUR";
    QTest::newRow("drag from a file, digits") << QByteArray("0050") << "00015" << true << 99 << "ico15.CUR";
}

void TstPointer::pointerFields()
{
    QFETCH(QByteArray, code);
    QFETCH(QString, field);
    QFETCH(bool, drag);
    QFETCH(int, pointer);
    QFETCH(QString, file);
    const QString line = ts::stepLine({{8, code.constData()}, {101, qPrintable(field)}});
    const PointerChoice c = drag ? dragPointer(line) : targetPointer(line);
    QCOMPARE(c.mousePointer, pointer);
    QCOMPARE(c.cursorFile, file.isEmpty() ? QString() : fnd::inProgramFolder(file));
}

void TstPointer::standardShapes_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("shape");
    QTest::newRow("0 default") << 0 << int(Qt::ArrowCursor);
    QTest::newRow("1 arrow") << 1 << int(Qt::ArrowCursor);
    QTest::newRow("2 cross") << 2 << int(Qt::CrossCursor);
    QTest::newRow("3 I-beam") << 3 << int(Qt::IBeamCursor);
    QTest::newRow("7 north-south") << 7 << int(Qt::SizeVerCursor);
    QTest::newRow("9 west-east") << 9 << int(Qt::SizeHorCursor);
    QTest::newRow("11 hourglass") << 11 << int(Qt::WaitCursor);
    QTest::newRow("12 no drop") << 12 << int(Qt::ForbiddenCursor);
    QTest::newRow("15 size all") << 15 << int(Qt::SizeAllCursor);
    QTest::newRow("unknown") << 42 << int(Qt::ArrowCursor);
}

void TstPointer::standardShapes()
{
    QFETCH(int, number);
    QFETCH(int, shape);
    QCOMPARE(int(cursorFor({number, {}})->shape()), shape);
}

void TstPointer::hotSpotFromHeader_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QPoint>("hot"); // (-1, -1): not a cursor header
    const QByteArray good = QByteArray::fromHex("000002000100" "20200000" "0300" "0500");
    QTest::newRow("hot spot 3,5") << good << QPoint(3, 5);
    QTest::newRow("words little-endian")
        << QByteArray::fromHex("000002000100" "2020000001020304") << QPoint(0x0201, 0x0403);
    QTest::newRow("icon, not cursor") << QByteArray::fromHex("000001000100" "20200000" "0300" "0500")
                                      << QPoint(-1, -1);
    QTest::newRow("no images") << QByteArray::fromHex("000002000000" "20200000" "0300" "0500")
                               << QPoint(-1, -1);
    QTest::newRow("truncated") << good.left(12) << QPoint(-1, -1);
    QTest::newRow("empty") << QByteArray() << QPoint(-1, -1);
}

void TstPointer::hotSpotFromHeader()
{
    QFETCH(QByteArray, header);
    QFETCH(QPoint, hot);
    QCOMPARE(cursorHotSpot(header).value_or(QPoint(-1, -1)), hot);
}

void TstPointer::customPointerFromFile()
{
    QTemporaryDir dir;
    fnd::overrideProgramFolder(dir.path());
    const QByteArray bytes = makeCursorFile(7, 9);
    QVERIFY(!bytes.isEmpty());
    QFile f(dir.filePath("ico07.CUR"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();

    const auto cursor = cursorFor(targetPointer(ts::stepLine({{101, "M0007"}})));
    QVERIFY(cursor);
    QCOMPARE(cursor->shape(), Qt::BitmapCursor);
    QCOMPARE(cursor->hotSpot(), QPoint(7, 9));
    // A missing or broken file gives nothing: the label keeps its icon.
    QVERIFY(!cursorFor(targetPointer(ts::stepLine({{101, "M0008"}}))));
    QFile broken(dir.filePath("ico09.CUR"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a cursor");
    broken.close();
    QVERIFY(!cursorFor(targetPointer(ts::stepLine({{101, "M0009"}}))));
    fnd::overrideProgramFolder({});
}

QTEST_MAIN(TstPointer)
#include "tst_pointer.moc"
