#include "demo/window/lineshape.h"

#include "foundation/globals.h"

#include <QPainter>

namespace demo {

LineShape::LineShape(QWidget *parent, const QString &name, const QColor &color, int widthPx)
    : QWidget(parent), color_(color), width_(widthPx)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    resize(0, 0);
}

void LineShape::setLine(double x1, double y1, double x2, double y2)
{
    const QLineF l(x1, y1, x2, y2);
    if (l == line_ && !size().isEmpty())
        return;
    line_ = l;
    // The widget covers the line's pixels and the pen's width around them.
    const QPoint a(fnd::xTwipsToPx(x1), fnd::yTwipsToPx(y1));
    const QPoint b(fnd::xTwipsToPx(x2), fnd::yTwipsToPx(y2));
    const int m = width_;
    setGeometry(QRect(a, b).normalized().adjusted(-m, -m, m + 1, m + 1));
    update();
}

void LineShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QPen(color_, width_, Qt::SolidLine, Qt::FlatCap));
    const QPoint origin = pos();
    const QPoint a(fnd::xTwipsToPx(line_.x1()) - origin.x(), fnd::yTwipsToPx(line_.y1()) - origin.y());
    const QPoint b(fnd::xTwipsToPx(line_.x2()) - origin.x(), fnd::yTwipsToPx(line_.y2()) - origin.y());
    p.drawLine(a, b);
}

} // namespace demo
