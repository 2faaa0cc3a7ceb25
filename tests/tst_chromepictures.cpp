// The generated bank's chrome pictures: every name the bars derive exists and
// reads as a picture by content, the drop-downs enclose their items, and
// every panel and drop-down fits the 800 x 600 window where it opens.
#include "testsupport.h"

#include "simwin/chrome/hotspotlayout.h"
#include "simwin/chrome/menutables.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTest>

namespace {

QString examData(const QString &name) { return ts::sampleProgramDir() + QStringLiteral("/examdata/") + name + QStringLiteral(".mxy"); }

// The picture's size read by content (the suffix says nothing), or an
// invalid size.
QSize pictureSize(const QString &name)
{
    QImageReader r(examData(name));
    r.setDecideFormatFromContent(true);
    const QImage img = r.read();
    return img.isNull() ? QSize() : img.size();
}

QList<int> range(int from, int to)
{
    QList<int> l;
    for (int i = from; i <= to; ++i)
        l << i;
    return l;
}

// The sample bank's step records, read plainly: (pane field, T2, T3 and the
// panel position) of every step.
struct Step {
    QString pane, t2, t3;
    int left = 0, top = 0;
};
QList<Step> bankSteps()
{
    QList<Step> steps;
    for (int u = 0; u < 20; ++u) {
        QFile f(ts::sampleProgramDir() + QStringLiteral("/wydata/2888%1.mxy").arg(20 + u));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &raw : f.readAll().split('\n')) {
            const QString line = QString::fromLatin1(raw.trimmed());
            if (line.size() < 105)
                continue;
            steps.push_back({line.mid(3, 2), line.mid(85, 10), line.mid(95, 10), line.mid(95, 5).toInt(),
                             line.mid(101, 4).toInt()});
        }
    }
    return steps;
}

int px(double twips) { return int(std::lround(twips / 15)); }

} // namespace

class TstChromePictures : public QObject
{
    Q_OBJECT

private slots:
    void everyNameIsAPicture();
    void cellPicturesHaveTheCellsSize();
    void dropDownsEncloseTheirItems_data();
    void dropDownsEncloseTheirItems();
    void panelsFitTheWindow();
    void dropDownsFitTheWindow();
};

void TstChromePictures::everyNameIsAPicture()
{
    QStringList names;
    int hovers = 0, pressed = 0, drops = 0, items = 0, subs = 0, subItems = 0;
    for (int c : range(1, 88)) {
        if (c == 33 || c == 34)
            continue;
        names << chrome::hoverPicture(c);
        ++hovers;
        if (c <= 31 || c >= 41 || c == 32 || c == 36 || c == 37) {
            names << chrome::pressedPicture(c);
            ++pressed;
        }
    }
    QCOMPARE(hovers, 86);
    QCOMPARE(pressed, 82);
    const QList<int> dropCells = range(1, 11) + QList<int>{13} + range(24, 34) +
                                 QList<int>{36, 37, 42, 44, 49, 52, 69, 70, 71, 72, 86, 87};
    for (int c : dropCells) {
        names << chrome::dropDownPicture(c);
        ++drops;
        const chrome::ItemLayout l = chrome::dropDownItems(c, 1, 1);
        for (int i = 1; i <= l.count; ++i) {
            if (l[i].width() <= 0)
                continue;
            if (chrome::isPaletteGrid(c) && i <= 40)
                continue;
            names << chrome::itemHoverPicture(c, i);
            ++items;
        }
    }
    QCOMPARE(drops, 35);
    QCOMPARE(items, 364);
    for (int c : QList<int>{32, 35, 36, 37, 38, 39, 40})
        names << chrome::panelPicture(c);
    for (int i = 1; i <= 40; ++i)
        names << chrome::paletteHoverPicture(i);
    for (int key : chrome::subMenuList()) {
        names << chrome::subMenuPicture(key / 100, key % 100);
        ++subs;
        const chrome::ItemLayout l = chrome::subMenuItems(key, 1, 1);
        for (int s = 1; s <= l.count; ++s) {
            names << chrome::subItemHoverPicture(key / 100, key % 100, s);
            ++subItems;
        }
    }
    QCOMPARE(subs, 30);
    QCOMPARE(subItems, 291);
    // Pane sets 1 to 3 and every set and marker the records name.
    QSet<QChar> paneSets{u'1', u'2', u'3'};
    QSet<QString> stems;
    for (const Step &s : bankSteps()) {
        if (s.pane.startsWith(u'X'))
            paneSets.insert(s.pane[1]);
        if (s.t3.startsWith(u'D'))
            stems.insert(s.t3.mid(6, 4));
    }
    QVERIFY(stems.contains(QStringLiteral("7031")));
    for (QChar d : paneSets)
        for (const char *suffix : {"00", "88", "99"})
            names << chrome::paneSetPicture(d, suffix);
    for (const QString &stem : stems)
        names << chrome::markerPicture(stem) << chrome::markerHoverPicture(stem);
    for (const QString &n : names)
        QVERIFY2(pictureSize(n).isValid(), qPrintable(n));
}

void TstChromePictures::cellPicturesHaveTheCellsSize()
{
    for (int c : range(1, 88)) {
        if (c >= 32 && c <= 40)
            continue;
        const QRectF d = chrome::designCell(c);
        QSize want(px(d.width()), px(d.height()));
        if (c == 42 || c == 44 || c == 49 || c == 52)
            want.setWidth(35); // the arrow and its button, 23 pixels to the left
        QVERIFY2(pictureSize(chrome::hoverPicture(c)) == want, qPrintable(QString::number(c)));
        QVERIFY2(pictureSize(chrome::pressedPicture(c)) == want, qPrintable(QString::number(c)));
    }
    // A panel cell's pictures have the panel's size; pane sets share one.
    for (int c : QList<int>{32, 35, 36, 37, 38, 39, 40})
        QCOMPARE(pictureSize(chrome::hoverPicture(c)), pictureSize(chrome::panelPicture(c)));
    QCOMPARE(pictureSize(chrome::paneSetPicture(u'2', "88")), pictureSize(chrome::paneSetPicture(u'2', "00")));
    QCOMPARE(pictureSize(chrome::paletteHoverPicture(9)), QSize(18, 18));
    QCOMPARE(pictureSize(chrome::itemHoverPicture(1, 1)), QSize(260, 22));
    QCOMPARE(pictureSize(chrome::markerPicture(QStringLiteral("7031"))), QSize(260, 22));
}

void TstChromePictures::dropDownsEncloseTheirItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("menu 1") << "010077" << QSize(264, 502);
    QTest::newRow("cell 24") << "240077" << QSize(150, 184);
    QTest::newRow("cell 13") << "130077" << QSize(171, 198);
    QTest::newRow("cell 32") << "320077" << QSize(159, 260);
    QTest::newRow("0113") << "011377" << QSize(264, 97);
    QTest::newRow("0611") << "061177" << QSize(264, 95);
    QTest::newRow("0613") << "061377" << QSize(264, 95);
    QTest::newRow("1301") << "130177" << QSize(73, 80);
    QTest::newRow("1303") << "130377" << QSize(96, 190);
}

void TstChromePictures::dropDownsEncloseTheirItems()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QCOMPARE(pictureSize(name), size);
    // And every drop-down and sub-menu holds its item cells at scale 1.
    auto encloses = [](const QString &n, const chrome::ItemLayout &l) {
        const QSize s = pictureSize(n);
        for (int i = 1; i <= l.count; ++i)
            if (l[i].width() > 0 && (l[i].right() > s.width() * 15 || l[i].bottom() > s.height() * 15))
                return false;
        return true;
    };
    for (int c : chrome::dropDownCells())
        QVERIFY2(encloses(chrome::dropDownPicture(c), chrome::dropDownItems(c, 1, 1)), qPrintable(QString::number(c)));
    for (int key : chrome::subMenuList())
        QVERIFY2(encloses(chrome::subMenuPicture(key / 100, key % 100), chrome::subMenuItems(key, 1, 1)),
                 qPrintable(QString::number(key)));
}

// Panels at their fixed places (32, 37) and where the bank's records put them.
void TstChromePictures::panelsFitTheWindow()
{
    const QRect window(0, 0, 800, 600);
    QVERIFY(window.contains(QRect(QPoint(px(9075), px(1605)), pictureSize(QStringLiteral("320000")))));
    QVERIFY(window.contains(QRect(QPoint(px(6240), px(420)), pictureSize(QStringLiteral("370000")))));
    QVERIFY(pictureSize(QStringLiteral("320000")).width() <= 195);
    int used = 0;
    for (const Step &s : bankSteps()) {
        if (!s.t2.startsWith(u'H'))
            continue;
        const int cell = s.t2.mid(1, 2).toInt();
        if (cell < 35 || cell > 40 || cell == 37)
            continue;
        ++used;
        const QSize size = pictureSize(chrome::panelPicture(cell));
        QVERIFY(size.width() <= 540 && size.height() <= 400);
        QVERIFY2(window.contains(QRect(QPoint(px(s.left), px(s.top)), size)), qPrintable(QString::number(cell)));
        if (s.pane.startsWith(u'X'))
            QVERIFY(window.contains(QRect(QPoint(px(s.left), px(s.top)), pictureSize(chrome::paneSetPicture(s.pane[1], "00")))));
        if (cell == 36) // its drop-down under the panel
            QVERIFY(window.contains(QRect(QPoint(px(s.left), px(s.top) + size.height()), pictureSize(QStringLiteral("360077")))));
    }
    QVERIFY(used >= 2);
}

// Every drop-down where a click opens it: under the menu title, upwards over
// a drawing-toolbar cell, under a toolbar cell shifted left, under a panel.
void TstChromePictures::dropDownsFitTheWindow()
{
    const QRect window(0, 0, 800, 600);
    const int menuTop = 26, toolTop = 49, huiTop = 555; // the bars' tops in pixels
    for (int c : range(1, 11)) {
        const QRectF cell = chrome::designCell(c);
        const int left = c == 11 ? px(7785) : px(cell.left());
        const QRect at(QPoint(left, menuTop + px(cell.bottom())), pictureSize(chrome::dropDownPicture(c)));
        QVERIFY2(window.contains(at), qPrintable(QString::number(c)));
    }
    for (int c : QList<int>{13} + range(24, 31)) {
        const QRectF cell = chrome::designCell(c);
        const QSize s = pictureSize(chrome::dropDownPicture(c));
        QVERIFY2(window.contains(QRect(QPoint(px(cell.left()), huiTop + px(cell.top()) - s.height()), s)),
                 qPrintable(QString::number(c)));
    }
    const QHash<int, int> shift{{42, 345}, {44, 345}, {49, 345}, {52, 345}, {69, 735}, {70, 0},
                                {71, 0},   {72, 0},   {86, 585}, {87, 1245}};
    for (auto it = shift.cbegin(); it != shift.cend(); ++it) {
        const QRectF cell = chrome::designCell(it.key());
        const int top = toolTop + px(cell.top()) + pictureSize(chrome::pressedPicture(it.key())).height();
        const QRect at(QPoint(px(cell.left() - it.value()), top), pictureSize(chrome::dropDownPicture(it.key())));
        QVERIFY2(window.contains(at), qPrintable(QString::number(it.key())));
    }
    // Under the fixed panels 32 (240 twips in) and 37.
    const QSize p32 = pictureSize(QStringLiteral("320000")), p37 = pictureSize(QStringLiteral("370000"));
    QCOMPARE(pictureSize(QStringLiteral("320077")), QSize(159, 260));
    QVERIFY(window.contains(QRect(QPoint(621, 107 + p32.height()), pictureSize(QStringLiteral("320077")))));
    QVERIFY(window.contains(QRect(QPoint(416, 28 + p37.height()), pictureSize(QStringLiteral("370077")))));
}

QTEST_GUILESS_MAIN(TstChromePictures)
#include "tst_chromepictures.moc"
