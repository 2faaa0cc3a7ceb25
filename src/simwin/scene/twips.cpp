#include "simwin/scene/twips.h"

#include "foundation/globals.h"

#include <QVariant>
#include <QWidget>

namespace tw {

namespace {
constexpr const char *Key = "twipsRect";

int px(double twips) { return fnd::twipsToPx(twips); }
} // namespace

QRectF rect(const QWidget *w)
{
    const QVariant v = w->property(Key);
    if (v.isValid())
        return v.toRectF();
    const QRect g = w->geometry();
    return QRectF(g.x() * 15.0, g.y() * 15.0, g.width() * 15.0, g.height() * 15.0);
}

void setRect(QWidget *w, double left, double top, double width, double height)
{
    w->setProperty(Key, QRectF(left, top, width, height));
    w->setGeometry(px(left), px(top), std::max(0, px(width)), std::max(0, px(height)));
}

void move(QWidget *w, double left, double top)
{
    const QRectF r = rect(w);
    setRect(w, left, top, r.width(), r.height());
}

void setLeft(QWidget *w, double left) { move(w, left, top(w)); }
void setTop(QWidget *w, double top) { move(w, left(w), top); }

void resize(QWidget *w, double width, double height)
{
    const QRectF r = rect(w);
    setRect(w, r.x(), r.y(), width, height);
}

void setWidth(QWidget *w, double width) { resize(w, width, height(w)); }
void setHeight(QWidget *w, double height) { resize(w, width(w), height); }

void syncFromPixels(QWidget *w)
{
    const QRectF r = rect(w);
    const QSize s = w->size();
    w->setProperty(Key, QRectF(r.x(), r.y(), s.width() * 15.0, s.height() * 15.0));
}

} // namespace tw
