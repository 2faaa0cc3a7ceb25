// The language-bar menu of the question window: the installed layouts in a
// pop-up above the indicator LblIME, and the choice that the simulated
// window's typing boxes activate on focus.
#include "examflow/examstate.h"
#include "examflow/frmtm.h"

#include "foundation/globals.h"
#include "platform/keyboardlayout.h"
#include "run/runstate.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/popupchoice.h"
#include "simwin/window/twips.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

using simwin::twipsLeft;
using simwin::twipsTop;

// Every item selects the layout it names: mEng the first layout without an
// input-method description, mCn k the k-th layout with one (0 when there is
// none). Selecting by list position instead would pair a caption with another
// layout whenever the layouts without a description are not all first.
void FrmTm::fillImeMenu()
{
    ImeCount = 1;
    HklList.fill(0);
    const QList<quint32> layouts = plat::keyboardLayoutList();
    for (qsizetype i = 0; i < layouts.size() && i < plat::MaxLayouts; ++i)
        HklList[size_t(i + 1)] = qint32(layouts[i]);
    mEng->setText(QStringLiteral("英语（美国）"));
    mEng->setData(0u);
    for (int k = 1; k <= ImeItems; ++k)
        mCn[k]->setData(0u);
    bool engFound = false;
    for (qsizetype i = 0; i < layouts.size() && i < plat::MaxLayouts; ++i) {
        const quint32 h = layouts[i];
        const QString desc = plat::imeDescription(h);
        if (desc.isEmpty()) {
            if (!engFound)
                mEng->setData(h);
            engFound = true;
            continue;
        }
        if (ImeCount >= 1 && ImeCount <= ImeItems) {
            mCn[ImeCount]->setText(desc);
            mCn[ImeCount]->setData(h);
        }
        ++ImeCount;
    }
    for (int k = 2; k <= ImeItems; ++k)
        mCn[k]->setVisible(ImeCount >= k + 1);
}

void FrmTm::LblIME_Click()
{
    if (!run::UseIME)
        return;
    // Right-aligned: the menu's right edge at the indicator's left, its top
    // 300 twips (unscaled) per counted item above the indicator.
    const double top = twipsTop(LblIME) + twipsTop(FrmZhuYa) - ImeCount * 300.0;
    const QPoint rightTop = mapToGlobal(QPoint(fnd::xPx(twipsLeft(LblIME)), fnd::yPx(top)));
    simwin::execPopup(*mIme, rightTop - QPoint(mIme->sizeHint().width(), 0));
}

void FrmTm::chooseLayout(const QAction *item)
{
    exam::CurHKL = item->data().toUInt();
    FrmMain *w = FrmMain::loaded();
    if (!w)
        return;
    w->showNormal();
    w->show();
    // The box's focus handler activates CurHKL when UseIME is on.
    w->activateWindow();
    w->Text1->setFocus(Qt::OtherFocusReason);
}
