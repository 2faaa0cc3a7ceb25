// The pointer's move (Timer2): one step a tick towards the target, drawn as
// fourteen lines (or as the drag's cursor picture), and on arrival the click
// ring and the step's action.
#include "demo/window/frmyanshi.h"

#include "demo/player/motion.h"
#include "demo/window/lineshape.h"
#include "foundation/globals.h"
#include "foundation/numparse.h"
#include "foundation/programfolder.h"
#include "platform/ui/windoworder.h"
#include "run/runstate.h"
#include "simwin/scene/linecache.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/window/twips.h"

#include <QLineEdit>

using fnd::XBiLi;
using fnd::YBiLi;

namespace {

// The pointer's lines around its hot spot, design twips: from (a, b) to
// (c, d). LPoint 7 joins LPoint 2's end to LPoint 6's start.
struct Segment
{
    int a, b, c, d;
};
constexpr Segment Outline[7] = {{60, 0, 60, 240},     {60, 240, 120, 180},  {120, 180, 180, 300}, {150, 150, 225, 285},
                                {165, 150, 240, 150}, {60, -15, 240, 165}, {195, 300, 225, 270}};
constexpr Segment Fill[6] = {{75, 15, 75, 210},    {105, 45, 105, 180},  {135, 75, 135, 150},
                             {165, 105, 165, 135}, {195, 120, 195, 135}, {135, 165, 210, 300}};

} // namespace

void FrmYanShi::pointMove()
{
    plat::makeTopmost(this);
    auto put = [this](demo::LineShape *l, const Segment &s) {
        l->setLine(PointX + s.a * XBiLi, PointY + s.b * YBiLi, PointX + s.c * XBiLi, PointY + s.d * YBiLi);
    };
    for (int i = 0; i < 7; ++i)
        put(LPoint[size_t(i)], Outline[i]);
    LPoint[7]->setLine(LPoint[2]->X2(), LPoint[2]->Y2(), LPoint[6]->X1(), LPoint[6]->Y1());
    for (int i = 0; i < 6; ++i)
        put(LPoinB[size_t(i)], Fill[i]);
}

void FrmYanShi::ringAtPointer()
{
    // 180 twips left of and above the pointer, unscaled.
    simwin::moveTwips(Shape5, PointX - 180, PointY - 180);
    enable(Timer[5]);
}

void FrmYanShi::Timer2_Timer()
{
    const QString &line = scene::StepLine;
    const QStringView op = scene::stepTypeText(line);
    const QStringView op3 = op.left(3);
    const QChar first = op.isEmpty() ? QChar() : op.front();
    // The ring's colour tells the kind of action.
    QColor ring(255, 0, 0);
    if (op == u"0002")
        ring = QColor(0, 255, 0);
    if (op == u"0003" || first == u'3' || first == u'4' || first == u'5' || first == u'8')
        ring = QColor(255, 255, 0);
    Shape5->setBorderColor(ring);
    if (!run::YanShiRun) {
        Timer[2]->stop();
        return;
    }
    simwin::resizeTwips(Shape6, 1, 1);
    PointX += StepX;
    PointY += StepY;

    // A drag is drawn as its cursor picture, the band growing with it.
    const bool dropPhase = simwin::twipsLeft(Shape4) == -100;
    if (op3 == u"004" || (op3 == u"005" && dropPhase)) {
        if (op3 == u"004" && DragPhase) {
            const QRectF band = simwin::twipsRect(Shape6);
            simwin::resizeTwips(Shape6, PointX - band.left() + 120 * XBiLi, PointY - band.top() + 120 * YBiLi);
        }
        const QStringView cursor = scene::chars(line, 101, 5);
        const QString file = fnd::programFolder() + QStringLiteral("/ico") +
                             (scene::charAt(cursor, 1) == u'S' ? QStringLiteral("00") : cursor.right(2).toString()) +
                             QStringLiteral(".CUR");
        // Loaded once per drag; a missing file keeps the last picture.
        if (file != cursorFile_ && ImgICO->loadPicture(file))
            cursorFile_ = file;
        simwin::moveTwips(ImgICO, PointX, PointY);
        simwin::syncTwipsFromPixels(ImgICO);
        ImgICO->show();
        for (demo::LineShape *l : LPoinB)
            l->setLine(-100, l->Y1(), -100, l->Y2());
        for (demo::LineShape *l : LPoint)
            l->setLine(-100, l->Y1(), -100, l->Y2());
    } else {
        ImgICO->hide();
        cursorFile_.clear();
        pointMove();
    }

    if (!demo::arrived(PointX, PointY, MbX, MbY, StepLen, XBiLi))
        return;
    ringAtPointer();

    const QStringView tab = scene::chars(line, 130, 5);
    if (scene::charAt(tab, 1) == u'X' && scene::charAt(tab, 3) != scene::charAt(tab, 4) && !dropPhase) {
        tabSwitch();
        Timer2_Timer();
        return;
    }
    if (op == u"0001" || op == u"0002" || op == u"0003" || op == u"0004" || op == u"0030" || first == u'L' ||
        dropPhase) {
        const QChar jump = scene::charAt(line, 71);
        if (op == u"0001" && !jump.isNull() && jump != u'0')
            GoStep(QString(jump));
        else
            doNext();
        return;
    }
    if (op3 == u"004" || op3 == u"005") {
        dragPickUp();
        Timer2_Timer();
        return;
    }
    Shape6->hide();
    if (first == u'9' && op != u"9999") {
        doNext();
        return;
    }
    if (first == u'3' || first == u'4' || first == u'5' || (first == u'8' && op3 != u"800")) {
        RightKeyMenu();
        Timer[2]->stop();
        return;
    }
    if (op3 == u"002") {
        typingStart();
        enable(Timer[1]);
        Timer[2]->stop();
        return;
    }
    if (op3 == u"800") {
        // The handle drag, to the stored end point where one is given.
        if (DragEndX != 0)
            MbX = DragEndX;
        if (DragEndY != 0)
            MbY = DragEndY;
        setUpMotion();
        Timer[2]->stop();
        enable(Timer[3]);
        return;
    }
    if (op == u"9999") {
        armEnd();
        Timer[2]->stop();
        return;
    }
    Timer[2]->stop();
    if (op == u"7000") {
        ClickZHU(AimZHU);
        return;
    }
    // An arrival no action takes: the step ends.
    doNext();
}

// The expected tab's page, Label1 and the hint back, then on to Label1.
void FrmYanShi::tabSwitch()
{
    if (TabImage >= 1 && TabImage <= 5) {
        const scene::PictureArea area = scene::pictureArea(scene::StepLine, TabImage);
        Image[size_t(TabImage)]->loadPicture(fnd::dataFile(area.name));
        simwin::syncTwipsFromPixels(Image[size_t(TabImage)]);
    }
    Label1->show();
    setHintCaption(HintText);
    simwin::setTwipsHeight(Label1, Label1Height * YBiLi);
    simwin::setTwipsWidth(Label1, Label1Width * XBiLi);
    simwin::setTwipsRect(Shape1, simwin::twipsRect(Label1));
    aimAtCentre(Label1);
    setUpMotion();
    simwin::setTwipsLeft(Shape4, -100);
}

// The drag picked up at its source: on to the drop target, the band from
// the source ("004" only).
void FrmYanShi::dragPickUp()
{
    aimAtCentre(Label1);
    DragPhase = true;
    setUpMotion();
    const QRectF source = simwin::twipsRect(Shape4);
    simwin::setTwipsRect(Shape6, source.left(), source.top(), 1, 1);
    Shape6->setVisible(scene::stepTypeText(scene::StepLine).left(3) == u"004");
    simwin::setTwipsLeft(Shape4, -100);
    simwin::setTwipsWidth(Shape4, 15);
}

// The text to type: the answer line's text before its first "|"; typing
// goes on after a beginning the box already holds.
void FrmYanShi::typingStart()
{
    const QStringView n = scene::chars(scene::StepLine, 109, 3);
    TypeText.clear();
    if (n != u"000") {
        const int lineNo = fnd::leadingInt(n);
        if (lineNo >= 1)
            if (const auto text = scene::cachedLineClamped(run::CommonDataFile, lineNo))
                TypeText = text->mid(3);
    }
    if (const qsizetype bar = TypeText.indexOf(u'|'); bar >= 0)
        TypeText.truncate(bar);
    const QString shown = Text1->text();
    if (TypeText.startsWith(shown))
        TypePos = int(shown.size());
}
