// Pictures of the start-up window, the message box, the about window, the
// input-method notice and their buttons: plain drawings of our own at the
// sizes the windows lay them out.
#include "bankgen.h"

#include "foundation/ui/display.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Navy(0x1f, 0x4e, 0x8c);
const QColor Sky(0x5b, 0x9b, 0xd5);
const QColor Paper(0xf4, 0xf7, 0xfb);

void save(bankgen::Context &ctx, const QString &name, const QImage &img) { ctx.writePicture(ctx.dataFile(name), img); }

QImage canvas(int w, int h, const QColor &fill = Qt::transparent)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

QFont font(const char *family, double px, bool bold = false)
{
    QFont f(QString::fromUtf8(family));
    f.setPixelSize(int(px));
    f.setBold(bold);
    return f;
}

// A rounded page with a folded corner: the program's emblem.
void drawEmblem(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Navy, r.width() / 16));
    p.setBrush(Qt::white);
    const double fold = r.width() * 0.3;
    QPainterPath page;
    page.moveTo(r.left(), r.top());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.right(), r.bottom());
    page.lineTo(r.left(), r.bottom());
    page.closeSubpath();
    p.drawPath(page);
    p.setPen(QPen(Sky, r.width() / 12, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double y = r.top() + r.height() * (0.45 + 0.18 * i);
        p.drawLine(QPointF(r.left() + r.width() * 0.2, y), QPointF(r.right() - r.width() * 0.2, y));
    }
    p.restore();
}

QImage splash()
{
    QImage img = canvas(400, 200);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 200);
    g.setColorAt(0, Sky);
    g.setColorAt(1, Navy);
    p.fillRect(img.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 28));
    p.drawEllipse(QPointF(340, 30), 110, 110);
    p.drawEllipse(QPointF(40, 190), 70, 70);
    drawEmblem(p, QRectF(40, 40, 56, 68));
    p.setPen(Qt::white);
    p.setFont(font("黑体", 28, true));
    p.drawText(QRectF(112, 44, 280, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("考试练习系统"));
    p.setFont(font("黑体", 14));
    p.drawText(QRectF(114, 84, 280, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("操作题练习与模拟考试"));
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.drawLine(40, 128, 360, 128);
    return img;
}

QImage icon(int size)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Navy);
    p.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    drawEmblem(p, QRectF(size * 0.22, size * 0.16, size * 0.56, size * 0.68));
    return img;
}

// The picture windows' background: a header strip 36 pixels high under the
// title, a pale page and a border.
QImage dialogBackground(int w, int h)
{
    QImage img = canvas(w, h, Paper);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 36);
    g.setColorAt(0, Sky);
    g.setColorAt(1, Navy);
    p.fillRect(0, 0, w, 36, g);
    p.setPen(Navy);
    p.drawRect(0, 0, w - 1, h - 1);
    return img;
}

QImage messageBackground()
{
    QImage img = dialogBackground(370, 250);
    QPainter p(&img);
    p.setPen(QColor(0xc8, 0xd3, 0xe0));
    p.drawLine(16, 182, 354, 182);
    return img;
}

QImage roundMark(const QColor &colour, const QString &mark)
{
    QImage img = canvas(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour.darker(130), 2));
    p.setBrush(colour);
    p.drawEllipse(QRectF(3, 3, 42, 42));
    p.setPen(Qt::white);
    p.setFont(font("黑体", 28, true));
    p.drawText(QRectF(3, 3, 42, 42), Qt::AlignCenter, mark);
    return img;
}

// Four frames side by side: normal, hover, pressed, disabled. `draw` paints
// one frame's face into its rectangle; the pressed face sits one pixel lower
// and to the right.
template <class Draw>
QImage strip(int w, int h, Draw draw)
{
    QImage img = canvas(4 * w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int f = 0; f < 4; ++f) {
        p.save();
        p.translate(f * w, 0);
        draw(p, QRect(0, 0, w, h), f);
        p.restore();
    }
    return img;
}

// A button face per frame, w x h each, with the caption drawn in (none for
// an empty text: the window sets the caption).
QImage captionStrip(const QString &text, const QColor &base, int w = 90, int h = 30, int px = 14)
{
    return strip(w, h, [&](QPainter &p, QRect r, int f) {
        const QColor faces[4] = {base, base.lighter(118), base.darker(125), QColor(0xb8, 0xbc, 0xc2)};
        p.setPen(QPen(f == 3 ? QColor(0x9a, 0x9e, 0xa4) : base.darker(150), 1));
        p.setBrush(faces[f]);
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        p.setPen(f == 3 ? QColor(0xe8, 0xea, 0xee) : Qt::white);
        p.setFont(font("宋体", px, true));
        p.drawText(r.translated(f == 2 ? 1 : 0, f == 2 ? 1 : 0), Qt::AlignCenter, text);
    });
}

// The question window's background: the header band over a light panel.
QImage questionBackground()
{
    QImage img = canvas(332, 242, Paper);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 30);
    g.setColorAt(0, Sky);
    g.setColorAt(1, Navy);
    p.fillRect(0, 0, 332, 30, g);
    p.setPen(Navy);
    p.drawRect(0, 0, 331, 241);
    return img;
}

// The chooser's state cells: a square per frame, the number set by the window.
QImage cellStrip(const QColor &base)
{
    return strip(30, 30, [&](QPainter &p, QRect r, int f) {
        const QColor faces[4] = {base, base.lighter(112), base.darker(118), QColor(0xd0, 0xd3, 0xd8)};
        p.setPen(QPen(base.darker(160), 1));
        p.setBrush(faces[f]);
        p.drawRect(QRectF(r).adjusted(0.5, 0.5, -1.5, -1.5));
    });
}

// The small button at the language indicator's end: a triangle pointing up.
QImage menuArrowStrip()
{
    return strip(16, 18, [&](QPainter &p, QRect r, int f) {
        p.fillRect(r, f == 2 ? Navy : QColor(0, 0, 255));
        p.setPen(Qt::NoPen);
        p.setBrush(f == 3 ? QColor(0xb8, 0xbc, 0xc2) : Qt::white);
        const QPointF d = f == 2 ? QPointF(1, 1) : QPointF(0, 0);
        const QPointF pts[3] = {QPointF(8, 5) + d, QPointF(13, 12) + d, QPointF(3, 12) + d};
        p.drawPolygon(pts, 3);
    });
}

void writeQuestionWindowPictures(bankgen::Context &ctx)
{
    const QColor practice(0x2f, 0x6f, 0xba), exam(0xb8, 0x4a, 0x2a), nav(0x3a, 0x7d, 0x5a);
    struct Face
    {
        const char *name;
        const char *caption;
        int width; // one frame
        QColor base;
    };
    const Face faces[] = {
        {"l01000", "上一题", 48, nav},       {"l01001", "下一题", 48, nav},     {"l01002", "重做本题", 58, practice},
        {"l01003", "标记本题", 58, practice}, {"l01004", "选题", 48, nav},       {"l01005", "退出练习", 58, practice},
        {"l01006", "提示", 58, practice},     {"l01007", "演示", 58, practice},  {"l01008", "交卷", 58, exam},
        {"l01009", "考生信息", 58, exam},     {"l01010", "看答案", 58, exam},    {"l01011", "取消标记", 58, practice},
        {"l01053", "标记", 58, exam},         {"l01054", "取消标记", 58, exam},  {"l01044", "", 58, QColor(0xe8, 0xee, 0xf6)},
        {"l01045", "返回", 55, nav},          {"l01047", "上一页", 55, nav},     {"l01048", "下一页", 55, nav},
    };
    for (const Face &f : faces)
        save(ctx, QString::fromLatin1(f.name), captionStrip(QString::fromUtf8(f.caption), f.base, f.width, 22, 12));
    save(ctx, QStringLiteral("l01043"), menuArrowStrip());
    save(ctx, QStringLiteral("l01030"), cellStrip(QColor(0xf0, 0xf2, 0xf5)));
    save(ctx, QStringLiteral("l01031"), cellStrip(QColor(0x9c, 0xc3, 0xe6)));
    save(ctx, QStringLiteral("l01032"), cellStrip(QColor(0xf2, 0xa6, 0x3b)));
    save(ctx, QStringLiteral("l01046"), questionBackground());
}

// The logon's pages, 800 x 600, on the page colour: page 1 with the frames of
// the two boxes and the faces of the log-in and exit buttons where the window
// puts them (seat 5070/4440, identity 5070/4905, buttons 4275 and 6660 at
// 5640, in twips of 15 a pixel); page 2 with the field names beside its
// labels and the frame of the progress bar.
// An 800 x 600 page of the exam's windows: the page colour under a title
// band.
QImage titledPage(const QString &title)
{
    QImage img = canvas(800, 600, QColor(0xf6, 0xf9, 0xfe));
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 90);
    g.setColorAt(0, Sky);
    g.setColorAt(1, Navy);
    p.fillRect(0, 0, 800, 90, g);
    p.setPen(Qt::white);
    p.setFont(font("宋体", 26, true));
    p.drawText(QRect(0, 0, 800, 90), Qt::AlignCenter, title);
    return img;
}

QImage logonPage(bool first)
{
    QImage img = titledPage(first ? QStringLiteral("考 生 登 录") : QStringLiteral("考 生 信 息 确 认"));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font("宋体", 16, true));
    p.setPen(Navy);
    if (first) {
        p.drawText(QRect(200, 292, 130, 24), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("座位号："));
        p.drawText(QRect(200, 323, 130, 24), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("身份证号："));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(337.5, 294.5, 101, 25));
        p.drawRect(QRectF(337.5, 325.5, 221, 25));
        const QColor face(0x2f, 0x6f, 0xba);
        for (auto [x, text] : {std::pair{285, QStringLiteral("登 录")}, std::pair{444, QStringLiteral("退 出")}}) {
            p.setPen(face.darker(150));
            p.setBrush(face);
            p.drawRoundedRect(QRectF(x + 0.5, 376.5, 88, 32), 5, 5);
            p.setPen(Qt::white);
            p.drawText(QRect(x, 376, 89, 33), Qt::AlignCenter, text);
        }
    } else {
        const struct
        {
            int x, y;
            const char *name;
        } fields[] = {{272, 174, "姓名："},     {272, 196, "座位号："},   {272, 220, "考试场次："}, {167, 281, "考试科目："},
                      {167, 306, "身份证号："}, {167, 330, "准考证号："}, {167, 350, "考试日期："}};
        p.setFont(font("宋体", 14, true));
        for (const auto &f : fields)
            p.drawText(QRect(f.x - 130, f.y, 126, 20), Qt::AlignRight | Qt::AlignVCenter, QString::fromUtf8(f.name));
        p.drawText(QRect(74, 500, 300, 22), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("正在进入考试……"));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(73.5, 531.5, 690, 13));
    }
    return img;
}

void writeExamPictures(bankgen::Context &ctx)
{
    save(ctx, QStringLiteral("9l0056"), logonPage(true));
    save(ctx, QStringLiteral("9l0057"), logonPage(false));
    const QColor exam(0xb8, 0x4a, 0x2a), cancel(0x5a, 0x6a, 0x7a);
    save(ctx, QStringLiteral("l01041"), captionStrip(QStringLiteral("交卷"), exam, 88, 28, 14));
    save(ctx, QStringLiteral("l01042"), captionStrip(QStringLiteral("取消"), cancel, 88, 28, 14));
    // The score window: its panel with a title band, the number cells
    // (green completed, red not) and its three buttons.
    QImage panel = titledPage(QStringLiteral("考 试 成 绩"));
    {
        QPainter p(&panel);
        p.setPen(Navy);
        p.drawRect(QRectF(40.5, 250.5, 719, 330));
    }
    save(ctx, QStringLiteral("9l0058"), panel);
    save(ctx, QStringLiteral("l01033"), cellStrip(QColor(0x7c, 0xc8, 0x7c)));
    save(ctx, QStringLiteral("l01034"), cellStrip(QColor(0xe8, 0x8a, 0x80)));
    const QColor practice(0x2f, 0x6f, 0xba), nav(0x3a, 0x7d, 0x5a);
    save(ctx, QStringLiteral("l01035"), captionStrip(QStringLiteral("重做本套题"), practice, 128, 30, 14));
    save(ctx, QStringLiteral("l01036"), captionStrip(QStringLiteral("练习错题"), practice, 128, 30, 14));
    save(ctx, QStringLiteral("l01037"), captionStrip(QStringLiteral("返回"), nav, 58, 30, 14));
    save(ctx, QStringLiteral("l01038"), captionStrip(QStringLiteral("返回考试"), nav, 128, 30, 14));
    save(ctx, QStringLiteral("l01039"), captionStrip(QStringLiteral("我想立即看答案"), QColor(0xb8, 0x4a, 0x2a), 128, 30, 14));
}

QImage symbolStrip(bool cross)
{
    return strip(22, 22, [&](QPainter &p, QRect r, int f) {
        const QColor faces[4] = {Qt::transparent, QColor(255, 255, 255, 60), QColor(0, 0, 0, 50), Qt::transparent};
        p.setPen(Qt::NoPen);
        p.setBrush(faces[f]);
        p.drawRoundedRect(QRectF(r).adjusted(1, 1, -1, -1), 3, 3);
        p.setPen(QPen(f == 3 ? QColor(255, 255, 255, 110) : Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        const QPointF d = f == 2 ? QPointF(1, 1) : QPointF(0, 0);
        if (cross) {
            p.drawLine(QPointF(7, 7) + d, QPointF(15, 15) + d);
            p.drawLine(QPointF(15, 7) + d, QPointF(7, 15) + d);
        } else {
            p.drawLine(QPointF(6, 14) + d, QPointF(16, 14) + d);
        }
    });
}

// The logo at the simulated window's lower right (1740 x 345 design twips):
// the emblem and the program's short name on a light band.
QImage logo()
{
    QImage img = canvas(116, 23, Paper);
    QPainter p(&img);
    p.setPen(QPen(Sky, 1));
    p.drawRect(QRectF(0.5, 0.5, 115, 22));
    drawEmblem(p, QRectF(4, 3, 14, 17));
    p.setPen(Navy);
    p.setFont(font("宋体", 13, true));
    p.drawText(QRectF(22, 0, 92, 23), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("网页操作练习"));
    return img;
}

// The cover's pictures: the window's background (800 x 600), the home
// page's banner and the inner pages' top strip (800 x 110 each), and the
// page frame (800 x 460).
QImage coverBackground()
{
    QImage img = canvas(800, 600, Paper);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 600);
    g.setColorAt(0, QColor(0xe8, 0xf0, 0xfa));
    g.setColorAt(1, QColor(0xc8, 0xda, 0xf0));
    p.fillRect(img.rect(), g);
    p.fillRect(QRect(0, 570, 800, 30), QColor(0xdd, 0xe6, 0xf2));
    p.setPen(Sky);
    p.drawLine(0, 570, 800, 570);
    return img;
}

QImage coverBanner(bool home)
{
    QImage img = canvas(800, 110, Navy);
    QPainter p(&img);
    QLinearGradient g(0, 0, 800, 0);
    g.setColorAt(0, Navy);
    g.setColorAt(1, Sky);
    p.fillRect(img.rect(), g);
    p.setPen(Qt::white);
    if (home) {
        drawEmblem(p, QRectF(24, 30, 44, 52));
        p.setFont(font("宋体", 30, true));
        p.drawText(QRectF(86, 20, 600, 70), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("网页操作练习"));
    } else {
        // The pages' tabs lie over the banner's left part (to x 445): the
        // title keeps to the right of them.
        p.setFont(font("宋体", 20, true));
        p.drawText(QRectF(460, 40, 320, 60), Qt::AlignVCenter | Qt::AlignRight, QStringLiteral("练习与模拟考试"));
    }
    return img;
}

QImage coverPage()
{
    QImage img = canvas(800, 460, Qt::white);
    QPainter p(&img);
    p.setPen(QPen(Sky, 1));
    p.drawRect(QRectF(0.5, 0.5, 799, 459));
    p.fillRect(QRect(1, 1, 798, 4), QColor(0xdd, 0xe6, 0xf2));
    return img;
}

// The cover's button strips "l20004" to "l20048": four frames (normal,
// hover, pressed, disabled) of each button's size, with the button's caption.
struct CoverButton {
    int first, last;
    QSize size;
    const char *caption;
};
constexpr CoverButton CoverButtons[] = {
    {4, 4, {150, 150}, "单元练习"},  {5, 5, {150, 150}, "模拟考试"},   {6, 6, {150, 150}, "标记题目"},
    {7, 7, {150, 150}, "错题集"},    {8, 8, {36, 55}, "升级"},        {9, 10, {36, 55}, ""},
    {11, 11, {36, 55}, "帮助"},      {12, 12, {36, 55}, "网站"},      {13, 13, {22, 22}, "_"},
    {14, 14, {22, 22}, "×"},         {15, 15, {82, 80}, "首页"},      {16, 16, {82, 80}, "单元"},
    {17, 17, {82, 80}, "试卷"},      {18, 18, {82, 80}, "标记"},      {19, 19, {82, 80}, "错题"},
    {20, 20, {120, 40}, "开始练习"}, {21, 21, {120, 40}, "生成试卷"}, {22, 22, {120, 40}, "开始练习"},
    {23, 23, {80, 25}, "清除标记"},  {24, 24, {120, 40}, "开始练习"}, {25, 25, {80, 25}, "清除错题"},
    {26, 27, {120, 40}, ""},         {28, 28, {180, 50}, "冲刺试卷"}, {29, 29, {180, 50}, "模拟试卷"},
    {30, 30, {180, 50}, "随机试卷"}, {31, 31, {180, 50}, "全部试卷"}, {32, 32, {180, 50}, "软件介绍"},
    {33, 33, {180, 50}, "备考指南"}, {34, 34, {180, 50}, "考试大纲"}, {35, 35, {180, 50}, "答题技巧"},
    {36, 36, {180, 50}, "常见问题"}, {37, 37, {60, 25}, "全部"},      {38, 38, {60, 25}, "已完成"},
    {39, 39, {60, 25}, "未完成"},    {40, 40, {80, 30}, "未复习"},    {41, 41, {80, 30}, "已复习"},
    {42, 42, {80, 30}, "未复习"},    {43, 43, {80, 30}, "已复习"},    {44, 44, {180, 58}, "全部单元"},
    {45, 45, {180, 35}, ""},         {46, 46, {79, 37}, ""},          {47, 48, {85, 30}, "开始考试"}};

// The chosen faces of the units page's group tab ("l20086", beside its other
// face "l20046") and of the filters ("l20087" to "l20093" for 37 to 43): a
// warm colour and a tick, so the two states are told apart at a glance.
constexpr CoverButton ChosenFaces[] = {
    {86, 86, {79, 37}, ""},       {87, 87, {60, 25}, "全部"},   {88, 88, {60, 25}, "已完成"},
    {89, 89, {60, 25}, "未完成"}, {90, 90, {80, 30}, "未复习"}, {91, 91, {80, 30}, "已复习"},
    {92, 92, {80, 30}, "未复习"}, {93, 93, {80, 30}, "已复习"}};

QImage coverStrip(QSize size, const QString &caption, bool chosen = false)
{
    return strip(size.width(), size.height(), [&](QPainter &p, QRect r, int f) {
        const QColor base = chosen ? QColor(0xe0, 0x7b, 0x1f) : QColor(0x2f, 0x6f, 0xba);
        const QColor faces[4] = {base, base.lighter(118), base.darker(135), QColor(0x9a, 0xa8, 0xb8)};
        p.setPen(QPen(chosen ? base.darker(150) : Navy, 1));
        p.setBrush(faces[f]);
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        p.setPen(Qt::white);
        p.setFont(font("宋体", std::clamp(r.height() / 3, 9, 20), r.height() > 60));
        QRect text = r.translated(f == 2 ? 1 : 0, f == 2 ? 1 : 0);
        if (chosen && !caption.isEmpty()) {
            // The tick at the left, the caption beside it.
            p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
            const int m = r.height() / 2;
            p.drawPolyline(QPolygonF{QPointF(5, m), QPointF(8, m + 3), QPointF(13, m - 4)});
            text.setLeft(text.left() + 12);
        }
        p.drawText(text, Qt::AlignCenter, caption);
    });
}

// The units page's strip behind the unit buttons (182 x 458), the grid
// behind the bars (600 x 266: a line every 34 pixels from the bars' base up
// to their full height) and the decoration beside the title (60 x 60).
QImage unitStrip()
{
    QImage img = canvas(182, 458, QColor(0xe8, 0xf0, 0xfa));
    QPainter p(&img);
    p.setPen(Sky);
    p.drawLine(181, 0, 181, 457);
    return img;
}

QImage unitGrid()
{
    QImage img = canvas(600, 266, Qt::white);
    QPainter p(&img);
    p.setPen(QColor(0xdd, 0xe6, 0xf2));
    for (int y = 20; y <= 258; y += 34)
        p.drawLine(0, y, 599, y);
    p.setPen(QPen(Sky, 1));
    p.drawRect(QRectF(0.5, 0.5, 599, 265));
    return img;
}

QImage unitDecoration()
{
    QImage img = canvas(60, 60);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Sky);
    p.drawEllipse(QRectF(2, 2, 56, 56));
    p.setBrush(Qt::white);
    for (int k = 0; k < 3; ++k)
        p.drawRect(QRectF(16 + 10 * k, 40 - 8 * k, 7, 8 + 8 * k));
    return img;
}

void writeWindowPictures(bankgen::Context &ctx)
{
    fnd::installFontSubstitutions();
    save(ctx, QStringLiteral("l20059"), splash());
    save(ctx, QStringLiteral("l62011"), icon(32));
    save(ctx, QStringLiteral("l62009"), logo());
    save(ctx, QStringLiteral("l20060"), coverBackground());
    save(ctx, QStringLiteral("l20051"), coverBanner(true));
    save(ctx, QStringLiteral("l20052"), coverBanner(false));
    save(ctx, QStringLiteral("l20053"), coverPage());
    for (const CoverButton &b : CoverButtons)
        for (int i = b.first; i <= b.last; ++i)
            save(ctx, QStringLiteral("l200%1").arg(i, 2, 10, QChar(u'0')), coverStrip(b.size, QString::fromUtf8(b.caption)));
    for (const CoverButton &b : ChosenFaces)
        save(ctx, QStringLiteral("l200%1").arg(b.first), coverStrip(b.size, QString::fromUtf8(b.caption), true));
    save(ctx, QStringLiteral("l20054"), unitStrip());
    save(ctx, QStringLiteral("l20055"), unitGrid());
    save(ctx, QStringLiteral("l20064"), unitDecoration());
    save(ctx, QStringLiteral("l20069"), messageBackground());
    save(ctx, QStringLiteral("l20070"), dialogBackground(420, 280));
    save(ctx, QStringLiteral("l20067"), icon(24));
    save(ctx, QStringLiteral("l20071"), roundMark(QColor(0x2e, 0x7d, 0xd2), QStringLiteral("?")));
    save(ctx, QStringLiteral("l20072"), roundMark(QColor(0x2e, 0x9d, 0x5a), QStringLiteral("i")));
    save(ctx, QStringLiteral("l20000"), captionStrip(QStringLiteral("取消"), QColor(0x7a, 0x86, 0x96)));
    save(ctx, QStringLiteral("l20001"), captionStrip(QStringLiteral("确定"), QColor(0x2f, 0x6f, 0xba)));
    save(ctx, QStringLiteral("l20002"), symbolStrip(false));
    save(ctx, QStringLiteral("l20003"), symbolStrip(true));
    writeQuestionWindowPictures(ctx);
    writeExamPictures(ctx);
}

} // namespace

BANKGEN_STEP(40, "window pictures", writeWindowPictures);
