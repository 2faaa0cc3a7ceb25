#pragma once
// Control geometry in twips. Positions and sizes are computed in twips (design
// values already multiplied by XBiLi/YBiLi) and become pixels only here, at the
// widget boundary; the twips are kept on the control so that a control taking
// another's place copies exact values, not rounded pixels.

#include <QRectF>

class QWidget;

namespace tw {

// The control's rectangle in twips: the kept value, or its pixel geometry
// times 15 when none was kept.
QRectF rect(const QWidget *w);
inline double left(const QWidget *w) { return rect(w).x(); }
inline double top(const QWidget *w) { return rect(w).y(); }
inline double width(const QWidget *w) { return rect(w).width(); }
inline double height(const QWidget *w) { return rect(w).height(); }

void setRect(QWidget *w, double left, double top, double width, double height);
inline void setRect(QWidget *w, const QRectF &r) { setRect(w, r.x(), r.y(), r.width(), r.height()); }
void move(QWidget *w, double left, double top);
void setLeft(QWidget *w, double left);
void setTop(QWidget *w, double top);
void setWidth(QWidget *w, double width);
void setHeight(QWidget *w, double height);
void resize(QWidget *w, double width, double height);

// The kept twips follow a size the control took by itself (a picture box that
// sizes to its picture).
void syncFromPixels(QWidget *w);

} // namespace tw
