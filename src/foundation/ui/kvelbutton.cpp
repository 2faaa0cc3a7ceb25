#include "foundation/ui/kvelbutton.h"

#include "foundation/globals.h"
#include "foundation/numparse.h"
#include "foundation/picture.h"
#include "platform/pointers.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

// Shows the whole strip at its natural size, never stretched and never greyed:
// the disabled look is the strip's own fourth frame.
class StripImage : public QWidget
{
public:
    explicit StripImage(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void setStrip(const QPixmap &pm)
    {
        strip = pm;
        resize(pm.isNull() ? QSize(0, 0) : pm.deviceIndependentSize().toSize());
        update();
    }
    QPixmap strip;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!strip.isNull())
            QPainter(this).drawPixmap(0, 0, strip);
    }
};

StripImage *strip(QWidget *w) { return static_cast<StripImage *>(w); }

} // namespace

kvelButton::kvelButton(QWidget *parent) : QWidget(parent)
{
    ImgBack = new StripImage(this);
    ImgBack->setObjectName(QStringLiteral("ImgBack"));
    ImgBack->move(0, 0);

    LblCaption = new QLabel(this);
    LblCaption->setObjectName(QStringLiteral("LblCaption"));
    LblCaption->setAttribute(Qt::WA_TransparentForMouseEvents);
    LblCaption->setAutoFillBackground(false);
    LblCaption->setMargin(0);
    LblCaption->setIndent(0);
    LblCaption->setTextFormat(Qt::PlainText);
    setForeColor(palette().color(QPalette::ButtonText));
    LblCaption->adjustSize();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &kvelButton::Timer1_Timer);

    setMouseTracking(true);
    centreCaption(false);
    // The poll runs once after creation and stops itself unless the pointer
    // rests on the button.
    Timer1->start();
}

void kvelButton::setPicture(const QPixmap &pm)
{
    strip(ImgBack)->setStrip(pm);
    pictureName_.clear();
}

bool kvelButton::loadPicture(const QString &path)
{
    const std::optional<QPixmap> pm = fnd::loadPicture(path);
    if (!pm)
        return false;
    setPicture(*pm);
    pictureName_ = QFileInfo(path).completeBaseName();
    return true;
}
QPixmap kvelButton::picture() const { return strip(ImgBack)->strip; }

void kvelButton::setCaption(const QString &text)
{
    LblCaption->setText(text);
    LblCaption->adjustSize();
    centreCaption(false);
}
QString kvelButton::caption() const { return LblCaption->text(); }

void kvelButton::setForeColor(const QColor &color)
{
    QPalette p = LblCaption->palette();
    // The caption keeps its colour when the button is disabled.
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::WindowText, color);
    LblCaption->setPalette(p);
}
QColor kvelButton::foreColor() const { return LblCaption->palette().color(QPalette::Active, QPalette::WindowText); }

void kvelButton::setCaptionFont(const QFont &font)
{
    LblCaption->setFont(font);
    LblCaption->adjustSize();
}
QFont kvelButton::captionFont() const { return LblCaption->font(); }

void kvelButton::changeCaptionFont(const std::function<void(QFont &)> &change)
{
    QFont f = LblCaption->font();
    change(f);
    setCaptionFont(f);
}

void kvelButton::setFontBold(bool bold) { changeCaptionFont([bold](QFont &f) { f.setBold(bold); }); }
bool kvelButton::fontBold() const { return LblCaption->font().bold(); }

void kvelButton::setFontName(const QString &family)
{
    if (!family.isEmpty())
        changeCaptionFont([&family](QFont &f) { f.setFamily(family); });
}
QString kvelButton::fontName() const { return LblCaption->font().family(); }

void kvelButton::setFontSize(double points)
{
    if (points > 0)
        changeCaptionFont([points](QFont &f) { f.setPointSizeF(points); });
}
double kvelButton::fontSize() const { return LblCaption->font().pointSizeF(); }

void kvelButton::setFontUnderline(bool underline)
{
    changeCaptionFont([underline](QFont &f) { f.setUnderline(underline); });
}
bool kvelButton::fontUnderline() const { return LblCaption->font().underline(); }

void kvelButton::setMousePointer(int pointer)
{
    mousePointer_ = pointer;
    applyPointer();
}
int kvelButton::mousePointer() const { return mousePointer_; }

void kvelButton::setMouseIcon(const QCursor &cursor)
{
    mouseIcon_ = cursor;
    applyPointer();
}
QCursor kvelButton::mouseIcon() const { return mouseIcon_; }

void kvelButton::applyPointer()
{
    if (mousePointer_ == plat::PointerCustom)
        setCursor(mouseIcon_);
    else if (auto c = plat::standardPointer(mousePointer_))
        setCursor(*c);
    else
        unsetCursor();
}

kvelButton::Frame kvelButton::frame() const
{
    const int w = width();
    if (w <= 0)
        return Normal;
    const int k = -ImgBack->x() / w;
    return k >= 0 && k <= 3 ? Frame(k) : Normal;
}

void kvelButton::setEnabled(bool enabled)
{
    QWidget::setEnabled(enabled);
    showFrame(ownEnabled() ? Normal : Disabled);
}

void kvelButton::showFrame(Frame f) { ImgBack->move(-int(f) * width(), 0); }

void kvelButton::centreCaption(bool pressed)
{
    // In twips, as the layout is designed: half the free room rounded to a
    // whole twip (halves to even), then cut toward zero to whole pixels of
    // 15 twips. A caption wider than the button so gets a negative left edge.
    const double perPxX = 15.0 * fnd::XBiLi;
    const double perPxY = 15.0 * fnd::YBiLi;
    auto place = [](double room) {
        const long long d = fnd::roundHalfEven(room / 2.0);
        return double(d / 15 * 15);
    };
    double left = place((width() - LblCaption->width()) * perPxX);
    double top = place((height() - LblCaption->height()) * perPxY);
    if (pressed) {
        left += perPxX;
        top += perPxY;
    }
    LblCaption->move(fnd::xTwipsToPx(left), fnd::yTwipsToPx(top));
}

// An armed poll keeps its rhythm: moves do not push its tick back.
void kvelButton::pollOn()
{
    if (!Timer1->isActive())
        Timer1->start();
}

bool kvelButton::IsMouseOver() const
{
    if (!isEnabled() || !isVisible())
        return false;
    const QWidget *w = QApplication::widgetAt(QCursor::pos());
    return w && (w == this || isAncestorOf(w));
}

void kvelButton::mousePressEvent(QMouseEvent *)
{
    showFrame(Pressed);
    centreCaption(true);
    pollOn();
}

void kvelButton::mouseMoveEvent(QMouseEvent *)
{
    if (ImgBack->x() == 0) {
        showFrame(Hover);
        centreCaption(false);
    }
    pollOn();
}

void kvelButton::mouseReleaseEvent(QMouseEvent *)
{
    showFrame(Normal);
    centreCaption(false);
    Timer1->stop();
    emit Click();
}

void kvelButton::Timer1_Timer()
{
    if (IsMouseOver())
        return;
    if (ownEnabled() && ImgBack->x() != 0) {
        showFrame(Normal);
        centreCaption(false);
    }
    Timer1->stop();
}

void kvelButton::resizeEvent(QResizeEvent *)
{
    centreCaption(false);
    ImgBack->move(ImgBack->x(), 0);
}

void kvelButton::changeEvent(QEvent *e)
{
    // Enabled written through a plain QWidget pointer; a change of the
    // window's state alone leaves the frame as it is.
    if (e->type() == QEvent::EnabledChange) {
        if (!ownEnabled())
            showFrame(Disabled);
        else if (frame() == Disabled)
            showFrame(Normal);
    }
    QWidget::changeEvent(e);
}
