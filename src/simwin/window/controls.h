#pragma once
// The kinds of control the simulated window is made of. Mouse events carry the
// values the checks compare: button 1 left, 2 right, 4 middle; shift the held
// keys summed (1 Shift, 2 Ctrl, 4 Alt); x and y relative to the control in
// twips. Controls of an array carry their index.

#include <QLabel>
#include <QPixmap>
#include <QWidget>

class QKeyEvent;
class QMouseEvent;

namespace simwin {

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
    void adopt(const QPixmap &pm, const QString &name);
    QPixmap pixmap_;
    QString name_;
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
