#include "simwin/window/controls.h"

#include "foundation/globals.h"
#include "foundation/picture.h"
#include "simwin/scene/keycodes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <utility>

namespace simwin {

void paintByRectangles(QPainter &p, const QRegion &region, const std::function<void(const QRect &)> &paint)
{
    for (const QRect &r : region) {
        p.setClipRect(r);
        paint(r);
    }
}

int buttonOf(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

namespace {
int shiftOf(const QMouseEvent *e) { return scene::shiftState(e->modifiers()); }
double twX(const QMouseEvent *e) { return fnd::xPxToTwips(e->position().x()); }
double twY(const QMouseEvent *e) { return fnd::yPxToTwips(e->position().y()); }
} // namespace

// ---- MouseTarget ------------------------------------------------------------

MouseTarget::MouseTarget(QWidget *parent, const QString &name, int index) : QLabel(parent), index_(index)
{
    setObjectName(index >= 0 ? QStringLiteral("%1_%2").arg(name).arg(index) : name);
    // Captions come from the bank's files and show as written.
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
}

void MouseTarget::mousePressEvent(QMouseEvent *e)
{
    e->accept();
    emit mouseDown(index_, buttonOf(e->button()), shiftOf(e), twX(e), twY(e));
}

void MouseTarget::mouseMoveEvent(QMouseEvent *e)
{
    e->accept();
    emit mouseMove(index_, buttonOf(e->buttons()), shiftOf(e), twX(e), twY(e));
}

void MouseTarget::mouseReleaseEvent(QMouseEvent *e)
{
    e->accept();
    const bool inside = rect().contains(e->position().toPoint());
    // The release that ends a double click is no second click.
    const bool afterDouble = std::exchange(afterDoubleClick_, false);
    emit mouseUp(index_, buttonOf(e->button()), shiftOf(e), twX(e), twY(e));
    if (inside && e->button() == Qt::LeftButton && !afterDouble)
        emit clicked(index_);
}

void MouseTarget::mouseDoubleClickEvent(QMouseEvent *e)
{
    e->accept();
    afterDoubleClick_ = true;
    emit dblClicked(index_);
}

HotSpot::HotSpot(QWidget *parent, const QString &name, int index) : MouseTarget(parent, name, index)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void HotSpot::setPaintsCaptionOnly()
{
    captionOnly_ = true;
    paintOnlyWithCaption();
}

void HotSpot::setText(const QString &text)
{
    QLabel::setText(text);
    paintOnlyWithCaption();
}

// A widget without updates is left out of its parent's repaints.
void HotSpot::paintOnlyWithCaption()
{
    if (captionOnly_)
        setUpdatesEnabled(!text().isEmpty());
}

// ---- KeptLabel -------------------------------------------------------------------

namespace {
// The kept drawing of the last look drawn, for the whole run of the program
// (the simulated window is made anew for every practice); let go before the
// application ends, with its pixmaps.
struct KeptDrawing {
    KeptLabel::Look look;
    QPixmap picture;
};
KeptDrawing &keptDrawing()
{
    static KeptDrawing *kept = [] {
        auto *k = new KeptDrawing;
        qAddPostRoutine([] { keptDrawing() = KeptDrawing(); });
        return k;
    }();
    return *kept;
}
} // namespace

KeptLabel::Look KeptLabel::look() const
{
    return {text(),         font(),   palette().color(foregroundRole()).rgba(), size(), devicePixelRatioF(),
            int(alignment()), wordWrap(), isEnabled()};
}

void KeptLabel::keepDrawing()
{
    KeptDrawing &kept = keptDrawing();
    Look now = look();
    if ((kept.look == now && !kept.picture.isNull()) || size().isEmpty())
        return;
    const qreal dpr = devicePixelRatioF();
    QPixmap pm(size() * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    drawing_ = true;
    render(&pm, QPoint(), QRegion(), RenderFlags());
    drawing_ = false;
    kept = {std::move(now), pm};
}

void KeptLabel::paintEvent(QPaintEvent *e)
{
    const KeptDrawing &kept = keptDrawing();
    if (drawing_ || kept.picture.isNull() || !(kept.look == look())) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    p.drawPixmap(0, 0, kept.picture);
}

// ---- PictureBox -----------------------------------------------------------------

PictureBox::PictureBox(QWidget *parent, const QString &name, int index) : MouseTarget(parent, name, index)
{
    resize(0, 0);
}

void PictureBox::adopt(const QPixmap &pm, const QString &name, const QString &path)
{
    pixmap_ = pm;
    name_ = name;
    path_ = path;
    if (autoSize_ && !pm.isNull()) {
        const QSize s = pm.deviceIndependentSize().toSize();
        if (s != size())
            resize(s);
    }
    update();
}

bool PictureBox::loadPicture(const QString &path)
{
    QPixmap pm;
    if (!fnd::loadPictureInto(pm, path))
        return false;
    QString name = QFileInfo(path).fileName();
    if (name.endsWith(QLatin1String(".mxy"), Qt::CaseInsensitive))
        name.chop(4);
    adopt(pm, name, path);
    return true;
}

void PictureBox::setBasePicture(const QPixmap &pm) { adopt(pm, QString(), QString()); }

void PictureBox::clearPicture()
{
    pixmap_ = QPixmap();
    name_.clear();
    path_.clear();
    update();
}

void PictureBox::setBackColor(const QColor &c)
{
    back_ = c;
    update();
}

void PictureBox::paintEvent(QPaintEvent *e)
{
    QPainter p(this);
    paintByRectangles(p, e->region(), [&](const QRect &r) {
        if (back_.isValid())
            p.fillRect(r, back_);
        if (pixmap_.isNull())
            return;
        if (stretch_)
            p.drawPixmap(rect(), pixmap_);
        else
            p.drawPixmap(0, 0, pixmap_);
    });
}

// A key goes to the picture box that holds the focus and no further: the
// window's own key-down is for keys no control took.
void PictureBox::keyPressEvent(QKeyEvent *e)
{
    e->accept();
    emit keyDown(e);
}

// ---- FrameShape ------------------------------------------------------------------

FrameShape::FrameShape(QWidget *parent, const QString &name, const QColor &color, int borderWidth, bool dotted)
    : QWidget(parent), color_(color), border_(borderWidth), dotted_(dotted)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
}

void FrameShape::setBorderColor(const QColor &c)
{
    color_ = c;
    update();
}

void FrameShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QPen pen(color_, border_);
    pen.setJoinStyle(Qt::MiterJoin);
    if (dotted_)
        pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const qreal inset = border_ / 2.0;
    p.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

} // namespace simwin
