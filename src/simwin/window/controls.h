#pragma once
// The kinds of control the simulated window is made of. Mouse events carry the
// values the checks compare: button 1 left, 2 right, 4 middle; shift the held
// keys summed (1 Shift, 2 Ctrl, 4 Alt); x and y relative to the control in
// twips. Controls of an array carry their index.

#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <functional>

class QKeyEvent;
class QMouseEvent;
class QPainter;
class QRegion;

namespace simwin {

// Paints each rectangle of a paint event's region under a clip of that
// rectangle alone. Under a one-rectangle clip a picture is copied line by
// line; under a clip of many the painter cuts the work into spans that it
// hands to helper threads, and waking them costs milliseconds on a busy
// machine.
void paintByRectangles(QPainter &p, const QRegion &region, const std::function<void(const QRect &)> &paint);

// The button number of a mouse event, summed over the buttons given: the
// button that changed for a press or release, the held buttons for a move.
// The shift state is scene::shiftState.
int buttonOf(Qt::MouseButtons b);

// A control that takes the mouse and reports it in the window's terms.
class MouseTarget : public QLabel
{
    Q_OBJECT
public:
    MouseTarget(QWidget *parent, const QString &name, int index);
    int index() const { return index_; }

signals:
    void mouseDown(int index, int button, int shift, double x, double y);
    void mouseMove(int index, int button, int shift, double x, double y);
    void mouseUp(int index, int button, int shift, double x, double y);
    void clicked(int index);
    void dblClicked(int index);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;

private:
    int index_;
    bool afterDoubleClick_ = false;
};

// A label that takes the mouse: hot-spot cells and target areas are
// transparent labels; a label with a caption shows it.
class HotSpot : public MouseTarget
{
    Q_OBJECT
public:
    explicit HotSpot(QWidget *parent, const QString &name, int index = -1);

    // For a hot spot that never gets a frame or a background: it draws
    // nothing but its caption, so without one it takes no paint events (a
    // repaint of a bar would paint dozens of empty cells).
    void setPaintsCaptionOnly();
    // The caption, set through here so that such a hot spot paints it.
    void setText(const QString &text);

private:
    void paintOnlyWithCaption();
    bool captionOnly_ = false;
};

// A label whose drawing is kept as a picture and copied at each paint: text
// too large for the glyph cache is filled as outlines at every paint (the
// success label's 72 points take about a millisecond). The picture is kept
// for the label's look (text, font, colour, size, pixel ratio); a label
// whose look has no kept picture draws itself as any label does. It has no
// meta-object of its own: to every reader it is a QLabel.
class KeptLabel : public QLabel
{
public:
    using QLabel::QLabel;
    // Keeps the picture of the label's look now, shown or not, so that its
    // first showing only copies it.
    void keepDrawing();

    // What the drawing depends on.
    struct Look
    {
        QString text;
        QFont font;
        QRgb colour = 0;
        QSize size;
        qreal pixelRatio = 1;
        int alignment = 0;
        bool wordWrap = false;
        bool enabled = true;
        bool operator==(const Look &o) const = default;
    };

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    Look look() const;
    bool drawing_ = false;
};

// An image or picture box: shows a picture loaded by content from a file (or
// drawn by the program), sizes itself to the picture, and takes the mouse.
// Remembers the name of the file it shows, without folder and suffix.
class PictureBox : public MouseTarget
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent, const QString &name, int index = -1);

    // Loads the file; a missing or unreadable file leaves the picture as it
    // was and returns false.
    bool loadPicture(const QString &path);
    // A picture drawn by the program (the bars' base pictures).
    void setBasePicture(const QPixmap &pm);
    // An empty picture.
    void clearPicture();
    const QPixmap &picture() const { return pixmap_; }
    // The file name shown, without folder and ".mxy"; empty for none or drawn.
    QString pictureName() const { return name_; }
    // The file shown, as it was loaded; empty for none or drawn.
    QString picturePath() const { return path_; }

    // Sizes to the picture (default), or keeps its own size; stretch draws
    // the picture over the whole control.
    void setAutoSize(bool on) { autoSize_ = on; }
    void setStretch(bool on) { stretch_ = on; update(); }
    // Back colour shown where the picture does not cover (none: transparent).
    void setBackColor(const QColor &c);

signals:
    void keyDown(QKeyEvent *e);

protected:
    void paintEvent(QPaintEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void adopt(const QPixmap &pm, const QString &name, const QString &path);
    QPixmap pixmap_;
    QString name_;
    QString path_;
    QColor back_;
    bool autoSize_ = true;
    bool stretch_ = false;
};

// A rectangle frame (hint boxes, drag outline): drawn only, the mouse passes
// through it.
class FrameShape : public QWidget
{
    Q_OBJECT
public:
    FrameShape(QWidget *parent, const QString &name, const QColor &color, int borderWidth, bool dotted = false);
    QColor borderColor() const { return color_; }
    void setBorderColor(const QColor &c);

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QColor color_;
    int border_;
    bool dotted_;
};

} // namespace simwin
