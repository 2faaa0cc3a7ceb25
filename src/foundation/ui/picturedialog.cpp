#include "foundation/ui/picturedialog.h"

#include "foundation/globals.h"
#include "foundation/infocode.h"
#include "foundation/picture.h"
#include "foundation/ui/display.h"
#include "foundation/ui/kvelbutton.h"
#include "foundation/ui/windowdrag.h"

#include <QEventLoop>
#include <QHideEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>

namespace fnd {

PictureDialog::PictureDialog(const QString &objectName, Qt::WindowFlags flags)
    : QWidget(nullptr, flags | Qt::FramelessWindowHint)
{
    setObjectName(objectName);
    setWindowModality(Qt::ApplicationModal);
    ImgLogo1 = makeLabel(this, QStringLiteral("ImgLogo1"));
    lblMove = makeLabel(this, QStringLiteral("lblMove"));
    makeDragHandle(lblMove);
}

QLabel *PictureDialog::makeLabel(QWidget *parent, const QString &name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setMargin(0);
    l->setIndent(0);
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

bool PictureDialog::loadLabelPicture(QLabel *label, const QString &name)
{
    const auto pm = loadPicture(dataFile(name));
    if (!pm)
        return false;
    label->setPixmap(*pm);
    label->adjustSize();
    return true;
}

QFont PictureDialog::songFont(double points)
{
    QFont f(QStringLiteral("宋体"));
    f.setPointSizeF(points * XBiLi);
    return f;
}

kvelButton *PictureDialog::makeButton(const QString &name)
{
    auto *b = new kvelButton(this);
    b->setObjectName(name);
    return b;
}

void PictureDialog::setIconAndTitle()
{
    if (const auto icon = loadPicture(dataFile(QStringLiteral("l62011"))))
        setWindowIcon(QIcon(*icon));
    setWindowTitle(appTitleOf(InfoTable, ExamTitle));
}

void PictureDialog::setFrame(double designWidth, double designHeight, const QString &background)
{
    widthTwips_ = xTw(designWidth);
    setFixedSize(xTwipsToPx(widthTwips_), yPx(designHeight));
    backgroundName_ = loadPictureInto(background_, dataFile(background)) ? background : QString();
}

void PictureDialog::placeLogo()
{
    ImgLogo1->move(xPx(120), yPx(90));
    loadLabelPicture(ImgLogo1, QStringLiteral("l20067"));
}

void PictureDialog::placeDragStrip(double designWidth) { lblMove->setGeometry(0, 0, xPx(designWidth), yPx(540)); }

void PictureDialog::placeCornerButton(kvelButton *button)
{
    button->setGeometry(xTwipsToPx(widthTwips_ - xTw(420)), yPx(90), xPx(330), yPx(330));
    button->loadPicture(dataFile(QStringLiteral("l20003")));
}

void PictureDialog::placeButton(kvelButton *button, double left, double top, double width, double height,
                                const QString &face)
{
    button->setGeometry(xPx(left), yPx(top), xPx(width), yPx(height));
    button->loadPicture(dataFile(face));
}

void PictureDialog::raiseChrome(std::initializer_list<QWidget *> buttons)
{
    lblMove->raise();
    for (QWidget *b : buttons)
        b->raise();
}

void PictureDialog::waitModal(PictureDialog *window)
{
    QPointer<PictureDialog> w = window;
    QEventLoop loop;
    connect(w, &PictureDialog::closed, &loop, &QEventLoop::quit);
    connect(w, &QObject::destroyed, &loop, &QEventLoop::quit);
    w->show();
    if (w && w->isVisible())
        loop.exec(QEventLoop::DialogExec);
}

void PictureDialog::paintEvent(QPaintEvent *)
{
    if (!background_.isNull())
        QPainter(this).drawPixmap(0, 0, background_);
}

void PictureDialog::showEvent(QShowEvent *e)
{
    centreOnScreen(this);
    QWidget::showEvent(e);
}

void PictureDialog::hideEvent(QHideEvent *e)
{
    QWidget::hideEvent(e);
    if (!e->spontaneous())
        emit closed();
}

} // namespace fnd
