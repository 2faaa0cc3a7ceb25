// The cover's links: the advert panel (loaded with the window) and the info
// labels of the home page.
#include "cover/frmfengmian.h"

#include "auxiliary/about/frmabout.h"
#include "bank/bankfiles.h"
#include "foundation/errreport.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/showntext.h"
#include "foundation/blanks.h"
#include "platform/ui/opener.h"
#include "run/coverdata.h"
#include "run/records.h"
#include "simwin/scene/cursorshape.h"

#include <QLabel>

namespace {

// The cover's own links, opened instead of the product information's when
// its entry 26 begins with "2099": placeholders of our own.
struct InfoLink {
    int index;
    const char *builtIn;
    int entry; // InfoTable entry
};
constexpr InfoLink InfoLinks[] = {
    {1, "https://www.example.org/", 1},         {17, "https://www.example.org/", 1},
    {18, "https://www.example.net/", 2},        {3, "https://www.example.org/service/1", 3},
    {20, "https://www.example.org/service/1", 3}, {19, "https://www.example.org/service/2", 4},
};

} // namespace

// Load steps 7 to 12: the advert file (a missing or short file gives an
// empty text, colour 0 and no link), the label sized to its caption and the
// hidden panel sized to the label.
void FrmFengmian::loadAdvert()
{
    // Its three lines, each no longer than a shown text can use.
    const auto lines = fnd::readHeadLines(run::recordPath(bank::AdFile), 3, 2 * fnd::ShownTextLimit);
    const run::Advert ad = run::readAdvert(lines ? lines->lines : QStringList());
    AdUrl = ad.url;
    PicAd->move(fnd::xPx(3000), fnd::yPx(8100));
    LblAD->move(0, 0);
    if (const auto cursor = scene::loadCursorFile(fnd::dataFile(QStringLiteral("9l0015"))))
        LblAD->setCursor(*cursor);
    else
        fnd::reportMissingFile(QStringLiteral("form_load"), QStringLiteral("9l0015"));
    QFont f(QStringLiteral("宋体"));
    f.setPointSizeF(10 * fnd::XBiLi);
    LblAD->setFont(f);
    LblAD->setText(fnd::shownText(ad.text));
    // 0x00BBGGRR: red in the low byte.
    const QColor fore(int(ad.colour & 0xff), int((ad.colour >> 8) & 0xff), int((ad.colour >> 16) & 0xff));
    QPalette pal = LblAD->palette();
    pal.setColor(QPalette::WindowText, fore);
    LblAD->setPalette(pal);
    LblAD->adjustSize();
    PicAd->resize(LblAD->size());
    PicAd->hide();
}

void FrmFengmian::LblAD_Click() { plat::openLink(AdUrl); }

void FrmFengmian::LblInfo_Click(int index)
{
    if (index == 0 || index == 21) {
        FrmAbout::showModal();
        return;
    }
    for (const InfoLink &l : InfoLinks) {
        if (l.index != index)
            continue;
        const bool builtIn = fnd::trimBlanks(fnd::InfoTable[26]).left(4) == u"2099";
        plat::openLink(builtIn ? QString::fromLatin1(l.builtIn) : fnd::InfoTable[size_t(l.entry)]);
        return;
    }
}
