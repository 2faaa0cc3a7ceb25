#include "simwin/scene/tabstrip.h"

#include "foundation/numparse.h"
#include "simwin/scene/steprecord.h"

namespace scene {


namespace {

// The layouts exactly as the dialogs were measured, letters A to P.
constexpr std::array<QStringView, 16> Layouts = {
    u"A3051033030022701203002280900300229177000000024750000000000000000000000000000000000000000000000000000000000000000000000000000000000000000007650579011100300",
    u"B3051033030006101203000621230300063210000000029700000000000000000000000000000000000000000000000000000000000000000000000000000000000000000004710483011100300",
    u"C6054030030013301203001340870300135159030013622953001383060300139375000000044550000000000000000000000000000000000000000000000000000000000004290519011100300",
    u"D3054030030016101203001621440300163285000000035700000000000000000000000000000000000000000000000000000000000000000000000000000000000000000004980597011100300",
    u"E3054030030016801203001691035300170207000000027450000000000000000000000000000000000000000000000000000000000000000000000000000000000000000006300660011100300",
    u"FA049530030019001203001911215300192270030019339303001945190300195645030019901203001981855300197357030019656400000007530000000000000000000006450711011100300",
    u"G5054030030021801203002190855300220198030022128503002223570000000435000000000000000000000000000000000000000000000000000000000000000000000005250438011100300",
    u"H6054030030028101203002820855300283162030028423103002853030300286375000000044400000000000000000000000000000000000000000000000000000000000006000552011100300",
    u"I3045030030030001203003010900300302175500000029700000000000000000000000000000000000000000000000000000000000000000000000000000000000000000005940450016200300",
    u"J2054030030031001203003110900000000156000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000006000585011100300",
    u"K2054030030014201203001430900000000175500000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000004110618011100300",
    u"L3054030030044401203004450900300446159000000022800000000000000000000000000000000000000000000000000000000000000000000000000000000000000000005550534011100300",
    u"M5054030040030101204003020855400303162040030423104003003030000000375000000000000000000000000000000000000000000000000000000000000000000000006000552011100300",
    u"N4054030040045601204004571080400458231040045932100000004080000000000000000000000000000000000000000000000000000000000000000000000000000000004350519011100300",
    u"O3054030040049701204004980900400499159000000034500000000000000000000000000000000000000000000000000000000000000000000000000000000000000000007650579011100300",
    u"P3054030040079101204007920900400793159000000022800000000000000000000000000000000000000000000000000000000000000000000000000000000000000000002820522011100300",
};

// The width given to the last tab of a row, whose next slot starts the
// following row again at the left.
constexpr int RowEndWidth = 990;
// Cell 6 of a two-row strip reaches over the gap at the end of the first row.
constexpr int TwoRowCell6Width = 1050;
// The Cancel spot of a step that names its own (record chars 167-176).
constexpr int BackSpotWidth = 1095;
constexpr int BackSpotHeight = 285;

QRectF parked(double xScale, double yScale) { return {-1 * xScale, -1 * yScale, 1, 1}; }

} // namespace

std::optional<QString> tabLayout(QChar letter)
{
    if (letter < u'A' || letter > u'P')
        return std::nullopt;
    return Layouts[letter.unicode() - u'A'].toString();
}

int tabCount(QStringView layout) { return tabNumber(charAt(layout, 2)); }
int tabRowTop(QStringView layout) { return number(layout, 3, 4); }
int tabHeight(QStringView layout) { return number(layout, 7, 3); }

QString tabPage(QStringView layout, int i)
{
    return i >= 1 ? chars(layout, 10 * i, 6).toString() : QString();
}

int tabLeftEdge(QStringView layout, int i) { return i >= 1 ? number(layout, 10 * i + 6, 4) : 0; }
int tabEndEdge(QStringView layout) { return tabLeftEdge(layout, tabCount(layout) + 1); }

QRect tabCancelSpot(QStringView layout)
{
    return {number(layout, 140, 4), number(layout, 144, 4), number(layout, 148, 4),
            number(layout, 152, 4)};
}

QList<double> tabCellTops(const QString &layout, int count, int row, int areaTop, double yScale)
{
    const int r = tabRowTop(layout);
    const double back = r * yScale + areaTop;
    const double front = (r + 300) * yScale + areaTop;
    QList<double> tops;
    for (int i = 1; i <= count; ++i) {
        const bool firstRow = i <= 6;
        tops << ((firstRow == (row != 2)) ? front : back);
    }
    return tops;
}

QString wrongTabHint(int target)
{
    return QStringLiteral("请选择第") + QString::number(target) + QStringLiteral("个选项卡");
}

TabStage tabStripStage(QStringView line, const TabStageInput &in)
{
    const double xs = in.xScale;
    const double ys = in.yScale;
    TabStage out;
    out.form = in.form;
    out.label1 = in.label1;
    out.shape1 = in.label1;
    out.cells.fill(parked(xs, ys));

    const TabSpec tab = tabSpec(line);
    out.strip = tab.present;
    if (tab.present) {
        TabForm &f = out.form;
        const int shown = tab.shownTab;
        f.TabTarget = tab.targetTab;
        f.TabImage = tab.pictureArea;
        out.hint = wrongTabHint(f.TabTarget);
        if (const auto layout = tabLayout(tab.layout))
            f.TabLayout = *layout;
        const QString &layout = f.TabLayout;

        if (f.TabImage >= 1 && f.TabImage <= 5) {
            const QPointF at = in.areaPos[f.TabImage];
            f.TabAreaLeft = int(fnd::roundHalfEven(at.x()));
            f.TabAreaTop = int(fnd::roundHalfEven(at.y()));
            // With the target tab shown the area keeps the record's own picture.
            if (f.TabTarget != shown)
                out.pagePicture = tabPage(layout, shown);
        }

        f.TabCount = tabCount(layout);
        const double top = tabRowTop(layout) * ys + f.TabAreaTop;
        const double height = tabHeight(layout) * ys;
        for (int i = 1; i <= f.TabCount; ++i) {
            const int left = tabLeftEdge(layout, i);
            int width = tabLeftEdge(layout, i + 1) - left;
            if (width < 0)
                width = RowEndWidth;
            out.cells[i] = QRectF(left * xs + f.TabAreaLeft, top, width * xs, height);
        }
        if (isTwoRow(f.TabCount)) {
            out.cells[6].setWidth(TwoRowCell6Width * xs);
            f.TabRow = shown > 6 ? 2 : 1;
            const QList<double> tops = tabCellTops(layout, f.TabCount, f.TabRow, f.TabAreaTop, ys);
            for (int i = 1; i <= f.TabCount; ++i)
                out.cells[i].moveTop(tops[i - 1]);
        }

        const QRect cancel = tabCancelSpot(layout);
        out.cells[0] = QRectF(cancel.x() * xs + f.TabAreaLeft, cancel.y() * ys + f.TabAreaTop, cancel.width() * xs,
                              cancel.height() * ys);

        if (f.TabTarget == shown) {
            out.label1.setSize({in.label1BoxWidth * xs, in.label1BoxHeight * ys});
            out.hint = in.hintText;
            out.shape1 = out.label1;
        } else {
            // The step's real target stays out of reach until the right tab is chosen.
            out.label1.setSize({1, 1});
            out.shape1 = out.cells[f.TabTarget];
        }
    }

    out.form.BackSpec = backSpec(line);
    if (hasBackSpec(line))
        out.cells[0] = QRectF(dragLimitX(line) * xs, dragLimitY(line) * ys, BackSpotWidth * xs,
                              BackSpotHeight * ys);
    return out;
}

QString tabPagePicture(QStringView line)
{
    const TabSpec tab = tabSpec(line);
    if (!tab.present || tab.pictureArea < 1 || tab.pictureArea > 5 || tab.targetTab == tab.shownTab)
        return {};
    const auto layout = tabLayout(tab.layout);
    return layout ? tabPage(*layout, tab.shownTab) : QString();
}

} // namespace scene
