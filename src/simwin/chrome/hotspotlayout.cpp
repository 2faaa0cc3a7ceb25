#include "simwin/chrome/hotspotlayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>

namespace chrome {

Bar barOf(int i)
{
    if (i >= 1 && i <= 11)
        return Bar::Menu;
    if (i >= 12 && i <= 31)
        return Bar::Hui;
    if (i == 0 || (i >= 32 && i <= 40))
        return Bar::Else;
    if (i >= 41 && i <= 88)
        return Bar::Tool;
    return Bar::None;
}

namespace {
// Steps of the standard row's chain, cells 42 to 69, and of the formatting
// row's chain, cells 74 to 87.
constexpr int StandardSteps[] = {345, 165, 345, 165, 345, 345, 435, 345, 255, 345, 345, 165, 435, 345,
                                 345, 345, 435, 510, 600, 345, 345, 345, 345, 435, 435, 345, 435, 435};
constexpr int FormattingSteps[] = {345, 345, 435, 345, 345, 345, 435, 345, 435, 345, 345, 345, 435, 510};
constexpr int DrawingLefts[] = {1020, 1455, 2685, 3030, 3375, 3720, 4065, 4410, 4755, 5100,
                                5445, 5790, 6225, 6735, 7245, 7755, 8100, 8445, 8790, 9135};
} // namespace

CellLayout cellLayout(double x, double y)
{
    CellLayout c{};
    for (int i = 1; i <= 11; ++i)
        c[size_t(i)] = QRectF((150 + 870.0 * (i - 1)) * x, 15 * y, 870 * x, 270 * y);
    // The toolbar rows: every cell 345 by 330 on its row, the left edges by
    // the chains, which add each scaled step to the left edge the previous
    // cell already holds.
    for (int i = 41; i <= 88; ++i)
        c[size_t(i)] = QRectF(0, (i <= 69 ? 15 : 405) * y, 345 * x, 330 * y);
    c[41].moveLeft(150 * x);
    for (int i = 42; i <= 69; ++i)
        c[size_t(i)].moveLeft(c[size_t(i - 1)].left() + StandardSteps[i - 42] * x);
    c[70].moveLeft(150 * x);
    c[71].moveLeft(1590 * x);
    c[72].moveLeft(4290 * x);
    c[73].moveLeft(5565 * x);
    for (int i = 74; i <= 87; ++i)
        c[size_t(i)].moveLeft(c[size_t(i - 1)].left() + FormattingSteps[i - 74] * x);
    // Cell 88 has no button; it follows cell 87, where it takes the mouse
    // from no other cell.
    c[88].moveLeft(11430 * x);
    for (int i : {42, 44, 49, 52})
        c[size_t(i)].setWidth(180 * x);
    for (int i : {58, 59, 86, 87})
        c[size_t(i)].setWidth(510 * x);
    c[69].setWidth(1320 * x);
    c[70].setWidth(1440 * x);
    c[71].setWidth(2700 * x);
    c[72].setWidth(1185 * x);
    c[69].moveTop(45 * y);
    for (int i : {70, 71, 72})
        c[size_t(i)].moveTop(420 * y);
    for (int i = 12; i <= 31; ++i)
        c[size_t(i)] = QRectF(DrawingLefts[i - 12] * x, 30 * y, 345 * x, 330 * y);
    c[13] = QRectF(c[13].left(), 60 * y, 1230 * x, 270 * y);
    for (int i : {24, 25, 26})
        c[size_t(i)].setWidth(510 * x);
    return c;
}

QPointF barOrigin(Bar bar, double, double y)
{
    switch (bar) {
    case Bar::Menu: return {0, MenuBarTop * y};
    case Bar::Tool: return {0, ToolBarTop * y};
    case Bar::Hui: return {0, DrawingBarTop * y};
    default: return {0, 0};
    }
}

CellLayout cellLayout(double x, double y, CellFrame frame)
{
    CellLayout c = cellLayout(x, y);
    if (frame == CellFrame::Window)
        for (size_t i = 1; i < c.size(); ++i)
            if (!c[i].isNull())
                c[i].translate(barOrigin(barOf(int(i)), x, y));
    return c;
}

QRectF designCell(int i)
{
    static const CellLayout design = cellLayout(1, 1);
    if (i < 1 || i > 88 || (i >= 32 && i <= 40))
        return {};
    return design[size_t(i)];
}

// ---- Base pictures ----------------------------------------------------------

namespace {

// Bar pictures are pixels, the same size at every scale, as the bar boxes are.
QPixmap canvas(int w, int h, QPainter &p)
{
    QPixmap pm(w, h);
    pm.fill(QColor(195, 217, 249));
    p.begin(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    return pm;
}

void barBackground(QPainter &p, const QRectF &r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(227, 239, 255));
    g.setColorAt(0.5, QColor(203, 225, 252));
    g.setColorAt(1, QColor(163, 193, 240));
    p.fillRect(r, g);
    p.setPen(QColor(59, 97, 156));
    p.drawLine(r.bottomLeft() + QPointF(0, -0.5), r.bottomRight() + QPointF(0, -0.5));
}

void grip(QPainter &p, double x, double top, double bottom)
{
    for (double y = top + 2; y + 2 <= bottom - 2; y += 4) {
        p.fillRect(QRectF(x + 1, y + 1, 2, 2), Qt::white);
        p.fillRect(QRectF(x, y, 2, 2), QColor(39, 65, 118));
    }
}

void optionsArrow(QPainter &p, double right, double top, double height)
{
    const QRectF r(right - 11, top, 11, height);
    p.fillRect(r, QColor(118, 157, 226));
    p.setPen(Qt::white);
    const double cx = r.center().x(), cy = r.bottom() - 6;
    p.drawLine(QPointF(cx - 2, cy), QPointF(cx + 2, cy));
    p.drawLine(QPointF(cx - 1, cy + 1), QPointF(cx + 1, cy + 1));
}

QFont smallFont(double px)
{
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(std::max(1, int(std::lround(px))));
    return f;
}

// A button's face: its glyph centred in the cell's pixel rectangle.
void buttonGlyph(QPainter &p, const QRectF &cellPx, const QString &glyph, bool arrow)
{
    QRectF face = cellPx.adjusted(1, 1, -1, -1);
    if (arrow) {
        const QRectF a(face.right() - 8, face.top(), 8, face.height());
        p.setPen(QColor(40, 40, 40));
        const double cx = a.center().x(), cy = a.center().y();
        p.drawLine(QPointF(cx - 2, cy), QPointF(cx + 2, cy));
        p.drawLine(QPointF(cx - 1, cy + 1), QPointF(cx + 1, cy + 1));
        face.setRight(a.left());
    }
    p.setFont(smallFont(12));
    p.setPen(QColor(30, 50, 110));
    p.drawText(face, Qt::AlignCenter, glyph);
}

// A drop-down box of the formatting row: white field, text, arrow button.
void comboBox(QPainter &p, const QRectF &cellPx, const QString &text)
{
    const QRectF r = cellPx.adjusted(1, 1, -2, -2);
    p.fillRect(r, Qt::white);
    p.setPen(QColor(127, 157, 185));
    p.drawRect(r);
    const QRectF arrow(r.right() - 11, r.top(), 11, r.height());
    p.fillRect(arrow.adjusted(1, 1, 0, 0), QColor(193, 210, 238));
    p.setPen(Qt::black);
    const double cx = arrow.center().x(), cy = arrow.center().y();
    p.drawLine(QPointF(cx - 2, cy - 1), QPointF(cx + 2, cy - 1));
    p.drawLine(QPointF(cx - 1, cy), QPointF(cx + 1, cy));
    p.drawPoint(QPointF(cx, cy + 1));
    p.setFont(smallFont(12));
    p.drawText(r.adjusted(3, 0, -12, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
}

QRectF cellPx(int i) { const QRectF d = designCell(i); return QRectF(d.x() / 15, d.y() / 15, d.width() / 15, d.height() / 15); }

} // namespace

QPixmap menuBarPicture()
{
    QPainter p;
    QPixmap pm = canvas(722, 19, p);
    barBackground(p, QRectF(0, 0, 722, 19));
    grip(p, 3, 0, 19);
    static const char *titles[] = {"文件(F)", "编辑(E)", "视图(V)", "插入(I)", "格式(O)", "工具(T)",
                                   "表格(A)", "数据(D)", "框架(R)", "窗口(W)", "帮助(H)"};
    p.setFont(smallFont(12));
    p.setPen(Qt::black);
    for (int i = 1; i <= 11; ++i)
        p.drawText(cellPx(i), Qt::AlignCenter, QString::fromUtf8(titles[i - 1]));
    p.end();
    return pm;
}

QPixmap toolBarPicture()
{
    QPainter p;
    QPixmap pm = canvas(800, 51, p);
    barBackground(p, QRectF(0, 0, 800, 25));
    barBackground(p, QRectF(0, 26, 800, 25));
    grip(p, 3, 0, 25);
    grip(p, 3, 26, 51);
    // Standard row (41-69) and formatting row (70-87), in the cells' order.
    struct Face {
        int cell;
        const char *glyph;
        bool arrow;
    };
    static const Face faces[] = {
        {41, "新", false}, {42, "", true}, {43, "开", false}, {44, "", true}, {45, "存", false},
        {46, "查", false}, {47, "发", false}, {48, "窗", false}, {49, "", true}, {50, "印", false},
        {51, "览", false}, {52, "", true}, {53, "拼", false}, {54, "剪", false}, {55, "复", false},
        {56, "粘", false}, {57, "刷", false}, {58, "撤", true}, {59, "恢", true}, {60, "组", false},
        {61, "表", false}, {62, "层", false}, {63, "图", false}, {64, "绘", false}, {65, "链", false},
        {66, "新", false}, {67, "停", false}, {68, "¶", false},
        {73, "B", false}, {74, "I", false}, {75, "U", false}, {76, "左", false}, {77, "中", false},
        {78, "右", false}, {79, "齐", false}, {80, "A+", false}, {81, "A-", false}, {82, "1.", false},
        {83, "•", false}, {84, "«", false}, {85, "»", false}, {86, "□", true}, {87, "ab", true}};
    for (const Face &f : faces)
        buttonGlyph(p, cellPx(f.cell), QString::fromUtf8(f.glyph), f.arrow);
    comboBox(p, cellPx(69), QStringLiteral("简繁转换"));
    comboBox(p, cellPx(70), QStringLiteral("正文"));
    comboBox(p, cellPx(71), QStringLiteral("宋体"));
    comboBox(p, cellPx(72), QStringLiteral("五号"));
    optionsArrow(p, 800, 0, 25);
    optionsArrow(p, 800, 26, 25);
    p.end();
    return pm;
}

QPixmap drawingBarPicture()
{
    QPainter p;
    QPixmap pm = canvas(671, 26, p);
    barBackground(p, QRectF(0, 0, 671, 26));
    grip(p, 3, 0, 26);
    // The Draw menu button, greyed, with no cell.
    p.setFont(smallFont(12));
    p.setPen(QColor(150, 150, 150));
    p.drawText(QRectF(10, 2, 56, 22), Qt::AlignCenter, QStringLiteral("绘图(R)"));
    static const char *glyphs[] = {"↖", "自选图形", "╲", "→", "□", "○", "文", "竖", "A", "◎",
                                   "画", "图", "填", "线", "A", "≡", "┅", "⇄", "▣", "▤"};
    for (int i = 12; i <= 31; ++i)
        buttonGlyph(p, cellPx(i), QString::fromUtf8(glyphs[i - 12]), i == 13 || (i >= 24 && i <= 26));
    optionsArrow(p, 671, 0, 26);
    p.end();
    return pm;
}

QPixmap extraPanelPicture()
{
    QPainter p;
    QPixmap pm = canvas(174, 17, p);
    barBackground(p, QRectF(0, 0, 174, 17));
    p.setFont(smallFont(12));
    p.setPen(Qt::black);
    p.drawText(QRectF(4, 0, 150, 17), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("任务窗格"));
    p.drawLine(QPointF(162, 7), QPointF(168, 7));
    p.drawLine(QPointF(163, 8), QPointF(167, 8));
    p.drawLine(QPointF(164, 9), QPointF(166, 9));
    p.end();
    return pm;
}

} // namespace chrome
