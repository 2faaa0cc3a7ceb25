#include "simwin/checks/maintarget.h"

#include "simwin/checks/popupmenu.h"
#include "simwin/checks/typedtext.h"
#include "simwin/scene/steprecord.h"

namespace chk {

static TargetAction stepCodeRule(QStringView line, int button, int shift, const QString &text1,
                                 const QString &answerFile)
{
    const int code = scene::stepType(line);
    const QChar jump = scene::label1Box(line).jump;
    if (code >= 9000 && code <= 9999) {
        if (button == code % 100 && shift == (code / 100) % 10)
            return {jumpBy(jump), {}};
        return {};
    }
    if (code == 3)
        return {button == 2 ? jumpBy(jump) : StepMove{}, {}};
    if (isMenuStep(code))
        return {{}, stepTypePopupMenu(code, button)};
    if (code == 1)
        return {button == 1 && shift == 0 ? jumpBy(jump) : StepMove{}, {}};
    if (code == 22 || code == 26 || code == 28) {
        if (button == 1 && typedTextConfirmed(text1, scene::lookup(answerFile, scene::answerField(line))))
            return {StepMove::next(), {}};
        return {};
    }
    if (code == 2) // the double click decides
        return {};
    return {goUnlessZero(jump), {}};
}

Label1Release label1Release(QStringView stepLine, int button, int shift, const QString &text1,
                            const QString &answerFile)
{
    return {overridePopupMenu(stepLine, button), stepCodeRule(stepLine, button, shift, text1, answerFile)};
}

StepMove label1DoubleClick(QStringView stepLine)
{
    if (scene::stepTypeText(stepLine) != u"0002")
        return {};
    return jumpBy(scene::label1Box(stepLine).jump);
}

StepMove label1Pointing(QStringView stepLine)
{
    return scene::stepTypeText(stepLine) == u"0030" ? StepMove::next() : StepMove{};
}

StepMove pictureClick(QStringView stepLine, int k)
{
    const scene::PictureArea area = scene::pictureArea(stepLine, k);
    return area.index ? goUnlessZero(area.jump) : StepMove{};
}

} // namespace chk
