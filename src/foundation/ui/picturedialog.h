#pragma once
// The frame the program's small picture windows share (the message box, the
// about window, the input-method notice): no system frame and no task-bar
// button, a background picture of the data folder painted at the top-left
// corner, the logo "l20067" in the top-left corner, a transparent drag strip
// lblMove along the top, picture buttons that close the window, the icon
// "l62011" and the program's title. It opens centred on the screen and is
// shown modally to the whole program, without an owner: waitModal returns
// once the window has been hidden (closed) or destroyed.
//
// A window derives from PictureWindow<T> (the frame and Form<T>), lays its
// own controls out in its load with the helpers below, and opens through
// T::showModal(), which loads a fresh window at every opening and unloads it
// once it has closed.

#include "foundation/ui/form.h"
#include "foundation/ui/kvelbutton.h"

#include <QCloseEvent>
#include <QPixmap>
#include <QString>
#include <QWidget>

class QLabel;

namespace fnd {

class PictureDialog : public QWidget
{
    Q_OBJECT
public:
    QLabel *ImgLogo1 = nullptr;
    QLabel *lblMove = nullptr;

    // The background picture's name, "" when none was loaded.
    QString backgroundName() const { return backgroundName_; }

    // Shows the window modally and returns once it has been hidden or
    // destroyed.
    static void waitModal(PictureDialog *window);

    // A transparent label without margins that shows its text as plain text.
    static QLabel *makeLabel(QWidget *parent, const QString &name);
    // The data folder's picture `name` on the label, which takes its size; a
    // missing picture leaves the label as it was and gives false.
    static bool loadLabelPicture(QLabel *label, const QString &name);
    // "宋体" at points × XBiLi.
    static QFont songFont(double points);

signals:
    void closed();

protected:
    // flags: the window kind besides the missing frame (a dialog, a tool
    // window without a task-bar button; topmost or not).
    PictureDialog(const QString &objectName, Qt::WindowFlags flags);

    // The load's common steps, each going on whatever the one before did:
    // icon "l62011" and the program's title;
    void setIconAndTitle();
    // the size, design twips times the factors, and the background picture;
    void setFrame(double designWidth, double designHeight, const QString &background);
    // the logo at (120·X, 90·Y) at its own size;
    void placeLogo();
    // the drag strip at the top-left corner, designWidth by 540·Y;
    void placeDragStrip(double designWidth);
    // a close button at the top-right corner, its left the window's width
    // as set minus 420·X, 330·X by 330·Y at 90·Y, face "l20003";
    void placeCornerButton(kvelButton *button);
    // a button's place in design twips and its face (a data-folder picture);
    static void placeButton(kvelButton *button, double left, double top, double width, double height,
                            const QString &face);
    // the drag strip over the labels, the buttons over the strip.
    void raiseChrome(std::initializer_list<QWidget *> buttons);

    // A picture button named `name` on the window.
    kvelButton *makeButton(const QString &name);

    void paintEvent(QPaintEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;

private:
    QPixmap background_;
    QString backgroundName_;
    double widthTwips_ = 0; // the window's width as set, in twips
};

// One of the program's windows on the frame, whose close buttons and the
// system's close command all unload it.
template <class T>
class PictureWindow : public PictureDialog, public Form<T>
{
public:
    // Loads and shows the window modally; returns once it has closed, and
    // it is unloaded then.
    static void showModal()
    {
        waitModal(&Form<T>::get());
        Form<T>::unload();
    }

protected:
    using PictureDialog::PictureDialog;

    // A button that unloads the window, whichever mouse button released it.
    kvelButton *makeCloseButton(const QString &name)
    {
        kvelButton *b = makeButton(name);
        QObject::connect(b, &kvelButton::Click, this, [] { Form<T>::unload(); });
        return b;
    }

    void closeEvent(QCloseEvent *e) override
    {
        e->accept();
        Form<T>::unload();
    }
};

} // namespace fnd
