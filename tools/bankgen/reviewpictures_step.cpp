// The backgrounds of the cover's marked-question page ("l20057") and
// wrong-question page ("l20058"): the page frame (800 x 460) with a heading,
// a short explanation, a drawing, and a panel behind the filters, the counts
// (with the word after each count) and the page's buttons.
#include "bankgen.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

const QColor Navy(0x1f, 0x4e, 0x8c);
const QColor Sky(0x5b, 0x9b, 0xd5);
const QColor Paper(0xf4, 0xf7, 0xfb);

QFont pixelFont(const char *family, int px, bool bold = false)
{
    QFont f(QString::fromUtf8(family));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

// A five-pointed star in r: a marked question.
void drawStar(QPainter &p, const QRectF &r)
{
    QPolygonF star;
    for (int k = 0; k < 10; ++k) {
        const double radius = (k % 2 == 0 ? 0.5 : 0.2) * r.width();
        const double angle = -M_PI / 2 + k * M_PI / 5;
        star << r.center() + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    p.setPen(QPen(QColor(0xc8, 0x8a, 0x10), 3));
    p.setBrush(QColor(0xf5, 0xc2, 0x3a));
    p.drawPolygon(star);
}

// A ruled sheet with a red cross: a question answered wrongly.
void drawWrongSheet(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(Navy, 3));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 8, 8);
    p.setPen(QPen(Sky, 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i <= 5; ++i) {
        const double y = r.top() + r.height() * i / 7.0;
        p.drawLine(QPointF(r.left() + 20, y), QPointF(r.right() - 20, y));
    }
    p.setPen(QPen(QColor(0xd0, 0x30, 0x30), 10, Qt::SolidLine, Qt::RoundCap));
    const QRectF x = QRectF(r.center() - QPointF(45, 25), QSizeF(90, 90));
    p.drawLine(x.topLeft(), x.bottomRight());
    p.drawLine(x.topRight(), x.bottomLeft());
}

QImage reviewPage(bool marked)
{
    QImage img(800, 460, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Sky, 1));
    p.drawRect(QRectF(0.5, 0.5, 799, 459));
    p.fillRect(QRect(1, 1, 798, 4), QColor(0xdd, 0xe6, 0xf2));

    p.setPen(Navy);
    p.setFont(pixelFont("黑体", 24, true));
    p.drawText(QRectF(40, 24, 600, 36), Qt::AlignLeft | Qt::AlignVCenter,
               marked ? QStringLiteral("标记题目复习") : QStringLiteral("错题复习"));
    p.setPen(QColor(0x33, 0x33, 0x33));
    p.setFont(pixelFont("宋体", 13));
    p.drawText(QRectF(40, 66, 720, 40), Qt::AlignLeft | Qt::TextWordWrap,
               marked ? QStringLiteral("练习时标记的题目都收在这里。选择未复习或已复习的题目，点“开始练习”复习；"
                                       "复习时做完的题目变为已复习。")
                      : QStringLiteral("模拟考试中没有做完的题目都收在这里。选择未复习或已复习的题目，点“开始练习”复习；"
                                       "复习时做完的题目变为已复习。"));

    if (marked)
        drawStar(p, QRectF(90, 150, 180, 180));
    else
        drawWrongSheet(p, QRectF(100, 140, 160, 200));

    // The panel behind the filters (385, 149 and 179), the counts (476, 159
    // and 189), the practice button (592, 154) and the clear button (416, 220).
    p.setPen(QPen(Sky, 1));
    p.setBrush(Paper);
    p.drawRoundedRect(QRectF(360.5, 132.5, 380, 128), 8, 8);
    p.setPen(QColor(0x33, 0x33, 0x33));
    p.setFont(pixelFont("宋体", 13));
    for (int y : {159, 189})
        p.drawText(QRectF(518, y, 24, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("题"));
    return img;
}

void writeReviewPictures(bankgen::Context &ctx)
{
    ctx.writePicture(ctx.dataFile(QStringLiteral("l20057")), reviewPage(true));
    ctx.writePicture(ctx.dataFile(QStringLiteral("l20058")), reviewPage(false));
}

} // namespace

BANKGEN_STEP(41, "review page pictures", writeReviewPictures);
