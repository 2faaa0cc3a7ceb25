// Mouse checks of the simulated window: the main target, the drag source,
// the hot-spot pictures, the dialog tabs and the hint frames. Each handler
// decides whether the user's action is the operation the current step expects
// and, if so, advances with doNext or GoStep. Fields are read from
// scene::StepLine at the moment of the event.
//
// One gesture advances at most one step: a press or double click notes the
// scene it began on, and its release (and the click after the release) does
// nothing once that scene has been replaced; within a handler, a pop-up
// choice that advanced ends the handler.
#include "simwin/window/frmmain.h"

#include "foundation/globals.h"
#include "foundation/numparse.h"
#include "run/runstate.h"
#include "simwin/checks/dragdrop.h"
#include "simwin/checks/handledrag.h"
#include "simwin/checks/hintframes.h"
#include "simwin/checks/maintarget.h"
#include "simwin/checks/tabclick.h"
#include "simwin/scene/cursorshape.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/window/twips.h"

#include <QLineEdit>

using fnd::XBiLi;
using fnd::YBiLi;

namespace {
void apply(FrmMain &w, const chk::StepMove &m) { w.advance(m); }

const QString &line() { return scene::StepLine; }

// Sets a label's pointer; a cursor file that cannot be read keeps the icon
// it had.
void showPointer(QWidget *label, const scene::PointerChoice &choice)
{
    if (const auto c = scene::cursorFor(choice))
        label->setCursor(*c);
}
} // namespace

// ---- One gesture, one step -------------------------------------------------

void FrmMain::beginGesture()
{
    gestureSerial_ = sceneSerial_;
    gestureOpen_ = true;
}

// Closes the gesture; true when its press already changed the scene.
bool FrmMain::releaseSpent()
{
    const bool spent = gestureOpen_ && gestureSerial_ != sceneSerial_;
    gestureOpen_ = false;
    return spent;
}

// ---- Main target Label1 ----------------------------------------------------------

void FrmMain::Label1_MouseDown(int, int, double, double) { beginGesture(); }

void FrmMain::Label1_MouseUp(int button, int shift, double, double)
{
    if (releaseSpent())
        return;
    const quint64 scene = sceneSerial_;
    const chk::Label1Release r = chk::label1Release(line(), button, shift, Text1->text(), run::CommonDataFile);
    if (r.overrideMenu) {
        // The override's code stands in StepType while its menu is open.
        StepType = scene::menuCodeOverride(line()).value_or(StepType);
        openPopup(*r.overrideMenu);
    }
    StepType = scene::stepType(line());
    if (sceneSerial_ != scene)
        return;
    if (r.then.popupMenu)
        openPopup(*r.then.popupMenu);
    else
        apply(*this, r.then.move);
}

void FrmMain::Label1_DblClick()
{
    beginGesture();
    apply(*this, chk::label1DoubleClick(line()));
}

void FrmMain::Label1_MouseMove(int, int, double, double)
{
    const QString judged = line();
    apply(*this, chk::label1Pointing(judged));
    // A pointing step that advanced leaves the pointer of the next step's
    // record, unless the step just judged was a drag-and-drop step.
    showPointer(Label1, scene::targetPointer(judged, line()));
}

// ---- Drag source Label4 ------------------------------------------------------------

void FrmMain::setLabel4Pointer(int mousePointer, const QString &cursorFile)
{
    label4Pointer_ = mousePointer;
    if (mousePointer == 0)
        Label4->unsetCursor();
    else
        showPointer(Label4, {mousePointer, cursorFile});
}

void FrmMain::Label4_MouseDown(int button, int shift, double x, double y)
{
    beginGesture();
    const chk::Label4Press p = chk::label4Press(line(), button, shift);
    if (p.move.advances()) {
        apply(*this, p.move);
        return;
    }
    if (p.startOutline) {
        DragStartX = qint32(fnd::roundHalfEven(simwin::twipsLeft(Label4) + x));
        DragStartY = qint32(fnd::roundHalfEven(simwin::twipsTop(Label4) + y));
        simwin::setTwipsRect(Shape6, DragStartX, DragStartY, 15, 15);
        Shape6->show();
    }
    if (p.startDrag)
        Dragging = true;
}

void FrmMain::Label4_MouseMove(int, int shift, double x, double y)
{
    const chk::Label4Move m = chk::label4Move(line(), shift, !Shape6->isHidden(), Dragging);
    if (m.stretchOutline)
        simwin::setTwipsRect(Shape6, chk::outlineRect(QPointF(DragStartX, DragStartY),
                                             QPointF(simwin::twipsLeft(Label4) + x, simwin::twipsTop(Label4) + y)));
    if (m.dragPointer)
        setLabel4Pointer(m.dragPointer->mousePointer, m.dragPointer->cursorFile);
}

void FrmMain::Label4_MouseUp(int, int shift, double x, double y)
{
    if (releaseSpent())
        return;
    // The drop point in single precision, as the window system's values are.
    const QPointF drop(float(simwin::twipsLeft(Label4) + x), float(simwin::twipsTop(Label4) + y));
    const chk::Label4Release r = chk::label4Release(line(), shift, !Shape6->isHidden(),
                                                    chk::dropInside(drop, simwin::twipsRect(Label1)), label4Pointer_,
                                                    Text1->text(), run::CommonDataFile);
    if (r.hideOutline)
        Shape6->hide();
    if (r.endDrag)
        Dragging = false;
    if (r.resetPointer)
        setLabel4Pointer(0, QString());
    apply(*this, r.move);
}

// ---- Hot-spot pictures and the handle ---------------------------------------------

void FrmMain::Image_MouseDown(int, int, int, double, double) { beginGesture(); }

void FrmMain::Image_MouseMove(int index, int button, int, double x, double y)
{
    if (index >= 1 && index <= 4) {
        frmCsh();
        return;
    }
    if (index != 5)
        return;
    const auto m = chk::handleMove(StepType, button, x, y, DragX, DragY);
    if (!m)
        return;
    if (m->left)
        simwin::setTwipsLeft(Image[5], *m->left);
    if (m->top)
        simwin::setTwipsTop(Image[5], *m->top);
    DragX = m->dragX;
    DragY = qint16(m->dragY);
}

void FrmMain::Image_MouseUp(int index, int, int, double, double)
{
    // The click that follows this release belongs to the same gesture.
    releaseSpent_ = releaseSpent();
    releaseSerial_ = sceneSerial_;
    if (releaseSpent_ || index != 5)
        return;
    const auto r = chk::handleRelease(StepType, DragX, DragY, chk::handleLimits(line(), XBiLi, YBiLi));
    if (!r)
        return;
    if (r->top)
        simwin::setTwipsTop(Image[5], *r->top);
    if (r->left)
        simwin::setTwipsLeft(Image[5], *r->left);
    if (r->dragX)
        DragX = *r->dragX;
    if (r->dragY)
        DragY = qint16(*r->dragY);
    if (r->advance)
        doNext();
}

void FrmMain::Image_Click(int index)
{
    if (releaseSpent_ || releaseSerial_ != sceneSerial_)
        return;
    apply(*this, chk::pictureClick(line(), index));
}

// ---- Dialog tab strip ----------------------------------------------------------------

void FrmMain::LblXXK_Click(int index)
{
    if (index == 0) {
        scene::StepNo = qint16(chk::cancelStep(BackSpec, scene::StepNo));
        setData();
        return;
    }
    const chk::TabClick c = chk::tabClick(index, {TabLayout, TabCount, TabTarget, TabImage, TabAreaTop, HintText}, line());
    if (TabImage >= 1 && TabImage <= 5) {
        simwin::PictureBox *area = Image[TabImage];
        area->loadPicture(fnd::dataFile(c.pagePicture));
        if (!c.ownPicture.isEmpty())
            area->loadPicture(fnd::dataFile(c.ownPicture));
        simwin::syncTwipsFromPixels(area);
    }
    if (c.newRow) {
        TabRow = *c.newRow;
        DoubleXXK();
    }
    if (c.rightTab) {
        Label1->show();
        simwin::resizeTwips(Label1, Label1BoxWidth * XBiLi, Label1BoxHeight * YBiLi);
        simwin::setTwipsRect(Shape1, simwin::twipsRect(Label1));
    } else {
        simwin::resizeTwips(Label1, 1, 1);
        if (TabTarget >= 0 && TabTarget < TabCells)
            simwin::setTwipsRect(Shape1, simwin::twipsRect(LblXXK[TabTarget]));
    }
    setHintCaption(c.hint);
}

// ---- Hint frames -----------------------------------------------------------------------

void FrmMain::TimerDisFK_Timer()
{
    QList<QRectF> cells;
    cells.reserve(LastHotSpot + 1);
    for (const simwin::HotSpot *cell : LblZHU)
        cells << simwin::twipsRect(cell);
    const chk::HintFramePlan plan =
        chk::hintFrames(line(), cells, simwin::twipsRect(PicElse).size(), XBiLi, YBiLi, !LHelp->isHidden());
    const std::array<simwin::FrameShape *, chk::HintFrameCount> frames{ShapeMenu, ShapeTool, ShapeHui, ShapeElse};
    for (int f = 0; f < chk::HintFrameCount; ++f) {
        if (plan.rect[f])
            simwin::setTwipsRect(frames[f], *plan.rect[f]);
        frames[f]->setVisible(plan.visible[f]);
    }
    TimerDisFK->stop();
}

