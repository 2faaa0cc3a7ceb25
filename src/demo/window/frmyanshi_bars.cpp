// The demonstration's bars, drop-downs and sub-menus: the between-step
// reset, the bar layout, the item layouts with their glides, and the clicks
// the pointer's arrivals make. Every place comes from the chrome's tables
// (src/simwin/chrome), with the demonstration's own parameters: cells on
// the window, list items as wide as their panel less 30, the extra panel's
// profile, a drawing-toolbar drop-down ending on the bar's top.
#include "demo/window/frmyanshi.h"

#include "demo/player/motion.h"
#include "demo/window/lineshape.h"
#include "foundation/globals.h"
#include "run/runstate.h"
#include "simwin/chrome/clickplaces.h"
#include "simwin/chrome/menutables.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/window/twips.h"

using fnd::XBiLi;
using fnd::YBiLi;
using simwin::PictureBox;

namespace {
bool isItem(int i) { return i >= 1 && i <= FrmYanShi::MenuItems; }
} // namespace

void FrmYanShi::CSH()
{
    if (!run::YanShiRun)
        return;
    for (int i = 0; i < 10; ++i) {
        for (QLabel *l : {LRM2[size_t(i)], LRM4[size_t(i)], LRM6[size_t(i)], LRM9[size_t(i)]}) {
            l->hide();
            l->setText(QString());
        }
        LRFGX[size_t(i)]->hide();
        LRS[size_t(i)]->hide();
        LRS[size_t(i)]->setText(QString());
    }
    for (int k : {1, 3, 5, 7, 8}) {
        LRMJL[size_t(k)]->hide();
        LRMJL[size_t(k)]->setText(QString());
        ImgJLSanjiao[size_t(k)]->hide();
    }
    for (demo::LineShape *l : LRSFgx)
        l->hide();
    for (QWidget *w : {static_cast<QWidget *>(LRightMMenu), static_cast<QWidget *>(ShapeRMain),
                       static_cast<QWidget *>(LRightSub), static_cast<QWidget *>(ShapeRSUB)})
        w->hide();
    if (AimZHU != 33 && AimZHU != 34)
        Pic1J->hide();
    Pic2J->hide();
    for (PictureBox *img : {ImgMenu, ImgElse, ImgTool, ImgHui})
        img->clearPicture();
}

void FrmYanShi::ToolCSH()
{
    for (PictureBox *img : {ImgMenu, ImgHui, ImgTool, ImgElse})
        img->clearPicture();
    Pic1J->hide();
    Pic2J->hide();
    placeBarCells();
}

void FrmYanShi::ElseToolCSH() { placeExtraPanel(Pic1J); }

const chrome::PanelProfile &FrmYanShi::panelProfile() const { return chrome::DemoPanels; }

// ---- Item layouts and their glides ------------------------------------------------

namespace {
// Item cells of a layout within its panel, moved onto the window by the
// panel's corner (parked ones too).
template <size_t N>
void placeItems(const std::array<simwin::HotSpot *, N> &cells, const chrome::ItemLayout &items, const QRectF &panel)
{
    for (int i = 1; i <= FrmYanShi::MenuItems; ++i)
        simwin::setTwipsRect(cells[size_t(i)], items[i].translated(panel.topLeft()));
}
} // namespace

void FrmYanShi::Tool1JCSH()
{
    Img1J->clearPicture();
    const QRectF panel = simwin::twipsRect(Pic1J);
    placeItems(Lbl1J, chrome::dropDownItems(AimZHU, XBiLi, YBiLi, panel.width() - chrome::ListItemInset * XBiLi),
               panel);
    if (AimZHU == 33 || AimZHU == 34)
        Pic1J->show();
    // An item the drop-down does not have keeps the last target.
    if (isItem(Aim1J)) {
        const QRectF item = simwin::twipsRect(Lbl1J[size_t(Aim1J)]);
        MbX = demo::roundTo32(item.left() + item.width() / 2);
        MbY = demo::roundTo32(item.top() + item.height() / 2);
        simwin::setTwipsRect(Shape1, item);
    }
    setUpMotion();
    enable(Timer[6]);
}

void FrmYanShi::Tool2JCSH()
{
    const QRectF panel = simwin::twipsRect(Pic2J);
    const int key = AimZHU * 100 + Aim1J;
    placeItems(Lbl2J, chrome::subMenuItems(key, XBiLi, YBiLi, panel.width() - chrome::ListItemInset * XBiLi), panel);
    if (isItem(Aim2J)) {
        // Worked out in single precision, as the labels hold their places.
        const QRectF item = simwin::twipsRect(Lbl2J[size_t(Aim2J)]);
        MbX = demo::roundTo32(float(item.width()) / 2 + float(item.left()));
        MbY = demo::roundTo32(float(item.height()) / 2 + float(item.top()));
        simwin::setTwipsRect(Shape1, item);
    }
    setUpMotion();
    enable(Timer[7]);
}

// ---- Clicks ------------------------------------------------------------------------------

void FrmYanShi::ClickZHU(qint16 MM)
{
    for (PictureBox *img : {ImgMenu, ImgHui, ImgTool, ImgElse})
        img->clearPicture();
    if (Aim1J == 0 && Aim2J == 0) {
        Timer[2]->stop();
        endStep();
        return;
    }
    // A preset drop-down stays where the bar layout opened it; the pointer
    // glides on into it.
    if (MM == 33 || MM == 34) {
        Tool1JCSH();
        return;
    }
    Pic1J->hide();
    const bool known = MM >= 0 && MM <= LastHotSpot;
    const QRectF cell = known ? simwin::twipsRect(LblZHU[size_t(MM)]) : QRectF();
    const QRectF panel = simwin::twipsRect(PicElse);
    const chrome::CellClick c = chrome::cellClick(MM, cell, panel, scene::paneField(scene::StepLine), true, XBiLi);
    PictureBox *img = nullptr;
    switch (c.overlay) {
    case chrome::Bar::Menu: img = ImgMenu; break;
    case chrome::Bar::Hui: img = ImgHui; break;
    case chrome::Bar::Tool: img = ImgTool; break;
    case chrome::Bar::Else: img = ImgElse; break;
    default: break;
    }
    if (img) {
        simwin::moveTwips(img, c.pressedAt.x(), c.pressedAt.y());
        img->loadPicture(examDataPicture(c.pressed));
        simwin::syncTwipsFromPixels(img);
    }
    // A cell that opens no drop-down ends the step at its pressed picture.
    if (!c.opens) {
        endStep();
        return;
    }
    simwin::setTwipsLeft(Pic1J, c.dropLeft);
    Pic1J->loadPicture(examDataPicture(chrome::dropDownPicture(MM)));
    simwin::syncTwipsFromPixels(Pic1J);
    simwin::setTwipsTop(Pic1J, chrome::dropDownTop(c, cell, panel, simwin::twipsTop(PicHui),
                                                   simwin::twipsHeight(ImgTool), simwin::twipsHeight(Pic1J)));
    Pic1J->show();
    Tool1JCSH();
}

void FrmYanShi::Click1J(qint16 II)
{
    const QRectF drop = simwin::twipsRect(Pic1J);
    if (chrome::subMenuList().contains(AimZHU * 100 + II)) {
        Pic2J->loadPicture(examDataPicture(chrome::subMenuPicture(AimZHU, II)));
        simwin::syncTwipsFromPixels(Pic2J);
        const double top = isItem(Aim1J) ? simwin::twipsTop(Lbl1J[size_t(Aim1J)]) : simwin::twipsTop(Pic2J);
        const QPointF at = chrome::subMenuCorner(drop, top, XBiLi);
        simwin::moveTwips(Pic2J, at.x(), at.y());
        Pic2J->show();
    }
    // Kept inside the window, whether or not it opened now.
    const QPointF kept = chrome::subMenuKeptInside(simwin::twipsRect(Pic2J), drop, XBiLi, YBiLi);
    simwin::moveTwips(Pic2J, kept.x(), kept.y());

    // The clicked item's highlight; a "D" item of characters 86-95 naming
    // it shows its own picture instead.
    if (isItem(II)) {
        const QRectF item = simwin::twipsRect(Lbl1J[size_t(II)]);
        simwin::moveTwips(Img1J, item.left(), item.top());
    }
    Img1J->loadPicture(examDataPicture(chrome::itemHighlightPicture(AimZHU, II)));
    const QStringView own = scene::chars(scene::StepLine, 86, 10);
    if (scene::charAt(own, 1) == u'D' && scene::number(own, 2, 2) == AimZHU && scene::number(own, 4, 2) == II &&
        own.size() == 10)
        Img1J->loadPicture(examDataPicture(chrome::markerHoverPicture(own.mid(6, 4).toString())));
    simwin::syncTwipsFromPixels(Img1J);
    Img1J->show();

    if (Aim2J != 0)
        Tool2JCSH();
    else
        endStep();
}

void FrmYanShi::Click2J(qint16)
{
    endStep();
    Img1J->hide();
}
