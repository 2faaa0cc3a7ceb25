// The generated bank's chrome pictures: every name the bars derive exists and
// reads as a picture by content, the drop-downs enclose their items, every
// panel and drop-down fits the 800 x 600 window where it opens, every item
// shows a command name of its own, and every scene draws the bars as the
// window does.
#include "menuitems.h"
#include "testsupport.h"

#include "foundation/gbkfile.h"
#include "foundation/numparse.h"
#include "simwin/chrome/clickplaces.h"
#include "simwin/chrome/hotspotlayout.h"
#include "simwin/chrome/menutables.h"
#include "simwin/scene/steprecord.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <functional>

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
    QString pane, bars, code, t1, t2, t3;
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
            steps.push_back({line.mid(3, 2), line.mid(5, 2), line.mid(7, 4), line.mid(124, 10), line.mid(85, 10),
                             line.mid(95, 10), line.mid(95, 5).toInt(), line.mid(101, 4).toInt()});
        }
    }
    return steps;
}

int px(double twips) { return int(std::lround(twips / 15)); }

// The sample bank's questions: where each is, and its step records.
struct Question {
    QString where;
    QStringList steps;
};
QList<Question> bankQuestions()
{
    QList<Question> out;
    const QString data = ts::sampleProgramDir() + QStringLiteral("/wydata/");
    for (int u = 0; u < 20; ++u) {
        const auto tm = fnd::readLines(data + QStringLiteral("2888%1.mxy").arg(70 + u));
        const auto st = fnd::readLines(data + QStringLiteral("2888%1.mxy").arg(20 + u));
        if (!tm || !st)
            break;
        qsizetype line = 0;
        for (qsizetype q = 0; q < tm->size(); ++q) {
            const int k = fnd::leadingInt(QStringView(tm->at(q)).mid(4, 2));
            out.push_back({QStringLiteral("unit %1 question %2").arg(u + 1).arg(q + 1), st->mid(line, k)});
            line += k;
        }
    }
    return out;
}

// A picture of the data folder, read by content.
QImage dataPicture(const QString &name)
{
    QImageReader r(ts::sampleProgramDir() + QStringLiteral("/wydata/") + name + QStringLiteral(".mxy"));
    r.setDecideFormatFromContent(true);
    return r.read().convertToFormat(QImage::Format_RGB32);
}

// A menu target field read plainly: kind, cell, item, sub-item, jump.
struct Target {
    QChar kind;
    int cell = 0, item = 0, sub = 0;
    QChar jump;
};
QList<Target> targetsOf(const Step &s)
{
    QList<Target> out;
    const bool panelStep = s.t2.startsWith(u'H') && s.t2.mid(1, 2).toInt() >= 32 && s.t2.mid(1, 2).toInt() <= 40;
    for (const QString &f : {s.t1, s.t2, panelStep ? QString() : s.t3})
        if (f.size() == 10 && (f[0] == u'H' || f[0] == u'D'))
            out.push_back({f[0], f.mid(1, 2).toInt(), f.mid(3, 2).toInt(), f[0] == u'H' ? f.mid(5, 2).toInt() : 0, f[9]});
    return out;
}

} // namespace

namespace {
using StepTest = std::function<bool(const Step &, const Target &)>;
bool anyTarget(const QList<Step> &steps, const StepTest &test)
{
    for (const Step &s : steps)
        for (const Target &t : targetsOf(s))
            if (test(s, t))
                return true;
    return false;
}
bool h(const Target &t) { return t.kind == u'H'; }

// The bar cells the folder has cell pictures of: its files "NN" & suffix.
QList<int> cellsWithPictures(const char *suffix)
{
    const QRegularExpression name(QStringLiteral("^(\\d\\d)%1\\.mxy$").arg(QLatin1String(suffix)));
    QList<int> cells;
    for (const QString &file : QDir(ts::sampleProgramDir() + QStringLiteral("/examdata")).entryList(QDir::Files)) {
        const QRegularExpressionMatch m = name.match(file);
        if (m.hasMatch() && m.captured(1).toInt() >= 1 && m.captured(1).toInt() <= 88)
            cells << m.captured(1).toInt();
    }
    std::sort(cells.begin(), cells.end());
    return cells;
}
} // namespace

class TstChromePictures : public QObject
{
    Q_OBJECT

private slots:
    void everyChromePathHasAStep();
    void cellPictureSets();
    void everyNameIsAPicture();
    void cellPicturesHaveTheCellsSize();
    void dropDownsEncloseTheirItems_data();
    void dropDownsEncloseTheirItems();
    void panelsFitTheWindow();
    void dropDownsFitTheWindow();
    void everyItemShowsACommandName();
    void menuTargetsShowTheNamesTheirHintsQuote();
    void scenesDrawTheBarsAndKeepTheirTitle();
};

// The sample bank walks every path of the bars at least once.
void TstChromePictures::everyChromePathHasAStep()
{
    const QList<Step> steps = bankSteps();
    auto in = [](int v, std::initializer_list<int> set) { return std::find(set.begin(), set.end(), v) != set.end(); };
    QList<std::pair<QString, StepTest>> rows;
    auto row = [&rows](const QString &name, StepTest test) { rows.push_back({name, std::move(test)}); };
    row("a menu title", [](auto &, auto &t) { return h(t) && t.cell >= 1 && t.cell <= 11 && !t.item; });
    for (int m = 1; m <= 11; ++m)
        row(QStringLiteral("an item of menu %1").arg(m), [m](auto &, auto &t) { return h(t) && t.cell == m && t.item; });
    row("a 21st item", [](auto &, auto &t) { return h(t) && t.cell <= 2 && t.item == 21; });
    row("a sub-menu list with separators", [&](auto &, auto &t) {
        return h(t) && t.sub && in(t.cell * 100 + t.item, {113, 308, 315, 316, 411, 412, 413, 514, 614});
    });
    row("sub-menu 0412, lifted", [](auto &, auto &t) { return h(t) && t.cell == 4 && t.item == 12 && t.sub; });
    row("a sub-menu of menu 6 or 7, flipped", [](auto &, auto &t) { return h(t) && (t.cell == 6 || t.cell == 7) && t.sub; });
    row("grid 1301 or 1302", [](auto &, auto &t) { return h(t) && t.cell == 13 && (t.item == 1 || t.item == 2) && t.sub; });
    row("grid 1303 to 1307", [](auto &, auto &t) { return h(t) && t.cell == 13 && t.item >= 3 && t.item <= 7 && t.sub; });
    row("a plain drawing button", [](auto &, auto &t) { return h(t) && (t.cell == 12 || (t.cell >= 14 && t.cell <= 23)) && !t.item; });
    row("13's list", [](auto &, auto &t) { return h(t) && t.cell == 13 && t.item == 8; });
    row("a palette cell of 24-26", [](auto &, auto &t) { return h(t) && t.cell >= 24 && t.cell <= 26 && t.item >= 1 && t.item <= 40; });
    row("a wide entry of 24-26", [](auto &, auto &t) { return h(t) && t.cell >= 24 && t.cell <= 26 && t.item > 40; });
    row("27, 28 or 29", [](auto &, auto &t) { return h(t) && t.cell >= 27 && t.cell <= 29 && t.item; });
    row("30 or 31", [](auto &, auto &t) { return h(t) && (t.cell == 30 || t.cell == 31) && t.item; });
    row("a plain standard button", [&](auto &, auto &t) {
        return h(t) && t.cell >= 41 && t.cell <= 68 && !in(t.cell, {42, 44, 49, 52}) && !t.item;
    });
    row("a plain formatting button", [](auto &, auto &t) { return h(t) && t.cell >= 73 && t.cell <= 85 && !t.item; });
    for (int c : {42, 44, 49, 52, 69, 70, 71, 72})
        row(QStringLiteral("an item of %1").arg(c), [c](auto &, auto &t) { return h(t) && t.cell == c && t.item; });
    row("86's second row", [](auto &, auto &t) { return h(t) && t.cell == 86 && t.item >= 7; });
    row("87's grid", [](auto &, auto &t) { return h(t) && t.cell == 87 && t.item >= 1 && t.item <= 16; });
    row("87's wide entry", [](auto &, auto &t) { return h(t) && t.cell == 87 && t.item > 16; });
    row("panel 32 with an item", [](auto &, auto &t) { return h(t) && t.cell == 32 && t.item; });
    row("panel 35", [](auto &, auto &t) { return h(t) && t.cell == 35 && !t.item; });
    row("panel 38-40", [](auto &, auto &t) { return h(t) && t.cell >= 38 && t.cell <= 40 && !t.item; });
    row("panel 36 with an item and a pane set",
        [](auto &s, auto &t) { return h(t) && t.cell == 36 && t.item && s.pane.startsWith(u'X'); });
    row("panel 37 with an item", [](auto &, auto &t) { return h(t) && t.cell == 37 && t.item; });
    row("preset 33, a palette cell", [](auto &, auto &t) { return h(t) && t.cell == 33 && t.item >= 1 && t.item <= 40; });
    row("preset 33, a wide entry", [](auto &, auto &t) { return h(t) && t.cell == 33 && t.item > 40; });
    row("preset 34", [](auto &, auto &t) { return h(t) && t.cell == 34 && t.item; });
    row("a D item in T3", [](auto &, auto &t) { return t.kind == u'D'; });
    row("a cell target jumping by a digit",
        [](auto &, auto &t) { return h(t) && !t.item && t.jump >= u'1' && t.jump <= u'9'; });
    row("a target jumping by a letter", [](auto &, auto &t) { return h(t) && t.jump >= u'A' && t.jump <= u'Z'; });
    for (const auto &[name, test] : rows)
        QVERIFY2(anyTarget(steps, test), qPrintable(name));
    // A right click on a bar cell: a code 3301-3399 with a toolbar shown.
    const bool rightClick = std::any_of(steps.begin(), steps.end(), [](const Step &s) {
        const int code = s.code.toInt();
        return code > 3300 && code < 3400 && (s.bars.mid(1, 1).toInt() & 2);
    });
    QVERIFY(rightClick);
}

// Every cell that takes the mouse has a hover picture: all but 33 and 34,
// which have no area (86). Every cell of the bars and the panels 32, 36
// and 37 show a pressed picture (82). The menu titles, 13, 24-31, the
// arrows 42, 44, 49, 52, the boxes 69-72, 86, 87 and the panels 32, 36, 37
// open a drop-down, and 33 and 34 preset theirs (35). The folder holds
// exactly these, and the click table agrees.
void TstChromePictures::cellPictureSets()
{
    const QList<int> hover = range(1, 32) + range(35, 88);
    const QList<int> pressed = range(1, 32) + QList<int>{36, 37} + range(41, 88);
    const QList<int> drop = range(1, 11) + QList<int>{13} + range(24, 34) +
                            QList<int>{36, 37, 42, 44, 49, 52, 69, 70, 71, 72, 86, 87};
    QCOMPARE(cellsWithPictures("0088"), hover);
    QCOMPARE(cellsWithPictures("0099"), pressed);
    QCOMPARE(cellsWithPictures("0077"), drop);
    QList<int> tableDrops = chrome::dropDownCells();
    std::sort(tableDrops.begin(), tableDrops.end());
    QCOMPARE(tableDrops, drop);
    for (int c = 0; c <= 88; ++c) {
        const chrome::CellClick click =
            chrome::cellClick(c, QRectF(0, 0, 345, 330), QRectF(0, 0, 2700, 3000), u"EE", false, 1);
        QVERIFY2(click.pressed.isEmpty() != pressed.contains(c), qPrintable(QString::number(c)));
        QVERIFY2(click.opens == (drop.contains(c) && c != 33 && c != 34), qPrintable(QString::number(c)));
    }
}

void TstChromePictures::everyNameIsAPicture()
{
    QStringList names;
    int items = 0, subs = 0, subItems = 0;
    for (int c : cellsWithPictures("0088"))
        names << chrome::hoverPicture(c);
    for (int c : cellsWithPictures("0099"))
        names << chrome::pressedPicture(c);
    for (int c : chrome::dropDownCells()) {
        names << chrome::dropDownPicture(c);
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
    QCOMPARE(subs, 31);
    QCOMPARE(subItems, 333);
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

// Every item that shows a caption shows a name, not a numbered stand-in, and
// no two items of one list share it.
void TstChromePictures::everyItemShowsACommandName()
{
    const QRegularExpression standIn(QStringLiteral("^(命令|子项)\\d+$"));
    // The first item of a list without a name of its own, or nothing.
    auto unnamed = [&](const QString &where, int cell, int item, int rows, const std::function<bool(int)> &laidOut) {
        QSet<QString> seen;
        for (int i = 1; i <= rows; ++i) {
            const int it = item ? item : i, sub = item ? i : 0;
            if (!laidOut(i) || bankgen::itemFace(cell, it, sub) != bankgen::ItemFace::Caption)
                continue;
            const QString name = bankgen::itemCaption(cell, it, sub);
            if (name.trimmed().isEmpty() || standIn.match(name).hasMatch() || seen.contains(name))
                return QStringLiteral("%1 item %2: \"%3\"").arg(where).arg(i).arg(name);
            seen.insert(name);
        }
        return QString();
    };
    for (int c : chrome::dropDownCells()) {
        const chrome::ItemLayout l = chrome::dropDownItems(c, 1, 1);
        const QString fault = unnamed(QStringLiteral("drop-down %1").arg(c), c, 0, l.count, [&l](int i) { return l[i].width() > 0; });
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
    for (int key : chrome::subMenuList()) {
        const chrome::ItemLayout l = chrome::subMenuItems(key, 1, 1);
        // The two sub-menus without a layout are drawn with four rows.
        const QString fault = unnamed(QStringLiteral("sub-menu %1").arg(key), key / 100, key % 100, l.count ? l.count : 4,
                                      [&l](int i) { return !l.count || l[i].width() > 0; });
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
}

// The items a step's menu targets name show the words its hint quotes.
void TstChromePictures::menuTargetsShowTheNamesTheirHintsQuote()
{
    const auto answers = fnd::readLines(ts::sampleProgramDir() + QStringLiteral("/wydata/288890.mxy"));
    QVERIFY(answers);
    int named = 0;
    for (const Question &q : bankQuestions()) {
        for (const QString &line : q.steps) {
            const int n = fnd::leadingInt(scene::hintField(line));
            const QString hint = n >= 1 && n <= answers->size() ? answers->at(n - 1).mid(3) : QString();
            Step s;
            s.t1 = line.mid(124, 10), s.t2 = line.mid(85, 10), s.t3 = line.mid(95, 10);
            for (const Target &t : targetsOf(s)) {
                if (!t.item)
                    continue;
                QList<std::pair<int, int>> shown{{t.item, 0}};
                if (t.sub)
                    shown.push_back({t.item, t.sub});
                for (const auto &[item, sub] : shown) {
                    if (bankgen::itemFace(t.cell, item, sub) != bankgen::ItemFace::Caption)
                        continue;
                    const QString quoted = u'“' + bankgen::itemCaption(t.cell, item, sub) + u'”';
                    QVERIFY2(hint.contains(quoted), qPrintable(q.where + QStringLiteral(": ") + hint + QStringLiteral(" lacks ") + quoted));
                    ++named;
                }
            }
        }
    }
    QVERIFY(named >= 30);
}

// Every scene's screenshot draws the menu bar and the docked toolbars as the
// window's own bars, so a step that lays the window's bars over it and one
// that does not look alike. Within a question the drawing toolbar, once
// shown, stays shown, and the title bar stays the first scene's until the
// final scene shows the operation's result.
void TstChromePictures::scenesDrawTheBarsAndKeepTheirTitle()
{
    const QImage menuBar = chrome::menuBarPicture().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage toolBars = chrome::toolBarPicture().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint menuAt(0, px(chrome::MenuBarTop)), toolAt(0, px(chrome::ToolBarTop));
    const QRect titleBar(0, 0, 800, 25);
    QHash<QString, QImage> shots;
    auto shot = [&shots](const QString &name) {
        if (!shots.contains(name))
            shots.insert(name, dataPicture(name));
        return shots.value(name);
    };
    const QList<Question> questions = bankQuestions();
    QVERIFY(questions.size() >= 40);
    for (const Question &q : questions) {
        QString shown;
        QImage firstTitle;
        bool drawingBar = false;
        for (qsizetype s = 0; s < q.steps.size(); ++s) {
            const QString &line = q.steps[s];
            const QString where = q.where + QStringLiteral(" step %1").arg(s + 1);
            if (scene::background(line) != scene::KeepPicture)
                shown = scene::background(line).toString();
            const QImage img = shot(shown);
            QVERIFY2(img.size() == QSize(800, 600), qPrintable(where + u' ' + shown));
            QVERIFY2(img.copy(QRect(menuAt, menuBar.size())) == menuBar, qPrintable(where + QStringLiteral(": menu bar")));
            QVERIFY2(img.copy(QRect(toolAt, toolBars.size())) == toolBars, qPrintable(where + QStringLiteral(": toolbars")));
            const QString bars = line.mid(5, 2);
            const bool drawing = bars.size() == 2 && bars[0] >= u'A' && bars[0] <= u'C' && bars[1].digitValue() > 0
                                 && (bars[1].digitValue() & 4);
            QVERIFY2(drawing || !drawingBar, qPrintable(where + QStringLiteral(": the drawing toolbar goes")));
            drawingBar = drawing;
            if (s == 0)
                firstTitle = img.copy(titleBar);
            else if (s + 1 < q.steps.size())
                QVERIFY2(img.copy(titleBar) == firstTitle, qPrintable(where + QStringLiteral(": another title bar")));
        }
    }
}

QTEST_MAIN(TstChromePictures)
#include "tst_chromepictures.moc"
