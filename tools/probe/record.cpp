// examsim-probe record <line>: the decoded fields of one step record as JSON.
#include "probe.h"

#include "simwin/scene/steprecord.h"

#include <QJsonObject>

using namespace scene;

namespace {

QJsonValue ch(QChar c) { return c.isNull() ? QJsonValue(QString()) : QJsonValue(QString(c)); }

QJsonObject boxJson(const BoxSpec &b)
{
    return {{"left", b.left}, {"jump", ch(b.jump)}, {"top", b.top}, {"width", b.width},
            {"height", b.height}, {"absent", b.absent}};
}

QJsonObject describe(const QString &line)
{
    QJsonObject o;
    o["length"] = int(line.size());
    o["pane"] = paneField(line).toString();
    o["paneSet"] = paneSet(line);
    o["paneOrBarEE"] = paneOrBarIsEE(line);
    o["bars"] = barField(line).toString();
    o["barBits"] = barBits(line);
    o["barExtraPanel"] = barShowsExtraPanel(line);
    o["StepType"] = stepTypeText(line).toString();
    o["StepTypeNumber"] = stepType(line);
    if (isListStep(line))
        o["listItemsLine"] = listItemsLine(line);
    o["background"] = background(line).toString();
    for (int k = 1; k <= 6; ++k) {
        const PictureArea a = pictureArea(line, k);
        o[QStringLiteral("PictureArea%1").arg(k)] = QJsonObject{
            {"left", a.left}, {"jump", ch(a.jump)}, {"top", a.top}, {"name", a.name},
            {"absent", a.absent}, {"keep", a.keep}};
    }
    o["Label1"] = boxJson(label1Box(line));
    o["Text1"] = boxJson(text1Box(line));
    o["Label4"] = boxJson(label4Box(line));
    for (int k = 1; k <= 3; ++k) {
        const TargetSpec t = targetSpec(line, k);
        o[QStringLiteral("TargetSpec%1").arg(k)] = QJsonObject{
            {"text", t.text}, {"kind", ch(t.kind)}, {"HotSpotNo", t.hotSpot}, {"item", t.item},
            {"subItem", t.subItem}, {"stem", t.stem}, {"JumpDigit", ch(t.jump)}};
    }
    for (int k = 1; k <= 3; ++k) {
        const KeyAlt a = keyAlt(line, k);
        o[QStringLiteral("KeyAlt%1").arg(k)] = QJsonObject{
            {"present", a.present}, {"code", a.code}, {"shift", a.shift}, {"key", a.keyDigits}};
    }
    const auto override = menuCodeOverride(line);
    o["MenuCodeOverride"] = override ? QJsonValue(*override) : QJsonValue();
    o["extraPanel"] = QJsonObject{{"HotSpotNo", extraPanel(line)}, {"left", extraPanelLeft(line)},
                                  {"top", extraPanelTop(line)}};
    const CursorSpec c = cursorSpec(line);
    static const char *kinds[] = {"default", "standard", "custom"};
    o["CursorSpec"] = QJsonObject{{"kind", kinds[c.kind]}, {"number", c.number}};
    o["dropJump"] = ch(dropJump(line));
    o["initialText"] = initialTextField(line).toString();
    o["answer"] = answerField(line).toString();
    o["hintPosition"] = QJsonObject{{"keep", hintKeepsPlace(line)}, {"left", hintLeft(line)},
                                    {"top", hintTop(line)}};
    o["hint"] = hintField(line).toString();
    const FontSpec f = fontSpec(line);
    static const char *aligns[] = {"left", "right", "center"};
    auto colour = [](int rgb) {
        return rgb < 0 ? QJsonValue() : QJsonValue(QStringLiteral("#%1").arg(rgb, 6, 16, QChar(u'0')));
    };
    o["FontSpec"] = QJsonObject{{"size", f.pointSize}, {"align", aligns[f.align]},
                                {"style", f.style < 0 ? QJsonValue() : QJsonValue(f.style)},
                                {"font", f.family.isEmpty() ? QJsonValue() : QJsonValue(f.family)},
                                {"textColor", colour(f.textColor)}, {"backColor", colour(f.backColor)}};
    o["BackSpec"] = backSpec(line);
    const TabSpec t = tabSpec(line);
    o["TabSpec"] = QJsonObject{{"present", t.present}, {"layout", ch(t.layout)}, {"shownTab", t.shownTab},
                               {"targetTab", t.targetTab}, {"pictureArea", t.pictureArea}};
    o["dragLimitX"] = dragLimitX(line);
    o["dragLimitY"] = dragLimitY(line);
    return o;
}

int recordCommand(const QStringList &args)
{
    if (args.isEmpty()) {
        probe::err(QStringLiteral("usage: examsim-probe record <line>"));
        return 2;
    }
    probe::outJson(describe(args.join(u' ')));
    return 0;
}

} // namespace

PROBE_COMMAND("record", "<line>  decoded fields of one step record as JSON", recordCommand);
