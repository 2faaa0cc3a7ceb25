// The player's other timers: typing (Timer1), the handle drag (Timer3), the
// pause (Timer4), the click ring's blink (Timer5) and the glides into the
// drop-down (Timer6) and the sub-menu (Timer7).
#include "demo/window/frmyanshi.h"

#include "demo/player/motion.h"
#include "foundation/globals.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/window/twips.h"

#include <QLineEdit>

void FrmYanShi::Timer1_Timer()
{
    if (!run::YanShiRun) {
        Timer[1]->stop();
        return;
    }
    const QStringView op = scene::stepTypeText(scene::StepLine);
    ++TypePos;
    // "0023" types nothing and ends at once, whatever the text's length.
    if (op != u"0023") {
        QLineEdit *box = op == u"0021" ? Text2 : Text1;
        box->setText(TypeText.left(TypePos));
        box->setCursorPosition(std::min<int>(TypePos, int(box->text().size())));
        if (TypePos < TypeText.size())
            return;
    }
    TypePos = 0;
    Timer[1]->stop();
    if (op == u"0026" || op == u"0022") {
        // On to the confirming click, whose arrival ends the step.
        aimAtCentre(Label1);
        setUpMotion();
        simwin::setTwipsLeft(Shape4, -100);
        enable(Timer[2]);
        return;
    }
    doNext();
}

bool FrmYanShi::glideStep()
{
    PointX += StepX;
    PointY += StepY;
    pointMove();
    return demo::arrived(PointX, PointY, MbX, MbY, StepLen, fnd::XBiLi);
}

void FrmYanShi::Timer3_Timer()
{
    if (!run::YanShiRun)
        return;
    const bool there = glideStep();
    // The picture's centre follows the pointer.
    const QRectF picture = simwin::twipsRect(Image[5]);
    simwin::moveTwips(Image[5], PointX - picture.width() / 2, PointY - picture.height() / 2);
    if (!there)
        return;
    doNext();
    Timer[3]->stop();
}

// The pause of a key step or an automatic advance: the next step on the
// fifth tick of the shared counter.
void FrmYanShi::Timer4_Timer()
{
    if (++TickCount < 5)
        return;
    TickCount = 0;
    Timer[4]->stop();
    doNext();
}

void FrmYanShi::Timer5_Timer()
{
    if (!run::YanShiRun)
        return;
    Shape5->setVisible(TickCount % 2 == 0);
    if (++TickCount < 3)
        return;
    TickCount = 0;
    Shape5->hide();
    Timer[5]->stop();
}

void FrmYanShi::Timer6_Timer()
{
    if (!run::YanShiRun || !glideStep())
        return;
    TickCount = 0;
    ringAtPointer();
    Timer[6]->stop();
    Click1J(Aim1J);
}

void FrmYanShi::Timer7_Timer()
{
    if (!run::YanShiRun || !glideStep())
        return;
    TickCount = 0;
    ringAtPointer();
    Timer[7]->stop();
    Click2J(Aim2J);
}
