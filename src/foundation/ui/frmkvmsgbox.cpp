#include "foundation/ui/frmkvmsgbox.h"

#include "foundation/globals.h"
#include "foundation/ui/kvelbutton.h"

#include <QLabel>
#include <QShowEvent>

FrmKVMSGBOX::FrmKVMSGBOX()
    : PictureWindow(QStringLiteral("FrmKVMSGBOX"), Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    LblTitle = makeLabel(this, QStringLiteral("LblTitle"));
    LblTitle->setText(QStringLiteral("Velkor提示信息"));
    QPalette white = LblTitle->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    LblTitle->setPalette(white);
    LblPrompt = makeLabel(this, QStringLiteral("LblPrompt"));
    LblPrompt->setText(QStringLiteral("你要清除全部题目吗？"));
    LblPrompt->setWordWrap(true);
    LblPrompt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1 = makeLabel(this, QStringLiteral("Image1"));
    for (int i = 0; i < 4; ++i) {
        kvelButton *b = makeButton(QStringLiteral("LblClick_%1").arg(i));
        connect(b, &kvelButton::Click, this, [this, i] { LblClick_Click(i); });
        LblClick[i] = b;
    }
}

void FrmKVMSGBOX::formLoad()
{
    using fnd::xPx;
    using fnd::yPx;
    // Each picture that is missing leaves its element empty; the box opens.
    setIconAndTitle();
    setFrame(5550, 3750, QStringLiteral("l20069"));
    placeLogo();

    LblTitle->move(xPx(600), yPx(180));
    LblTitle->setFont(songFont(10));
    LblTitle->adjustSize();

    LblPrompt->setGeometry(xPx(1200), yPx(720), xPx(4080), yPx(1920));
    LblPrompt->setFont(songFont(10));

    Image1->move(xPx(240), yPx(690));

    placeDragStrip(4500);

    placeButton(LblClick[0], 3960, 2880, 1350, 450, QStringLiteral("l20000"));
    placeButton(LblClick[1], 2460, 2880, 1350, 450, QStringLiteral("l20001"));
    placeCornerButton(LblClick[3]);
    placeButton(LblClick[2], 4560, 120, 330, 330, QStringLiteral("l20002"));
    LblClick[2]->hide();
    // The drag strip lies over the painted title bar, under the buttons.
    raiseChrome({LblClick[3], LblClick[2]});
}

void FrmKVMSGBOX::setIcon(const QString &iconName)
{
    Image1->clear();
    loadLabelPicture(Image1, iconName);
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
    waitModal(&get());
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

void FrmKVMSGBOX::showEvent(QShowEvent *e)
{
    // The box answers for itself: nothing confirmed yet.
    fnd::MsgResult = 0;
    LblTitle->adjustSize();
    PictureWindow::showEvent(e);
}
