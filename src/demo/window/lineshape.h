#pragma once
// A line control of the demonstration window: a straight line between two
// points given in window twips (X1, Y1, X2, Y2), with its colour and width
// in pixels. Drawn only: the mouse passes through it. A point far outside
// the window (the pointer's lines moved to -100) takes the line out of view.

#include <QColor>
#include <QLineF>
#include <QWidget>

namespace demo {

class LineShape : public QWidget
{
    Q_OBJECT
public:
    LineShape(QWidget *parent, const QString &name, const QColor &color, int widthPx);

    double X1() const { return line_.x1(); }
    double Y1() const { return line_.y1(); }
    double X2() const { return line_.x2(); }
    double Y2() const { return line_.y2(); }
    const QLineF &line() const { return line_; }
    void setLine(double x1, double y1, double x2, double y2);
    void setX1(double v) { setLine(v, Y1(), X2(), Y2()); }
    void setX2(double v) { setLine(X1(), Y1(), v, Y2()); }
    QColor color() const { return color_; }

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QLineF line_;
    QColor color_;
    int width_;
};

} // namespace demo
