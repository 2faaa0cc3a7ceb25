// The cover's one button handler: a selection over the button's index. The
// window buttons, the switching among the pages, the paper-list tabs and the
// review filters are here; the units page's buttons are in
// frmfengmian_units.cpp, the help topics in frmfengmian_help.cpp.
#include "cover/frmfengmian.h"

#include "auxiliary/update/frmupdata.h"
#include "foundation/globals.h"
#include "foundation/numparse.h"
#include "foundation/startup.h"
#include "foundation/ui/frmkvmsgbox.h"
#include "foundation/ui/kvelbutton.h"
#include "platform/ui/opener.h"
#include "run/runstate.h"

#include <QLabel>

void FrmFengmian::ClickBotn_Click(int index)
{
    switch (index) {
    case 2:
    case 13:
        showMinimized();
        break;
    case 3:
    case 14:
        exitAsked();
        break;
    case 4:
    case 16:
        openPage(PicTiKu, 16, &FrmFengmian::autoSelectUnit);
        break;
    case 5:
    case 17:
        openPage(PicKaCH, 17, &FrmFengmian::autoSelectTab);
        break;
    case 6:
    case 18:
        openPage(PicBiaoZhi, 18, nullptr);
        break;
    case 7:
    case 19:
        openPage(PicCuoTi, 19, nullptr);
        break;
    case 8:
        // The update window: a loaded one, hidden or not, is only shown again.
        updwin::ShowUpdate = 1;
        FrmUpdata::get().show();
        break;
    case 11:
        openPage(PicHelp, -1, nullptr);
        break;
    case 12:
        plat::openLink(fnd::InfoTable[2]);
        break;
    case 15:
        openPage(nullptr, 0, nullptr);
        break;
    case 21:
        newRandomPaper();
        break;
    case 22:
    case 23:
        // With no review filter set the page's buttons do nothing at all.
        if (BiaoZhiFilter == 0)
            break;
        if (index == 22)
            reviewPractice(index);
        else
            clearReviewList(index);
        break;
    case 24:
    case 25:
        if (CuoTiFilter == 0)
            break;
        if (index == 24)
            reviewPractice(index);
        else
            clearReviewList(index);
        break;
    case 28:
    case 29:
    case 30:
    case 31:
        paperTab(index);
        break;
    case 32:
    case 33:
    case 34:
    case 35:
    case 36:
        helpTopic(index);
        break;
    case 20:
        unitPractice();
        break;
    case 37:
    case 38:
    case 39:
        unitFilter(index);
        break;
    case 40:
    case 41:
    case 42:
    case 43:
        reviewFilter(index);
        break;
    case 47:
    case 48:
        unitGroupTab(index);
        break;
    default:
        if (index >= 49 && index <= 69)
            selectUnit(index);
        else if (index >= 70 && index <= 99)
            startPaper(index - 70);
        break;
    }
}

// The pages' picture boxes in their order; `page` shown (none: home), then
// the page tabs, the page's own step and the advert, which shows on every
// page but home.
void FrmFengmian::openPage(QLabel *page, int tab, void (FrmFengmian::*ownStep)())
{
    PicTop->setVisible(page != nullptr);
    for (QLabel *p : {PicTiKu, PicKaCH, PicBiaoZhi, PicCuoTi, PicHelp})
        p->setVisible(p == page);
    if (tab >= 0) {
        for (int i = 15; i <= 19; ++i)
            ClickBotn[size_t(i)]->setEnabled(true);
        if (tab > 0)
            ClickBotn[size_t(tab)]->setEnabled(false);
    }
    if (ownStep)
        (this->*ownStep)();
    PicAd->setVisible(page != nullptr);
}

// Confirmed, the program ends at once: no window is unloaded, and the
// records, written whole at each change, lose nothing.
void FrmFengmian::exitAsked()
{
    if (FrmKVMSGBOX::ask(QStringLiteral("退出系统"), QStringLiteral("l20071"),
                         QStringLiteral("\r\n\r\n\r\n您确实要退出学习软件吗？"))
        == 1)
        fnd::endProgram();
}

// Papers page (buttons 5 and 17): the sprint tab when a sprint paper from
// slot 1 to ChongCiLast has a best score below 75, else the mock tab.
void FrmFengmian::autoSelectTab()
{
    bool below = false;
    int i = 0;
    do {
        ++i;
        if (fnd::leadingValue(ShiJuanHis[size_t(3 * i + 2)]) < 75)
            below = true;
    } while (i < ChongCiLast && !below);
    ClickBotn_Click(below ? 28 : 29);
}

void FrmFengmian::paperTab(int index)
{
    LblNoHis->hide();
    for (int i = 28; i <= 31; ++i)
        ClickBotn[size_t(i)]->setEnabled(true);
    ClickBotn[size_t(index)]->setEnabled(false);
    paperTabRows(index);
}

// Buttons 40/41 toggle bits 1/2 of the marked page's filter, 42/43 those of
// the wrong-question page's; each shows its bit's state in its picture.
void FrmFengmian::reviewFilter(int index)
{
    qint16 &filter = index <= 41 ? BiaoZhiFilter : CuoTiFilter;
    const int bit = index % 2 == 0 ? 1 : 2;
    if (filter == bit || filter == 3)
        filter = qint16(filter - bit);
    else
        filter = qint16(filter + bit);
    const bool set = filter == bit || filter == 3;
    setButtonPicture(index, QStringLiteral("l200%1").arg(set ? index + 50 : index), QStringLiteral("clickbotn"));
}
