#pragma once
// The picture button every window uses: one picture holding four frames side
// by side (normal, hover, pressed, disabled), each as wide as the button, and
// an optional caption centred over it. It raises one signal, Click, at every
// mouse-button release that follows a press on it (any button, wherever the
// pointer is by then).
//
// The frame on show is the strip's left edge alone (0, -W, -2W, -3W). A
// 100 ms poll, running only while the pointer rests on the button or a press
// is held, brings the normal frame back once the pointer has gone.
//
//   auto *b = new kvelButton(parent);
//   b->setObjectName("ClickBotn_3");
//   b->setGeometry(...);                 // position and size from the window
//   b->setPicture(*fnd::loadPicture(fnd::dataFile("l20000")));
//   b->setCaption("开始");
//   connect(b, &kvelButton::Click, this, [this] { ClickBotn_Click(3); });
//
// Enabled is the button's own (not its window's): setEnabled(false) shows the
// disabled frame and the button takes no mouse events; setEnabled(true) shows
// the normal frame, even on a button that was enabled already. A disabled
// window takes the clicks away but leaves its buttons' frames alone.

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QPixmap>
#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

class kvelButton : public QWidget
{
    Q_OBJECT
public:
    enum Frame { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

    explicit kvelButton(QWidget *parent = nullptr);

    // The strip. Replacing it keeps the frame on show and the button's size.
    void setPicture(const QPixmap &strip);
    QPixmap picture() const;
    // The strip from a picture file; a missing or unreadable file leaves the
    // picture as it was and gives false. The name of the file shown (without
    // folder and suffix) is kept for tools; a strip set directly has none.
    bool loadPicture(const QString &path);
    QString pictureName() const { return pictureName_; }

    // Setting the caption re-centres it (without the pressed offset).
    void setCaption(const QString &text);
    QString caption() const;

    // Caption colour and font. These change the caption only; it is centred
    // again at the next press, move, release, resize or caption change.
    void setForeColor(const QColor &color);
    QColor foreColor() const;
    void setCaptionFont(const QFont &font);
    QFont captionFont() const;
    void setFontBold(bool bold);
    bool fontBold() const;
    void setFontName(const QString &family); // "" keeps the current face
    QString fontName() const;
    void setFontSize(double points); // 0 keeps the current size
    double fontSize() const;
    void setFontUnderline(bool underline);
    bool fontUnderline() const;

    // The pointer over the whole button: a standard pointer number, or 99 for
    // the button's own MouseIcon.
    void setMousePointer(int pointer);
    int mousePointer() const;
    void setMouseIcon(const QCursor &cursor);
    QCursor mouseIcon() const;

    // Writes Enabled and shows the frame for it: normal or disabled. It hides
    // QWidget::setEnabled so that writing True on an enabled button in its
    // hover or pressed frame still brings the normal one back.
    void setEnabled(bool enabled);

    // The frame the strip shows now (read from its left edge).
    Frame frame() const;

    // True when the window under the pointer is this enabled button (or its
    // caption): another window lying over it makes it false.
    bool IsMouseOver() const;

    // The parts, named ImgBack, LblCaption and Timer1.
    QWidget *ImgBack;
    QLabel *LblCaption;
    QTimer *Timer1;

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void showFrame(Frame f);
    // Enabled as written on the button itself, whatever its window's state.
    bool ownEnabled() const { return !testAttribute(Qt::WA_ForceDisabled); }
    void centreCaption(bool pressed);
    // Edits a copy of the caption's font and sets it.
    void changeCaptionFont(const std::function<void(QFont &)> &change);
    void applyPointer();
    void pollOn();
    void Timer1_Timer();

    int mousePointer_ = 0;
    QString pictureName_;
    QCursor mouseIcon_;
};
