#include "auxiliary/ime/frmime.h"

#include "bank/bankfiles.h"
#include "examflow/frmtm.h"
#include "foundation/globals.h"
#include "foundation/ui/kvelbutton.h"
#include "run/records.h"
#include "run/runstate.h"
#include "simwin/window/frmmain.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>

FrmIME::FrmIME() : PictureWindow(QStringLiteral("FrmIME"), Qt::Tool)
{
    // The box comes first in the tab order: it holds the focus at opening.
    Check1 = new QCheckBox(QStringLiteral("调用输入法"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    {
        QPalette p = Check1->palette();
        p.setColor(QPalette::WindowText, QColor(255, 0, 0));
        p.setColor(QPalette::Window, QColor(255, 255, 225));
        Check1->setPalette(p);
        Check1->setAutoFillBackground(true);
    }
    Label1[0] = makeLabel(this, QStringLiteral("Label1_0"));
    Label1[0]->setWordWrap(true);
    Label1[0]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1[0]->setText(QStringLiteral(
        "如果输入文字时出现计算机考试***.exe遇到问题需要关闭时，说明您另外安装的输入法和本软件不兼容，"
        "您可以取消调用输入法，在您需要输入汉字时，可以按Ctrl+Shift键切换，或者点击电脑右下角的输入法按钮。"));
    Label1[2] = makeLabel(this, QStringLiteral("Label1_2"));
    Label1[2]->setText(QStringLiteral("输入法调用提示"));
    {
        QPalette p = Label1[2]->palette();
        p.setColor(QPalette::WindowText, Qt::white);
        Label1[2]->setPalette(p);
    }
    for (int i = 0; i < 2; ++i)
        LblClick[size_t(i)] = makeCloseButton(QStringLiteral("LblClick_%1").arg(i));
    // The notice reaches down over the box's top: as in the design, a label
    // lies under the box and the whole box takes the clicks.
    Check1->raise();
    // A programmatic tick stores as a user's click does.
    connect(Check1, &QCheckBox::toggled, this, &FrmIME::Check1_Click);
    Check1->setFocus();
}

void FrmIME::formLoad()
{
    using fnd::xPx;
    using fnd::yPx;
    // A step that fails (a missing picture) leaves its part empty.
    // 1-2. Icon, title, size, background; not topmost.
    setIconAndTitle();
    setFrame(6300, 4200, QStringLiteral("l20070"));
    // 3. Logo, drag strip.
    placeLogo();
    placeDragStrip(5580);
    // 4. Close buttons; the bottom one at 4620, left of the about window's.
    placeCornerButton(LblClick[0]);
    placeButton(LblClick[1], 4620, 3480, 1350, 450, QStringLiteral("l20001"));
    // 5. The notice, the box, the title.
    Label1[0]->setGeometry(xPx(720), yPx(1440), xPx(4695), yPx(1215));
    {
        QFont f = Label1[0]->font();
        f.setPointSizeF(9 * fnd::XBiLi);
        Label1[0]->setFont(f);
        f = Check1->font();
        f.setPointSizeF(9 * fnd::XBiLi);
        Check1->setFont(f);
    }
    Check1->setGeometry(xPx(2400), yPx(2520), xPx(1455), yPx(255));
    Label1[2]->move(xPx(600), yPx(180));
    Label1[2]->setFont(songFont(10));
    Label1[2]->adjustSize();
    raiseChrome({LblClick[0], LblClick[1]});
    // 6-7. The option: only a first line "1" (blanks around it aside) is on,
    // and ticking the box stores it at once. Anything else leaves the box,
    // the file and UseIME as they are.
    Check1->setChecked(run::readRecordLine(bank::ImeOptionFile) == u"1");
}

void FrmIME::Check1_Click(bool ticked)
{
    if (!run::writeRecordLine(bank::ImeOptionFile, ticked ? QStringLiteral("1") : QStringLiteral("0"))) {
        // Logged by the writer. The box goes back to what is stored, without
        // storing again, and UseIME keeps its value.
        const QSignalBlocker quiet(Check1);
        Check1->setChecked(!ticked);
        return;
    }
    run::UseIME = ticked;
}

void FrmIME::formUnload()
{
    // However the notice closes: the simulated window back and active, the
    // question window at full size at its bottom-right corner, its bar gone.
    // Only windows that are loaded are touched: the hand-in may close the
    // notice while it unloads the question windows, and loading one here
    // would start it without a run.
    FrmMain *main = FrmMain::loaded();
    if (main)
        FrmTm::showNormalState(*main);
    if (FrmTm *tm = FrmTm::loaded())
        tm->fullSize(main);
}
