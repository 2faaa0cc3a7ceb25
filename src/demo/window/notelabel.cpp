#include "demo/window/notelabel.h"

#include <QPainter>
#include <QTextLayout>

namespace demo {

NoteLabel::NoteLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void NoteLabel::setLineHeight(double px)
{
    lineHeight_ = px;
    update();
}

void NoteLabel::paintEvent(QPaintEvent *)
{
    QString shown = text();
    shown.replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(shown, font(), this);
    QTextOption option(alignment());
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    // Each baseline where 宋体 has it: 0.86 of the line down from its top.
    const double baseline = lineHeight_ * 0.86;
    double top = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width());
        line.setPosition(QPointF(0, top + baseline - line.ascent()));
        top += lineHeight_;
    }
    layout.endLayout();
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    layout.draw(&p, QPointF(0, 0));
}

} // namespace demo
