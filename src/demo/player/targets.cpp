// The pointer's target of each step (MuBiaoWei): a pending tab switch
// first, else the ordered tests on the operation code (each later match
// overwriting an earlier target), then the move; key steps and the
// automatic advance pause instead.
#include "demo/window/frmyanshi.h"

#include "demo/player/motion.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/window/twips.h"

#include <QLineEdit>
#include <QListWidget>

void FrmYanShi::aimAtCentre(const QWidget *c)
{
    const QRectF r = simwin::twipsRect(c);
    MbX = demo::roundTo32(r.left() + r.width() / 2);
    MbY = demo::roundTo32(r.top() + r.height() / 2);
}

void FrmYanShi::MuBiaoWei()
{
    if (!run::YanShiRun)
        return;
    const QString &line = scene::StepLine;
    const QStringView tab = scene::chars(line, 130, 5);
    const QStringView op = scene::stepTypeText(line);
    const QStringView op3 = op.left(3);
    const QChar first = op.isEmpty() ? QChar() : op.front();
    if (scene::charAt(tab, 1) == u'X' && scene::charAt(tab, 3) != scene::charAt(tab, 4)) {
        // The expected tab first, whatever the code; a tab the strip does
        // not have keeps the last target.
        if (TabTarget >= 0 && TabTarget < TabCells)
            aimAtCentre(LblXXK[size_t(TabTarget)]);
    } else {
        if (op == u"0001" || op == u"0002" || op == u"0003" || op == u"0004" || op == u"0030" || first == u'3' ||
            first == u'4' || first == u'5' || first == u'9' || first == u'8')
            aimAtCentre(Label1);
        if (op3 == u"004" || op3 == u"005")
            aimAtCentre(Label4);
        if (op3 == u"002") {
            // 300 twips into the box, unscaled.
            const QRectF t = simwin::twipsRect(Text1);
            MbX = demo::roundTo32(t.left() + 300);
            MbY = demo::roundTo32(t.top() + t.height() / 2);
        }
        if (op3 == u"800")
            aimAtCentre(Image[5]);
        if (op == u"7000" && AimZHU >= 0 && AimZHU <= LastHotSpot) {
            simwin::setTwipsRect(Shape1, simwin::twipsRect(LblZHU[size_t(AimZHU)]));
            Shape1->show();
            aimAtCentre(LblZHU[size_t(AimZHU)]);
        }
        if (first == u'6') {
            // A key step: no move, the pause.
            TickCount = 0;
            MbX = PointX;
            MbY = PointY;
            enable(Timer[4]);
            Timer[2]->stop();
            return;
        }
        if (op == u"8888") {
            enable(Timer[4]);
            Timer[2]->stop();
            return;
        }
        if (first == u'L')
            aimAtCentre(LstLA);
    }
    setUpMotion();
    enable(Timer[2]);
}
