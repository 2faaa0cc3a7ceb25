#include "simwin/window/twips.h"

#include "foundation/globals.h"

#include <QHash>
#include <QWidget>

namespace simwin {

namespace {
// Twips become pixels at the screen's own twips per pixel (15 x XBiLi across,
// 15 x YBiLi down), so a design value keeps its size in pixels at any scale.
int xPx(double twips) { return fnd::xTwipsToPx(twips); }
int yPx(double twips) { return fnd::yTwipsToPx(twips); }

// The kept rectangles by control. A side table rather than a dynamic
// property: a scene sets a few hundred rectangles, and a property lookup
// searches the control's whole meta-object first. Never destroyed: controls
// that outlive the program's statics still find it.
QHash<const QWidget *, QRectF> &kept()
{
    static auto *rects = new QHash<const QWidget *, QRectF>;
    return *rects;
}

void keep(QWidget *w, const QRectF &r)
{
    auto &rects = kept();
    const auto it = rects.find(w);
    if (it != rects.end()) {
        *it = r;
        return;
    }
    rects.insert(w, r);
    QObject::connect(w, &QObject::destroyed, [w] { kept().remove(w); });
}
} // namespace

QRectF twipsRect(const QWidget *w)
{
    const auto &rects = kept();
    const auto it = rects.constFind(w);
    if (it != rects.constEnd())
        return *it;
    const QRect g = w->geometry();
    return QRectF(fnd::xPxToTwips(g.x()), fnd::yPxToTwips(g.y()), fnd::xPxToTwips(g.width()),
                  fnd::yPxToTwips(g.height()));
}

void setTwipsRect(QWidget *w, double left, double top, double width, double height)
{
    keep(w, QRectF(left, top, width, height));
    w->setGeometry(xPx(left), yPx(top), std::max(0, xPx(width)), std::max(0, yPx(height)));
}

void moveTwips(QWidget *w, double left, double top)
{
    const QRectF r = twipsRect(w);
    setTwipsRect(w, left, top, r.width(), r.height());
}

void setTwipsLeft(QWidget *w, double left) { moveTwips(w, left, twipsTop(w)); }
void setTwipsTop(QWidget *w, double top) { moveTwips(w, twipsLeft(w), top); }

void resizeTwips(QWidget *w, double width, double height)
{
    const QRectF r = twipsRect(w);
    setTwipsRect(w, r.x(), r.y(), width, height);
}

void setTwipsWidth(QWidget *w, double width) { resizeTwips(w, width, twipsHeight(w)); }
void setTwipsHeight(QWidget *w, double height) { resizeTwips(w, twipsWidth(w), height); }

void syncTwipsFromPixels(QWidget *w)
{
    const QRectF r = twipsRect(w);
    const QSize s = w->size();
    keep(w, QRectF(r.x(), r.y(), fnd::xPxToTwips(s.width()), fnd::yPxToTwips(s.height())));
}

} // namespace simwin
