// The simulated window's bars: the four bar boxes with their cells, overlay
// images and hint frames, the two drop-down panels, and the procedures that
// lay them out. Clicks and hovers on the cells belong to the chrome's own
// handlers below.
#include "simwin/window/frmmain.h"

#include "foundation/globals.h"
#include "simwin/checks/menutargets.h"
#include "simwin/checks/popupmenu.h"
#include "simwin/chrome/clickplaces.h"
#include "simwin/chrome/hotspotlayout.h"
#include "simwin/chrome/menutables.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/window/twips.h"

#include <QHash>

using simwin::FrameShape;
using simwin::HotSpot;
using simwin::PictureBox;

QString FrmMain::toolTipText(int hotSpot)
{
    static const QHash<int, QString> table = [] {
        QHash<int, QString> t;
        const std::pair<int, const char *> rows[] = {
            {41, "新建普通网页"}, {43, "打开"}, {45, "保存"}, {46, "查找"}, {47, "发布网站"},
            {48, "切换窗格"}, {50, "打印"}, {51, "在浏览器中预览"},
            {53, "拼写检查"}, {54, "剪切"}, {55, "复制"}, {56, "粘贴"}, {57, "格式刷"}, {58, "撤消"},
            {59, "恢复"}, {60, "Web组件"}, {61, "插入表格"}, {62, "插入层"}, {63, "插入文件中的图片"},
            {64, "绘图"}, {65, "插入超链接"}, {66, "刷新"}, {67, "停止"}, {68, "全部显示"},
            {69, "中文简繁转换"}, {70, "样式"}, {71, "字体"}, {72, "字号"}, {73, "加粗"}, {74, "倾斜"},
            {75, "下划线"}, {76, "左对齐"}, {77, "居中对齐"}, {78, "右对齐"}, {79, "两端对齐"},
            {80, "增大字号"}, {81, "减小字号"}, {82, "编号"}, {83, "项目符号"}, {84, "减少缩进量"},
            {85, "增加缩进量"}, {86, "框线"}, {87, "突出显示(非突出显示)"},
            {14, "直线"}, {15, "箭头"}, {16, "矩形"}, {17, "椭圆"}, {18, "文本框"}, {19, "竖排文本框"},
            {20, "插入艺术字"}, {21, "插入组织结构图或其它图示"}, {22, "插入剪贴画"},
            {23, "插入文件中的图片"}, {24, "填充颜色"}, {25, "线条颜色"}, {26, "字体颜色"}, {27, "线型"},
            {28, "虚线线型"}, {29, "箭头样式"}, {30, "阴影样式"}, {31, "三维效果样式"}};
        for (const auto &[cell, text] : rows)
            t.insert(cell, QString::fromUtf8(text));
        return t;
    }();
    return table.value(hotSpot);
}

void FrmMain::buildDropDowns()
{
    // Drop-down panels, parked and hidden until the chrome opens them.
    auto panel = [this](const char *name, PictureBox *&box) {
        box = new PictureBox(this, QString::fromLatin1(name));
        box->setFocusPolicy(Qt::ClickFocus);
        box->hide();
    };
    panel("Pic1J", Pic1J);
    Img1jBK = new PictureBox(Pic1J, QStringLiteral("Img1jBK"));
    Img1J = new PictureBox(Pic1J, QStringLiteral("Img1J"));
    for (int i = 1; i <= MenuItems; ++i) {
        Lbl1J[i] = new HotSpot(Pic1J, QStringLiteral("Lbl1J"), i);
        Lbl1J[i]->setPaintsCaptionOnly();
    }
    panel("Pic2J", Pic2J);
    Img2J = new PictureBox(Pic2J, QStringLiteral("Img2J"));
    for (int i = 1; i <= MenuItems; ++i) {
        Lbl2J[i] = new HotSpot(Pic2J, QStringLiteral("Lbl2J"), i);
        Lbl2J[i]->setPaintsCaptionOnly();
    }
}

void FrmMain::ToolCSH()
{
    for (PictureBox *img : {ImgMenu, ImgHui, ImgTool, ImgElse})
        img->clearPicture();
    Pic1J->hide();
    Pic2J->hide();
    placeBarCells();
}

void FrmMain::frmCsh()
{
    if (CurZHU != 33 && CurZHU != 34) {
        Pic1J->hide();
        CurZHU = 0;
    }
    Pic2J->hide();
    for (PictureBox *img : {ImgMenu, ImgTool, ImgElse, ImgHui})
        img->clearPicture();
}

// The step's extra panel; its preset drop-down is shown now and opened by
// the tick.
void FrmMain::ElseToolCSH()
{
    if (placeExtraPanel(Pic1J))
        TimTool->start();
}

const chrome::PanelProfile &FrmMain::panelProfile() const { return chrome::SimulatedPanels; }

// Lays out the items of the drop-down of CurZHU over its picture, and the
// marker of the step's marked item.
void FrmMain::Tool1JCSH()
{
    Img1J->clearPicture();
    for (int i = 1; i <= MenuItems; ++i)
        simwin::setTwipsRect(Lbl1J[size_t(i)], chrome::resetItem());
    const chrome::ItemLayout items = chrome::dropDownItems(CurZHU, fnd::XBiLi, fnd::YBiLi);
    for (int i = 1; i <= items.count; ++i)
        simwin::setTwipsRect(Lbl1J[size_t(i)], items[i]);
    if (CurZHU == 33 || CurZHU == 34)
        Pic1J->show();
    Img1jBK->hide();
    if (const auto marker = chk::dropDownMarker(scene::StepLine, CurZHU)) {
        const HotSpot *item = Lbl1J[size_t(marker->item)];
        simwin::moveTwips(Img1jBK, simwin::twipsLeft(item), simwin::twipsTop(item));
        // A marker picture that cannot be read shows nothing, not the last one.
        Img1jBK->clearPicture();
        if (Img1jBK->loadPicture(examDataPicture(chrome::markerPicture(marker->stem)))) {
            simwin::syncTwipsFromPixels(Img1jBK);
            Img1jBK->show();
        }
    }
}

// Lays out the sub-item cells of the open sub-menu (CurZHU x 100 + Cur1J).
void FrmMain::Tool2JCSH()
{
    Img2J->clearPicture();
    for (int i = 1; i <= MenuItems; ++i)
        simwin::setTwipsRect(Lbl2J[size_t(i)], chrome::resetItem());
    const chrome::ItemLayout cells = chrome::subMenuItems(CurZHU * 100 + Cur1J, fnd::XBiLi, fnd::YBiLi);
    for (int i = 1; i <= cells.count; ++i)
        simwin::setTwipsRect(Lbl2J[size_t(i)], cells[i]);
}

// Opens the sub-menu of first-level item `item` beside the open drop-down,
// kept above the window's bottom limit and flipped to the drop-down's left
// side past its right limit.
void FrmMain::openSubMenu(int item)
{
    using fnd::XBiLi;
    using fnd::YBiLi;
    Pic2J->loadPicture(examDataPicture(chrome::subMenuPicture(CurZHU, item)));
    simwin::syncTwipsFromPixels(Pic2J);
    const QRectF drop = simwin::twipsRect(Pic1J);
    const QPointF at = chrome::subMenuCorner(drop, drop.top() + simwin::twipsTop(Lbl1J[size_t(item)]), XBiLi);
    simwin::moveTwips(Pic2J, at.x(), at.y());
    Pic2J->show();
    Tool2JCSH();
    const QPointF kept = chrome::subMenuKeptInside(simwin::twipsRect(Pic2J), drop, XBiLi, YBiLi);
    simwin::moveTwips(Pic2J, kept.x(), kept.y());
}

// ---- Chrome event handlers --------------------------------------------------

simwin::PictureBox *FrmMain::highlightImage(int hotSpot) const
{
    switch (hotSpot == 0 ? chrome::Bar::None : chrome::barOf(hotSpot)) {
    case chrome::Bar::Menu: return ImgMenu;
    case chrome::Bar::Hui: return ImgHui;
    case chrome::Bar::Tool: return ImgTool;
    case chrome::Bar::Else: return ImgElse;
    default: return nullptr;
    }
}

void FrmMain::LblZHU_MouseMove(int index, int, int, double, double)
{
    // Over the cell pressed last: its pressed picture and drop-down stay.
    if (CurZHU == index)
        return;
    CurZHU = 0;
    Pic1J->hide();
    Pic2J->hide();
    for (PictureBox *img : {ImgMenu, ImgHui, ImgTool, ImgElse})
        img->clearPicture();
    PictureBox *img = highlightImage(index);
    if (!img)
        return;
    double left = simwin::twipsLeft(LblZHU[size_t(index)]);
    // A split button's arrow: the picture covers the button and its arrow.
    if (index == 42 || index == 44 || index == 49 || index == 52)
        left -= 345 * fnd::XBiLi;
    simwin::moveTwips(img, left, simwin::twipsTop(LblZHU[size_t(index)]));
    img->loadPicture(examDataPicture(chrome::hoverPicture(index)));
    if (index >= 32 && index <= 40) {
        const QStringView pane = scene::paneField(scene::StepLine);
        if (pane.size() == 2 && pane[0] == u'X')
            img->loadPicture(examDataPicture(chrome::paneSetPicture(pane[1], "88")));
    }
    simwin::syncTwipsFromPixels(img);
}
// The drop-down picture of the cell into Pic1J at `left`, the top given by
// the panel's height where it opens upwards; then shown and laid out.
void FrmMain::openDropDown(int cell, double left, const std::function<double()> &top)
{
    simwin::setTwipsLeft(Pic1J, left);
    Pic1J->loadPicture(examDataPicture(chrome::dropDownPicture(cell)));
    simwin::syncTwipsFromPixels(Pic1J);
    simwin::setTwipsTop(Pic1J, top());
    Pic1J->show();
    Tool1JCSH();
}

void FrmMain::LblZHU_MouseUp(int index, int button, int, double, double)
{
    // A release ending a press made on an earlier scene does nothing.
    if (releaseSpent())
        return;
    if (button != 1) {
        // Any cell released with another button: the right-click pop-up of
        // the step, whichever cell it was.
        StepType = scene::stepType(scene::StepLine);
        if (const auto menu = chk::hotSpotPopupMenu(StepType, button))
            openPopup(*menu);
        return;
    }
    using fnd::XBiLi;
    const QString line = scene::StepLine; // the targets as they stood at the click
    for (PictureBox *img : {ImgMenu, ImgHui, ImgTool, ImgElse})
        img->clearPicture();
    CurZHU = index;
    Pic1J->hide();
    // The cell lies in its bar box; the chrome's places are window twips.
    const HotSpot *cellLabel = LblZHU[size_t(index)];
    const QRectF barRect = simwin::twipsRect(cellLabel->parentWidget());
    const QRectF cell = simwin::twipsRect(cellLabel).translated(barRect.topLeft());
    const QRectF panel = simwin::twipsRect(PicElse);
    const chrome::CellClick c = chrome::cellClick(index, cell, panel, scene::paneField(line), false, XBiLi);
    if (PictureBox *img = highlightImage(c.overlay == chrome::Bar::None ? 0 : index)) {
        simwin::moveTwips(img, c.pressedAt.x() - barRect.left(), c.pressedAt.y() - barRect.top());
        img->loadPicture(examDataPicture(c.pressed));
        simwin::syncTwipsFromPixels(img);
        if (c.opens) {
            const double pressedHeight = simwin::twipsHeight(img);
            openDropDown(index, c.dropLeft, [&] {
                return chrome::dropDownTop(c, cell, panel, simwin::twipsTop(PicHui), pressedHeight,
                                           simwin::twipsHeight(Pic1J));
            });
        }
    }
    advance(chk::cellRelease(line, CurZHU));
}

void FrmMain::Lbl1J_MouseMove(int index, int, int, double, double)
{
    const HotSpot *item = Lbl1J[size_t(index)];
    simwin::moveTwips(Img1J, simwin::twipsLeft(item), simwin::twipsTop(item));
    // A picture that cannot be read leaves the last one, moved here.
    Img1J->loadPicture(examDataPicture(chrome::itemHighlightPicture(CurZHU, index)));
    if (const auto stem = chk::markedItemHover(scene::StepLine, CurZHU, index))
        Img1J->loadPicture(examDataPicture(chrome::markerHoverPicture(*stem)));
    simwin::syncTwipsFromPixels(Img1J);
    if (Cur1J != index)
        Pic2J->hide();
}

void FrmMain::Lbl1J_Click(int index)
{
    if (releaseSpent())
        return;
    Cur1J = index;
    const QString line = scene::StepLine; // the targets as they stood at the click
    if (chrome::hasSubMenu(CurZHU, index))
        openSubMenu(index);
    advance(chk::itemClick(line, CurZHU, Cur1J));
}

void FrmMain::Lbl2J_MouseMove(int index, int, int, double, double)
{
    const HotSpot *cell = Lbl2J[size_t(index)];
    simwin::moveTwips(Img2J, simwin::twipsLeft(cell), simwin::twipsTop(cell));
    Img2J->loadPicture(examDataPicture(chrome::subItemHoverPicture(CurZHU, Cur1J, index)));
    simwin::syncTwipsFromPixels(Img2J);
}

void FrmMain::Lbl2J_Click(int index)
{
    if (releaseSpent())
        return;
    advance(chk::subItemClick(scene::StepLine, CurZHU, Cur1J, index));
}

// 100 ms after a scene with a preset drop-down: it becomes the open
// drop-down of the cell the step current now names.
void FrmMain::TimTool_Timer()
{
    const bank::Field cell = bank::Step.extraPanel.part(bank::Panel.cell);
    CurZHU = scene::number(scene::StepLine, cell.first, cell.width);
    TimTool->stop();
    Tool1JCSH();
}
