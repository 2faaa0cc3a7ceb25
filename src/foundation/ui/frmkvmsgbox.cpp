#include "foundation/ui/frmkvmsgbox.h"

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

namespace {

QLabel *makeLabel(QWidget *parent, const char *name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setMargin(0);
    l->setIndent(0);
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

void loadPictureInto(QLabel *label, const QString &name)
{
    if (auto pm = fnd::loadPicture(fnd::dataFile(name))) {
        label->setPixmap(*pm);
        label->adjustSize();
    }
}

QFont captionFont()
{
    QFont f(QStringLiteral("宋体"));
    f.setPointSizeF(10 * fnd::XBiLi);
    return f;
}

} // namespace

FrmKVMSGBOX::FrmKVMSGBOX() : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FrmKVMSGBOX"));
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose, false);

    ImgLogo1 = makeLabel(this, "ImgLogo1");
    LblTitle = makeLabel(this, "LblTitle");
    LblTitle->setText(QStringLiteral("Velkor提示信息"));
    QPalette white = LblTitle->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    LblTitle->setPalette(white);
    LblPrompt = makeLabel(this, "LblPrompt");
    LblPrompt->setText(QStringLiteral("你要清除全部题目吗？"));
    LblPrompt->setWordWrap(true);
    LblPrompt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1 = makeLabel(this, "Image1");
    lblMove = makeLabel(this, "lblMove");
    fnd::makeDragHandle(lblMove);
    for (int i = 0; i < 4; ++i) {
        auto *b = new kvelButton(this);
        b->setObjectName(QStringLiteral("LblClick_%1").arg(i));
        connect(b, &kvelButton::Click, this, [this, i] { LblClick_Click(i); });
        LblClick[i] = b;
    }
}

void FrmKVMSGBOX::formLoad()
{
    using fnd::xPx;
    using fnd::yPx;
    // Each picture that is missing leaves its element empty; the box opens.
    if (auto icon = fnd::loadPicture(fnd::dataFile(QStringLiteral("l62011"))))
        setWindowIcon(QIcon(*icon));
    setWindowTitle(fnd::appTitleOf(fnd::InfoTable, fnd::ExamTitle));
    const double widthTw = fnd::xTw(5550);
    setFixedSize(fnd::xTwipsToPx(widthTw), yPx(3750));
    fnd::loadPictureInto(background_, fnd::dataFile(QStringLiteral("l20069")));

    ImgLogo1->move(xPx(120), yPx(90));
    loadPictureInto(ImgLogo1, QStringLiteral("l20067"));

    LblTitle->move(xPx(600), yPx(180));
    LblTitle->setFont(captionFont());
    LblTitle->adjustSize();

    LblPrompt->setGeometry(xPx(1200), yPx(720), xPx(4080), yPx(1920));
    LblPrompt->setFont(captionFont());

    Image1->move(xPx(240), yPx(690));

    lblMove->setGeometry(0, 0, xPx(4500), yPx(540));

    LblClick[0]->setGeometry(xPx(3960), yPx(2880), xPx(1350), yPx(450));
    LblClick[1]->setGeometry(xPx(2460), yPx(2880), xPx(1350), yPx(450));
    LblClick[3]->setGeometry(fnd::xTwipsToPx(widthTw - fnd::xTw(420)), yPx(90), xPx(330), yPx(330));
    LblClick[2]->setGeometry(xPx(4560), yPx(120), xPx(330), yPx(330));
    LblClick[2]->hide();
    for (int i = 0; i < 4; ++i) {
        if (auto strip = fnd::loadPicture(fnd::dataFile(QStringLiteral("l2000%1").arg(i))))
            LblClick[i]->setPicture(*strip);
    }
    // The drag strip lies over the painted title bar, under the buttons.
    lblMove->raise();
    LblClick[3]->raise();
    LblClick[2]->raise();
}

void FrmKVMSGBOX::setIcon(const QString &iconName)
{
    Image1->clear();
    loadPictureInto(Image1, iconName);
}

void FrmKVMSGBOX::setPrompt(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    LblPrompt->setText(t);
}

qint16 FrmKVMSGBOX::ask(const QString &title, const QString &iconName, const QString &prompt)
{
    fnd::MsgResult = 0;
    FrmKVMSGBOX &box = get();
    box.LblTitle->setText(title);
    box.LblTitle->adjustSize();
    box.setIcon(iconName);
    box.setPrompt(prompt);
    return showModal();
}

qint16 FrmKVMSGBOX::showModal()
{
    QPointer<FrmKVMSGBOX> box = &get();
    QEventLoop loop;
    connect(box, &FrmKVMSGBOX::closed, &loop, &QEventLoop::quit);
    connect(box, &QObject::destroyed, &loop, &QEventLoop::quit);
    box->show();
    if (box && box->isVisible())
        loop.exec(QEventLoop::DialogExec);
    // However it closed, the box is gone afterwards.
    unload();
    return fnd::MsgResult;
}

void FrmKVMSGBOX::LblClick_Click(int index)
{
    if (index == 1)
        fnd::MsgResult = 1;
    unload();
}

void FrmKVMSGBOX::paintEvent(QPaintEvent *)
{
    if (!background_.isNull())
        QPainter(this).drawPixmap(0, 0, background_);
}

void FrmKVMSGBOX::showEvent(QShowEvent *e)
{
    // The box answers for itself: nothing confirmed yet.
    fnd::MsgResult = 0;
    LblTitle->adjustSize();
    fnd::centreOnScreen(this);
    QWidget::showEvent(e);
}

void FrmKVMSGBOX::hideEvent(QHideEvent *e)
{
    QWidget::hideEvent(e);
    if (!e->spontaneous())
        emit closed();
}
