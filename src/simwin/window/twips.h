#pragma once
// Control geometry in twips. Positions and sizes are computed in twips (design
// values already multiplied by XBiLi/YBiLi) and become pixels only here, at the
// widget boundary; the twips are kept on the control so that a control taking
// another's place copies exact values, not rounded pixels.

#include <QRectF>

class QWidget;

namespace simwin {

// The control's rectangle in twips: the kept value, or its pixel geometry
// times 15 when none was kept.
QRectF twipsRect(const QWidget *w);
inline double twipsLeft(const QWidget *w) { return twipsRect(w).x(); }
inline double twipsTop(const QWidget *w) { return twipsRect(w).y(); }
inline double twipsWidth(const QWidget *w) { return twipsRect(w).width(); }
inline double twipsHeight(const QWidget *w) { return twipsRect(w).height(); }

void setTwipsRect(QWidget *w, double left, double top, double width, double height);
inline void setTwipsRect(QWidget *w, const QRectF &r) { setTwipsRect(w, r.x(), r.y(), r.width(), r.height()); }
void moveTwips(QWidget *w, double left, double top);
void setTwipsLeft(QWidget *w, double left);
void setTwipsTop(QWidget *w, double top);
void setTwipsWidth(QWidget *w, double width);
void setTwipsHeight(QWidget *w, double height);
void resizeTwips(QWidget *w, double width, double height);

// The kept twips follow a size the control took by itself (a picture box that
// sizes to its picture).
void syncTwipsFromPixels(QWidget *w);

} // namespace simwin
