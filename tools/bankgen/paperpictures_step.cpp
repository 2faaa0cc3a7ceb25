// The papers page's pictures: the card behind each paper row ("l20065",
// 294 x 80, the row's 4410 x 1200 design twips) and the random-paper
// generator's panel ("l20066", 600 x 440, from the page's tab column to its
// right edge, with room for the new-paper button at its lower right).
#include "bankgen.h"
#include "scenedraw.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

const QColor Navy(0x1f, 0x4e, 0x8c);
const QColor Sky(0x5b, 0x9b, 0xd5);
const QColor Line(0xc8, 0xd7, 0xea);

QImage paperCard()
{
    QImage img(294, 80, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 80);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(0xee, 0xf3, 0xfa));
    p.setPen(QPen(Line, 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 293, 79), 5, 5);
    // An accent at the left and a rule under the title line.
    p.setPen(Qt::NoPen);
    p.setBrush(Sky);
    p.drawRoundedRect(QRectF(2, 10, 3, 60), 1.5, 1.5);
    p.setPen(QPen(Line, 1, Qt::DotLine));
    p.drawLine(QPointF(8, 32.5), QPointF(190, 32.5));
    return img;
}

QImage generatorPanel()
{
    QImage img(600, 440, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Line, 1));
    p.setBrush(QColor(0xf7, 0xfa, 0xfd));
    p.drawRoundedRect(QRectF(8.5, 8.5, 583, 423), 8, 8);
    p.setPen(Navy);
    p.setFont(bankgen::draw::font(16, true));
    p.drawText(QRectF(40, 40, 520, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("随机组卷"));
    p.setPen(QPen(Sky, 2));
    p.drawLine(QPointF(40, 86), QPointF(560, 86));
    p.setPen(QColor(0x33, 0x33, 0x33));
    p.setFont(bankgen::draw::font(10.5));
    const QStringList lines{QStringLiteral("从题库各单元中随机抽取四十道题目，组成一套新试卷。"),
                            QStringLiteral("生成后进入考试登录，限时五十分钟，每题二点五分。"),
                            QStringLiteral("最多保存最近的十套随机试卷，可在“全部试卷”中再次考试。")};
    for (int i = 0; i < lines.size(); ++i) {
        p.setBrush(Sky);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(48, 124 + 40 * i), 3, 3);
        p.setPen(QColor(0x33, 0x33, 0x33));
        p.drawText(QRectF(60, 110 + 40 * i, 500, 28), Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
    }
    return img;
}

void writePaperPictures(bankgen::Context &ctx)
{
    ctx.writePicture(ctx.dataFile(QStringLiteral("l20065")), paperCard());
    ctx.writePicture(ctx.dataFile(QStringLiteral("l20066")), generatorPanel());
}

} // namespace

BANKGEN_STEP(41, "paper pictures", writePaperPictures);
