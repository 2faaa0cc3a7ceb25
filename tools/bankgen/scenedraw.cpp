#include "scenedraw.h"

#include "bankgen.h"

#include "simwin/chrome/hotspotlayout.h"

#include <QPainterPath>

namespace bankgen {
namespace draw {

const QColor kFace(236, 236, 232);
static const QColor kShadow(160, 160, 160);
static const QColor kDark(96, 96, 96);
static const QColor kBar(226, 233, 243);
static const QColor kSel(51, 102, 204);

QRect px(const Tw &r) { return QRect(px(r.l), px(r.t), px(r.w), px(r.h)); }

QFont font(double points, bool bold)
{
    QFont f(QStringLiteral("WenQuanYi Micro Hei"));
    f.setPixelSize(qMax(1, int(points * 4.0 / 3.0 + 0.5)));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void text(QPainter &p, const Tw &r, const QString &s, double points, const QColor &c, int align, bool bold, bool underline)
{
    QFont f = font(points, bold);
    f.setUnderline(underline);
    p.setFont(f);
    p.setPen(c);
    p.drawText(px(r), align | Qt::TextSingleLine, s);
}

// A filled rectangle with a one-pixel edge: one colour top and left, another
// bottom and right.
static void bevel(QPainter &p, const Tw &r, const QColor &fill, const QColor &topLeft, const QColor &bottomRight)
{
    const QRect q = px(r);
    p.fillRect(q, fill);
    p.setPen(topLeft);
    p.drawLine(q.topLeft(), q.topRight());
    p.drawLine(q.topLeft(), q.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(q.bottomLeft(), q.bottomRight());
    p.drawLine(q.topRight(), q.bottomRight());
}

void raised(QPainter &p, const Tw &r, const QColor &face) { bevel(p, r, face, Qt::white, kShadow); }

void sunken(QPainter &p, const Tw &r, const QColor &fill) { bevel(p, r, fill, kShadow, Qt::white); }

void button(QPainter &p, const Tw &r, const QString &caption, bool isDefault)
{
    raised(p, r, QColor(244, 244, 240));
    if (isDefault) {
        p.setPen(kDark);
        p.drawRect(px(r).adjusted(0, 0, -1, -1));
    }
    text(p, r, caption, 9, Qt::black, Qt::AlignCenter);
}

void okCancel(QPainter &p, const Tw &ok, const Tw &cancel, const QString &okText)
{
    button(p, ok, okText, true);
    button(p, cancel, QStringLiteral("取消"));
}

void edit(QPainter &p, const Tw &r, const QString &s)
{
    sunken(p, r);
    text(p, r.moved(60, 0), s, 9);
}

void check(QPainter &p, const Tw &r, const QString &caption, bool on)
{
    const Tw box{r.l, r.cy() - 90, 195, 195};
    sunken(p, box);
    if (on) {
        QPen pen(Qt::black, 2);
        p.setPen(pen);
        const QRect q = px(box);
        p.drawLine(q.left() + 3, q.center().y(), q.left() + 5, q.bottom() - 3);
        p.drawLine(q.left() + 5, q.bottom() - 3, q.right() - 3, q.top() + 3);
    }
    text(p, {r.l + 270, r.t, r.w - 270, r.h}, caption, 9);
}

void radio(QPainter &p, const Tw &r, const QString &caption, bool on)
{
    const QRect q = px({r.l, r.cy() - 90, 195, 195});
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(kShadow);
    p.setBrush(Qt::white);
    p.drawEllipse(q.adjusted(0, 0, -1, -1));
    if (on) {
        p.setBrush(Qt::black);
        p.setPen(Qt::NoPen);
        p.drawEllipse(q.center() + QPointF(0.5, 0.5), 2.5, 2.5);
    }
    p.restore();
    text(p, {r.l + 270, r.t, r.w - 270, r.h}, caption, 9);
}

void combo(QPainter &p, const Tw &r, const QString &s)
{
    edit(p, r, s);
    const Tw arrow{r.r() - 255, r.t + 30, 225, r.h - 60};
    raised(p, arrow, kFace);
    const QRect q = px(arrow);
    QPolygon tri;
    tri << QPoint(q.center().x() - 3, q.center().y() - 1) << QPoint(q.center().x() + 3, q.center().y() - 1)
        << QPoint(q.center().x(), q.center().y() + 2);
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    p.drawPolygon(tri);
    p.setBrush(Qt::NoBrush);
}

void list(QPainter &p, const Tw &r, const QStringList &items, int selected)
{
    sunken(p, r);
    for (int i = 0; i < items.size(); ++i) {
        const Tw row{r.l + 30, r.t + 30 + 255 * i, r.w - 60, 255};
        if (row.b() > r.b())
            break;
        if (i == selected) {
            p.fillRect(px(row), kSel);
            text(p, row.moved(45, 0), items[i], 9, Qt::white);
        } else {
            text(p, row.moved(45, 0), items[i], 9);
        }
    }
}

void group(QPainter &p, const Tw &r, const QString &caption)
{
    const QRect q = px(r);
    p.setPen(kShadow);
    p.drawRect(q.adjusted(0, 5, -1, -1));
    QFont f = font(9);
    p.setFont(f);
    const int w = QFontMetrics(f).horizontalAdvance(caption) + 6;
    p.fillRect(QRect(q.left() + 8, q.top(), w, 12), kFace);
    p.setPen(QColor(0, 70, 160));
    p.drawText(QRect(q.left() + 11, q.top() - 1, w, 13), Qt::AlignLeft | Qt::AlignVCenter, caption);
}

void dashed(QPainter &p, const Tw &r, const QColor &c)
{
    QPen pen(c, 1, Qt::DashLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(px(r).adjusted(0, 0, -1, -1));
}

void selection(QPainter &p, const Tw &r) { p.fillRect(px(r), QColor(kSel.red(), kSel.green(), kSel.blue(), 90)); }

void dialog(QPainter &p, const Tw &size, const QString &title)
{
    const QRect all = px(Tw{0, 0, size.w, size.h});
    p.fillRect(all, kFace);
    p.setPen(kDark);
    p.drawRect(all.adjusted(0, 0, -1, -1));
    QLinearGradient g(0, 0, all.width(), 0);
    g.setColorAt(0, QColor(52, 88, 150));
    g.setColorAt(1, QColor(120, 160, 214));
    const QRect bar(1, 1, all.width() - 2, 20);
    p.fillRect(bar, g);
    p.setFont(font(9, true));
    p.setPen(Qt::white);
    p.drawText(bar.adjusted(6, 0, -24, 0), Qt::AlignLeft | Qt::AlignVCenter, title);
    const QRect close(bar.right() - 18, bar.top() + 3, 15, 14);
    p.fillRect(close, QColor(200, 80, 70));
    p.setPen(QPen(Qt::white, 1.5));
    p.drawLine(close.topLeft() + QPoint(4, 4), close.bottomRight() - QPoint(4, 4));
    p.drawLine(close.topRight() + QPoint(-4, 4), close.bottomLeft() + QPoint(4, -4));
}

void photo(QPainter &p, const Tw &r, const QString &caption, const QColor &tone)
{
    const QRect q = px(r);
    QLinearGradient g(q.topLeft(), q.bottomRight());
    g.setColorAt(0, tone.lighter(160));
    g.setColorAt(1, tone);
    p.fillRect(q, g);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(q.left() + q.width() * 0.3, q.top() + q.height() * 0.35), q.height() * 0.15, q.height() * 0.15);
    QPainterPath hill;
    hill.moveTo(q.left(), q.bottom());
    hill.lineTo(q.left() + q.width() * 0.45, q.top() + q.height() * 0.5);
    hill.lineTo(q.left() + q.width() * 0.7, q.top() + q.height() * 0.7);
    hill.lineTo(q.right(), q.top() + q.height() * 0.45);
    hill.lineTo(q.right(), q.bottom());
    hill.closeSubpath();
    p.setBrush(tone.darker(140));
    p.drawPath(hill);
    p.restore();
    p.setPen(kDark);
    p.drawRect(q.adjusted(0, 0, -1, -1));
    if (!caption.isEmpty())
        text(p, r, caption, 12, Qt::white, Qt::AlignCenter, true);
}

void editorWindow(QPainter &p, const QString &fileName, const QString &status)
{
    // Window face and title bar (0-375): the document shown, if any.
    p.fillRect(px(Tw{0, 0, 12000, 9000}), QColor(195, 217, 249));
    QLinearGradient g(0, 0, 800, 0);
    g.setColorAt(0, QColor(40, 76, 140));
    g.setColorAt(1, QColor(96, 140, 204));
    p.fillRect(QRect(0, 0, 800, 25), g);
    p.fillRect(QRect(5, 5, 15, 15), QColor(250, 200, 60));
    p.setFont(font(9, true));
    p.setPen(Qt::white);
    const QString title = QStringLiteral("网页编辑器");
    p.drawText(QRect(26, 0, 600, 25), Qt::AlignLeft | Qt::AlignVCenter,
               fileName.isEmpty() ? title : QStringLiteral("%1 - [%2]").arg(title, fileName));
    for (int i = 0; i < 3; ++i) {
        const QRect b(800 - 22 * (3 - i) - 2, 4, 19, 17);
        p.fillRect(b, i == 2 ? QColor(200, 80, 70) : QColor(120, 150, 200));
        p.setPen(Qt::white);
        p.drawRect(b.adjusted(0, 0, -1, -1));
    }
    // The menu bar (390-675) and the two docked toolbars (735-1500) as the
    // window draws them, so that a scene looks the same whether or not its
    // step lays the window's own bars over them.
    p.fillRect(px(Tw{0, 375, 12000, 1125}), kBar);
    const QPointF menuBar = chrome::barOrigin(chrome::Bar::Menu, 1, 1) / 15;
    const QPointF toolBars = chrome::barOrigin(chrome::Bar::Tool, 1, 1) / 15;
    p.drawPixmap(menuBar.toPoint(), chrome::menuBarPicture());
    p.drawPixmap(toolBars.toPoint(), chrome::toolBarPicture());
    // Folder pane (0-2250) and page (2250-11760) from 1500 to 8325.
    raised(p, {0, 1500, 2250, 6825}, QColor(248, 248, 246));
    p.fillRect(px(Tw{0, 1500, 2250, 300}), kBar);
    text(p, {90, 1500, 2100, 300}, QStringLiteral("文件夹列表"), 9, Qt::black, Qt::AlignLeft | Qt::AlignVCenter, true);
    static const char *const files[] = {"index.htm", "a.htm", "b.htm", "c.htm", "d.htm", "photo.jpg", "logo.gif", "images"};
    for (int i = 0; i < 8; ++i) {
        const Tw row{150, 1860 + 270 * i, 2000, 255};
        const QRect ic = px(Tw{row.l, row.t + 45, 165, 165});
        p.fillRect(ic, i == 7 ? QColor(240, 200, 80) : (i >= 5 ? QColor(120, 180, 120) : QColor(90, 130, 200)));
        text(p, {row.l + 240, row.t, row.w - 240, row.h}, QString::fromUtf8(files[i]), 9);
    }
    p.fillRect(px(Tw{2250, 1500, 9510, 6825}), Qt::white);
    p.setPen(kShadow);
    p.drawRect(px(Tw{2250, 1500, 9750, 6825}).adjusted(0, 0, -1, -1));
    raised(p, {11760, 1500, 240, 6825}, kFace);
    raised(p, {11775, 1515, 210, 1200}, QColor(210, 214, 222));
    // The drawing toolbar's dock (8325-8715), empty: a step that shows the
    // drawing toolbar lays the window's own over it. Then the status line.
    p.fillRect(px(Tw{0, 8325, 12000, 390}), kBar);
    p.fillRect(px(Tw{0, 8715, 12000, 285}), kFace);
    text(p, {150, 8715, 9000, 285}, status, 9);
}

} // namespace draw

QString PictureSet::add(const QString &key, QChar prefix, const Tw &size, Painter fn)
{
    const auto found = byKey_.find(key);
    if (found != byKey_.end())
        return found->second;
    const int n = ++counters_[prefix];
    const QString name = prefix + digits(n, 5);
    pics_[name] = {size, std::move(fn)};
    byKey_[key] = name;
    return name;
}

QString PictureSet::addNamed(const QString &name, const Tw &size, Painter fn)
{
    pics_[name] = {size, std::move(fn)};
    return name;
}

void PictureSet::writeAll(Context &ctx) const
{
    for (const auto &[name, pic] : pics_) {
        QImage img(draw::px(pic.size.w), draw::px(pic.size.h), QImage::Format_RGB32);
        // A screenshot of the whole editor window, taken on a larger screen
        // when asked: the window at the top-left corner of the desktop.
        const QRect window = img.rect();
        if (ctx.screenshotSize.isValid() && window.size() == QSize(800, 600)) {
            img = QImage(ctx.screenshotSize.expandedTo(window.size()), QImage::Format_RGB32);
            QLinearGradient desk(0, 0, img.width(), img.height());
            desk.setColorAt(0, QColor(58, 110, 165));
            desk.setColorAt(1, QColor(20, 60, 110));
            QPainter(&img).fillRect(img.rect(), desk);
        }
        {
            QPainter p(&img);
            p.fillRect(window, Qt::white);
            p.setRenderHint(QPainter::TextAntialiasing);
            pic.fn(p);
        }
        ctx.writePicture(ctx.dataFile(name), img);
    }
}

} // namespace bankgen
