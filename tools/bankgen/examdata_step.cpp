// The chrome pictures of the "examdata" folder: hover and pressed pictures of
// the bar cells, the drop-downs and sub-menus with their item hovers, the
// extra panels and their pane sets, the colour palette's hovers and the
// marker pictures the records name. Every drop-down is drawn from the same
// item tables the window lays its item cells out from, so each row lies
// exactly under its cell.
#include "bankgen.h"
#include "menuitems.h"

#include "bank/bankfiles.h"
#include "foundation/gbkfile.h"
#include "simwin/chrome/hotspotlayout.h"
#include "simwin/chrome/menutables.h"
#include "simwin/scene/steprecord.h"

#include <QDir>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <cmath>

using chrome::ItemLayout;

namespace {

const QColor Face(0xf6, 0xf6, 0xf6);
const QColor Gutter(0xdc, 0xe6, 0xf4);
const QColor Frame(0x00, 0x2d, 0x96);
const QColor HoverFill(0xff, 0xee, 0xc2);
const QColor HoverLine(0x00, 0x00, 0x80);
const QColor PressFill(0xfe, 0x80, 0x3e);

QFont font(double px, bool bold = false)
{
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(int(px));
    f.setBold(bold);
    return f;
}

QImage canvas(QSize s, const QColor &fill)
{
    QImage img(s, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

// A twips rectangle at scale 1 in pixels.
QRect px(const QRectF &tw)
{
    return QRect(int(std::lround(tw.x() / 15)), int(std::lround(tw.y() / 15)), int(std::lround(tw.width() / 15)),
                 int(std::lround(tw.height() / 15)));
}

// ---- What the items show ----------------------------------------------------------------

// The 40 colours of the palettes, row by row: row 2 begins with red and has
// blue fourth, as the questions say.
QColor paletteColour(int item)
{
    static const QRgb colours[40] = {
        0x000000, 0x993300, 0x333300, 0x003300, 0x003366, 0x000080, 0x333399, 0x333333,
        0xff0000, 0xff6600, 0x808000, 0x0000ff, 0x008080, 0x008000, 0x666699, 0x808080,
        0xff9900, 0x99cc00, 0x339966, 0x33cccc, 0x3366ff, 0x800080, 0x969696, 0x800000,
        0xff00ff, 0xffcc00, 0xffff00, 0x00ff00, 0x00ffff, 0x00ccff, 0x993366, 0xc0c0c0,
        0xff99cc, 0xffcc99, 0xffff99, 0xccffcc, 0xccffff, 0x99ccff, 0xcc99ff, 0xffffff};
    return QColor::fromRgb(colours[std::clamp(item, 1, 40) - 1]);
}

enum class Look { Plain, Hover, Pressed };

// One item's face: a swatch, a line sample, a small picture or a caption row.
void drawItem(QPainter &p, int cell, int item, const QRect &r, Look look, bool opensSub, int sub = 0)
{
    if (look != Look::Plain) {
        p.fillRect(r, look == Look::Hover ? HoverFill : PressFill);
        p.setPen(HoverLine);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    const int n = sub ? sub : item; // the row this picture draws
    p.setPen(Qt::black);
    const int cy = r.center().y();
    switch (bankgen::itemFace(cell, item, sub)) {
    case bankgen::ItemFace::Swatch: {
        const QRect sw = r.adjusted(3, 3, -4, -4);
        p.fillRect(sw, paletteColour(n));
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawRect(sw);
        return;
    }
    case bankgen::ItemFace::LineWidth:
    case bankgen::ItemFace::DashStyle: {
        const bool dashes = cell == 28;
        QPen pen(Qt::black, dashes ? 2 : std::min(n, 9));
        if (dashes)
            pen.setStyle(Qt::PenStyle(1 + (n - 1) % 5));
        p.setPen(pen);
        p.drawLine(r.left() + 6, cy, r.right() - 6, cy);
        return;
    }
    case bankgen::ItemFace::Arrow:
        p.drawLine(r.left() + 6, cy, r.right() - 10, cy);
        if (n % 2)
            p.drawLine(r.right() - 10, cy, r.right() - 16, cy - 3), p.drawLine(r.right() - 10, cy, r.right() - 16, cy + 3);
        return;
    case bankgen::ItemFace::Shadow: {
        const QRect sq = r.adjusted(6, 6, -8, -8);
        const int d = 1 + (n - 1) % 4;
        p.fillRect(sq.translated(d, d), QColor(0x80, 0x80, 0x80));
        p.fillRect(sq, cell == 31 ? QColor(0x99, 0xcc, 0xff) : Qt::white);
        p.drawRect(sq);
        return;
    }
    case bankgen::ItemFace::Border:
        p.drawRect(r.adjusted(5, 5, -6, -6));
        return;
    case bankgen::ItemFace::Shape: {
        const QRect sh = r.adjusted(5, 4, -6, -5);
        if (n % 3 == 0)
            p.drawEllipse(sh);
        else if (n % 3 == 1)
            p.drawRect(sh);
        else
            p.drawLine(sh.bottomLeft(), sh.topRight());
        return;
    }
    case bankgen::ItemFace::Caption:
        break;
    }
    p.setFont(font(std::min(12, std::max(8, r.height() - 6))));
    const int gutter = r.width() > 60 ? 24 : 4;
    p.drawText(r.adjusted(gutter, 0, -14, 0), Qt::AlignVCenter | Qt::AlignLeft, bankgen::itemCaption(cell, item, sub));
    if (opensSub) {
        p.setFont(font(10));
        p.drawText(r.adjusted(0, 0, -4, 0), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("▸"));
    }
}

// A drop-down or sub-menu: a framed face with its items where the table puts
// them and a separator in every gap of 30 twips or more in a column.
QImage menuPicture(int cell, int item, const ItemLayout &l, bool sub)
{
    QImage img = canvas(chrome::enclosingPictureSize(l), Face);
    QPainter p(&img);
    p.fillRect(QRect(1, 1, 22, img.height() - 2), Gutter);
    p.setPen(Frame);
    p.drawRect(img.rect().adjusted(0, 0, -1, -1));
    for (int i = 1; i <= l.count; ++i) {
        const QRectF &r = l[i];
        if (r.width() <= 0)
            continue;
        if (sub)
            drawItem(p, cell, item, px(r), Look::Plain, false, i);
        else
            drawItem(p, cell, i, px(r), Look::Plain, chrome::hasSubMenu(cell, i));
        if (i < l.count && l[i + 1].left() == r.left() && l[i + 1].top() - r.bottom() >= 30) {
            const int y = int(std::lround((r.bottom() + l[i + 1].top()) / 30));
            p.setPen(QColor(0xa0, 0xa0, 0xa0));
            p.drawLine(px(r).left() + 24, y, px(r).right(), y);
        }
    }
    return img;
}

QImage itemPicture(int cell, int item, const QRectF &r, int sub = 0)
{
    const QRect rp = px(r);
    QImage img = canvas(rp.size(), Face);
    QPainter p(&img);
    drawItem(p, cell, item, QRect(QPoint(0, 0), rp.size()), Look::Hover,
             !sub && chrome::hasSubMenu(cell, item), sub);
    return img;
}

// ---- Bar cells --------------------------------------------------------------------------

// A bar cell's hover or pressed picture: the button as the bar shows it,
// highlighted or sunk. Split arrows cover their button too.
QImage cellPicture(int cell, Look look)
{
    const QRectF d = chrome::designCell(cell);
    QRect r = px(d);
    if (cell == 42 || cell == 44 || cell == 49 || cell == 52)
        r.adjust(-23, 0, 0, 0);
    QPixmap bar;
    switch (chrome::barOf(cell)) {
    case chrome::Bar::Menu: bar = chrome::menuBarPicture(); break;
    case chrome::Bar::Hui: bar = chrome::drawingBarPicture(); break;
    default: bar = chrome::toolBarPicture(); break;
    }
    QImage img = bar.toImage().copy(r).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    QColor fill = look == Look::Hover ? HoverFill : PressFill;
    fill.setAlpha(150);
    p.fillRect(img.rect(), fill);
    p.setPen(HoverLine);
    p.drawRect(img.rect().adjusted(0, 0, -1, -1));
    if (look == Look::Pressed) {
        p.setPen(QColor(0x40, 0x40, 0x40));
        p.drawLine(1, 1, img.width() - 2, 1);
        p.drawLine(1, 1, 1, img.height() - 2);
    }
    return img;
}

// The extra panels at the bank's places: their size in pixels and title.
struct Panel {
    int cell;
    QSize size;
    const char *title;
};
constexpr Panel Panels[] = {{32, {180, 220}, "开始工作"},     {35, {200, 150}, "搜索"},
                            {36, {230, 240}, "插入表单控件"}, {37, {240, 24}, "网页模板"},
                            {38, {230, 280}, "新建网页"},     {39, {200, 150}, "剪贴画"},
                            {40, {200, 150}, "样式和格式"}};
// Pane sets lie over panel 36, where the bank uses them, and share its size.
constexpr QSize PaneSetSize{230, 240};

QImage panelPicture(QSize size, const QString &title, const QStringList &links, Look look)
{
    QImage img = canvas(size, Face);
    QPainter p(&img);
    const QRect strip(0, 0, size.width(), std::min(size.height(), 24));
    p.fillRect(strip, look == Look::Plain ? QColor(0x9d, 0xbd, 0xec) : look == Look::Hover ? HoverFill : PressFill);
    p.setPen(Qt::black);
    p.setFont(font(12, true));
    p.drawText(strip.adjusted(6, 0, -18, 0), Qt::AlignVCenter | Qt::AlignLeft, title);
    p.setFont(font(10));
    p.drawText(strip.adjusted(0, 0, -6, 0), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("▼"));
    p.setFont(font(12));
    p.setPen(QColor(0x00, 0x33, 0x99));
    int y = 36;
    for (const QString &l : links) {
        if (y + 16 > size.height())
            break;
        p.drawText(QRect(16, y, size.width() - 24, 16), Qt::AlignVCenter | Qt::AlignLeft, l);
        y += 22;
    }
    p.setPen(look == Look::Plain ? Frame : HoverLine);
    p.drawRect(img.rect().adjusted(0, 0, -1, -1));
    return img;
}

QStringList panelLinks(int cell)
{
    switch (cell) {
    case 38: return {QStringLiteral("空白网页"), QStringLiteral("框架网页"), QStringLiteral("其他网页模板")};
    case 36: return {QStringLiteral("文本框"), QStringLiteral("复选框"), QStringLiteral("选项按钮")};
    default: return {QStringLiteral("打开"), QStringLiteral("新建"), QStringLiteral("其他")};
    }
}

// ---- What the records name -------------------------------------------------------------------

struct Marked {
    int cell = 0, item = 0;
};
struct RecordNames {
    QHash<QChar, int> paneSets;     // the panel cell each set lies over
    QHash<QString, Marked> markers; // by picture stem
};

RecordNames scanRecords(const bankgen::Context &ctx)
{
    RecordNames n;
    for (int u = 0; u < 20; ++u) {
        const auto lines = fnd::readLines(ctx.dataFile(bank::unitFiles(u).step));
        if (!lines)
            continue;
        for (const QString &line : *lines) {
            const QStringView pane = scene::paneField(line);
            if (pane.size() == 2 && pane[0] == u'X')
                n.paneSets.insert(pane[1], scene::extraPanel(line));
            // "D" items: the simulated window's at 96-105, the
            // demonstration's at 86-95.
            for (int t : {3, 2}) {
                const QStringView d = bank::chars(line, bank::Step.target[t]);
                if (d.size() == 10 && d[0] == u'D')
                    n.markers.insert(d.mid(6, 4).toString(), {d.mid(1, 2).toInt(), d.mid(3, 2).toInt()});
            }
        }
    }
    return n;
}

void writeExamData(bankgen::Context &ctx)
{
    const QString folder = ctx.programDir + QStringLiteral("/examdata/");
    QDir().mkpath(folder);
    auto save = [&](const QString &name, const QImage &img) { ctx.writePicture(folder + name + QStringLiteral(".mxy"), img); };

    // Bar cells: hover for 1-31 and 41-88, pressed for the same.
    for (int cell = 1; cell <= 88; ++cell) {
        if (cell >= 32 && cell <= 40)
            continue;
        save(chrome::hoverPicture(cell), cellPicture(cell, Look::Hover));
        save(chrome::pressedPicture(cell), cellPicture(cell, Look::Pressed));
    }
    // Extra panels: panel, hover, and pressed for those that open a drop-down.
    for (const Panel &pn : Panels) {
        const QString title = QString::fromUtf8(pn.title);
        save(chrome::panelPicture(pn.cell), panelPicture(pn.size, title, panelLinks(pn.cell), Look::Plain));
        save(chrome::hoverPicture(pn.cell), panelPicture(pn.size, title, panelLinks(pn.cell), Look::Hover));
        if (chrome::opensDropDown(pn.cell))
            save(chrome::pressedPicture(pn.cell), panelPicture(pn.size, title, panelLinks(pn.cell), Look::Pressed));
    }
    RecordNames named = scanRecords(ctx);
    for (QChar d : {u'1', u'2', u'3'})
        if (!named.paneSets.contains(d))
            named.paneSets.insert(d, 36);
    for (auto it = named.paneSets.cbegin(); it != named.paneSets.cend(); ++it) {
        const QChar d = it.key();
        // A set has the size of the panel it lies over (36's by default).
        QSize size = PaneSetSize;
        for (const Panel &pn : Panels)
            if (pn.cell == it.value() && pn.cell != 36)
                size = pn.size;
        const QString title = QStringLiteral("窗格 ") + d;
        save(chrome::paneSetPicture(d, "00"), panelPicture(size, title, panelLinks(36), Look::Plain));
        save(chrome::paneSetPicture(d, "88"), panelPicture(size, title, panelLinks(36), Look::Hover));
        save(chrome::paneSetPicture(d, "99"), panelPicture(size, title, panelLinks(36), Look::Pressed));
    }
    // Drop-downs and their item hovers.
    for (int cell : chrome::dropDownCells()) {
        const ItemLayout l = chrome::dropDownItems(cell, 1, 1);
        save(chrome::dropDownPicture(cell), menuPicture(cell, 0, l, false));
        for (int i = 1; i <= l.count; ++i) {
            if (l[i].width() <= 0 || (chrome::isPaletteGrid(cell) && i <= 40))
                continue;
            save(chrome::itemHoverPicture(cell, i), itemPicture(cell, i, l[i]));
        }
    }
    // The palette's cells, shared by the five colour grids.
    const ItemLayout grid = chrome::dropDownItems(24, 1, 1);
    for (int i = 1; i <= 40; ++i)
        save(chrome::paletteHoverPicture(i), itemPicture(24, i, grid[i]));
    // Sub-menus and their sub-item hovers; the two without a layout are
    // drawn with four rows and have no cells.
    for (int key : chrome::subMenuList()) {
        const int cell = key / 100, item = key % 100;
        const ItemLayout l = chrome::subMenuItems(key, 1, 1);
        save(chrome::subMenuPicture(cell, item),
             menuPicture(cell, item, l.count ? l : chrome::listLayout(QStringLiteral("4"), 1, 1, 20), true));
        for (int s = 1; s <= l.count; ++s)
            save(chrome::subItemHoverPicture(cell, item, s), itemPicture(cell, item, l[s], s));
    }
    // Markers of "D" targets: the marked item's own pictures, the item's size.
    for (auto it = named.markers.cbegin(); it != named.markers.cend(); ++it) {
        const Marked m = it.value();
        QRectF cellRect = chrome::dropDownItems(m.cell, 1, 1)[m.item];
        if (cellRect.width() <= 0)
            cellRect = QRectF(0, 0, 3900, 330); // an item no layout places: a menu row
        const QRect r(QPoint(0, 0), px(cellRect).size());
        for (const Look look : {Look::Plain, Look::Hover}) {
            QImage img = canvas(r.size(), Face);
            QPainter p(&img);
            drawItem(p, m.cell, m.item, r, look, false);
            p.fillRect(QRect(3, 3, 16, r.height() - 6), QColor(0xff, 0xcc, 0x00));
            p.setPen(Qt::black);
            p.drawRect(QRect(3, 3, 15, r.height() - 7));
            p.end();
            save(look == Look::Plain ? chrome::markerPicture(it.key()) : chrome::markerHoverPicture(it.key()), img);
        }
    }
}

} // namespace

// After the bank, whose records name the pane sets and the marked items.
BANKGEN_STEP(50, "chrome pictures", writeExamData);
