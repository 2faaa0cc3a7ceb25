// libFuzzer target: step-record decoding and the answer-text lookup.
//
// The input is taken both as a record (GBK bytes, every accessor run over
// it) and as the content of an answer-text file, looked up with the record's
// own reference fields. Linked with the core library alone (scripts/fuzz.sh
// builds it).
#include "foundation/gbkfile.h"
#include "simwin/scene/steprecord.h"

#include "fuzzsupport.h"

using namespace scene;

static void decodeAll(QStringView line)
{
    long sink = 0;
    sink += paneSet(line) + barBits(line) + barShowsExtraPanel(line) + paneOrBarIsEE(line);
    sink += stepType(line) + isListStep(line) + listItemsLine(line) + background(line).size();
    for (int k = 0; k <= 7; ++k) {
        const PictureArea a = pictureArea(line, k);
        sink += a.left + a.top + a.name.size() + a.absent + a.keep;
    }
    for (const BoxSpec &b : {label1Box(line), text1Box(line), label4Box(line)})
        sink += b.left + b.top + b.width + b.height + b.absent + b.jump.unicode();
    for (int k = 0; k <= 4; ++k) {
        const TargetSpec t = targetSpec(line, k);
        sink += t.hotSpot + t.item + t.subItem + t.stem.size() + t.text.size();
        const KeyAlt a = keyAlt(line, k);
        sink += a.code + a.shift + a.keyDigits + a.present;
    }
    sink += menuCodeOverride(line).value_or(-1) + extraPanel(line) + extraPanelLeft(line) + extraPanelTop(line);
    const CursorSpec c = cursorSpec(line);
    sink += c.kind + c.number + dropJump(line).unicode();
    sink += initialNumber(line) + answerNumber(line) + hintKeepsPlace(line) + hintLeft(line) + hintTop(line);
    const FontSpec f = fontSpec(line);
    sink += int(f.pointSize) + f.align + f.style + f.textColor + f.backColor + f.family.size();
    const TabSpec t = tabSpec(line);
    sink += t.present + t.shownTab + t.targetTab + t.pictureArea + tabNumber(t.layout);
    sink += backSpec(line).size() + dragLimitX(line) + dragLimitY(line);
    sink += jumpStep(line.left(1)) + jumpStep(chars(line, 23, 1));
    static volatile long keep;
    keep = sink;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString line = fnd::decodeGbk(bytes);
    decodeAll(line);

    static const QString path = fuzz::scratchFolder("steprecord") + QStringLiteral("/288890.mxy");
    {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(bytes);
    }
    for (QStringView field : {initialTextField(line), answerField(line), hintField(line), chars(line, 1, 3)}) {
        if (const auto text = lookup(path, field)) {
            static volatile qsizetype keep;
            keep = beforeFirstBar(*text).size() + alternatives(*text).second.size() + listItems(*text).size();
        }
    }
    commonDataText(path, int(size % 7));
    return 0;
}
