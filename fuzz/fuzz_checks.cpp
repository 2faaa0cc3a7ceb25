// libFuzzer target: the operation checks over arbitrary records and menu
// files. The input is taken as a menu file (two of its family and menu blocks
// filled into a pop-up, one chosen by the first byte) and its first lines as
// step records (every check decided on each). Linked with the core library
// alone (scripts/fuzz.sh builds it).
#include "foundation/gbkfile.h"
#include "simwin/checks/dragdrop.h"
#include "simwin/checks/handledrag.h"
#include "simwin/checks/hintframes.h"
#include "simwin/checks/maintarget.h"
#include "simwin/checks/popupmenu.h"
#include "simwin/checks/tabclick.h"
#include "simwin/checks/typedtext.h"
#include "simwin/scene/cursorshape.h"
#include "simwin/scene/steprecord.h"

#include "fuzzsupport.h"

using namespace chk;

static QString scratchFile()
{
    static const QString path = fuzz::scratchFolder("checks") + QStringLiteral("/sMenu.sys");
    return path;
}

static void decideAll(const QString &line)
{
    long sink = 0;
    for (int button : {1, 2, 4})
        for (int shift : {0, 1, 3}) {
            const Label1Release r = label1Release(line, button, shift, line.left(20), scratchFile());
            sink += r.overrideMenu.value_or(0) + r.then.popupMenu.value_or(0) + r.then.move.kind;
            const Label4Press p = label4Press(line, button, shift);
            const Label4Move m = label4Move(line, shift, p.startOutline, p.startDrag);
            const Label4Release rel = label4Release(line, shift, p.startOutline, button == 1, shift, line, scratchFile());
            sink += p.move.kind + m.stretchOutline + rel.move.kind + rel.resetPointer;
            sink += toolbarPopupMenu(scene::stepType(line), button).value_or(0);
        }
    sink += label1DoubleClick(line).kind + label1Pointing(line).kind + scene::targetPointer(line).mousePointer;
    for (int k = 0; k <= 7; ++k)
        sink += pictureClick(line, k).kind;
    sink += handleRelease(scene::stepType(line), 1, 2, handleLimits(line, 1, 1)).has_value();
    const QList<QRectF> cells(89, QRectF(1, 2, 3, 4));
    sink += hintFrames(line, cells, QSizeF(5, 6), 1, 1, true).visible[0];
    const TabStrip strip{line.left(155), 13, scene::tabSpec(line).targetTab, 3, 0, line};
    for (int i = 1; i <= 13; ++i)
        sink += tabClick(i, strip, line).hint.size();
    sink += cancelStep(scene::backSpec(line), scene::stepType(line));
    sink += menuItemIsRight(menuCode(line), 1, 2, 3);
    sink += text1KeyUpVerdict(scene::stepTypeText(line), 13, line, line) == EnterVerdict::Advance;
    (void)sink;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QFile f(scratchFile());
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(bytes);
        f.close();
        // Two blocks a run, one of them chosen by the input's first byte:
        // reading all 66 of every input made a run a hundred file reads.
        const int pick = bytes.isEmpty() ? 0 : uint8_t(bytes[0]);
        long shown = popupFromBlock(readMenuBlock(scratchFile(), pick % 6, pick / 6 % 11)).isEmpty();
        shown += popupFromBlock(readMenuBlock(scratchFile(), 1, 1)).isEmpty();
        (void)shown;
    }
    // The first lines only: every decision reads the menu file again.
    const QString text = fnd::decodeGbk(bytes);
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < std::min<qsizetype>(lines.size(), 8); ++i)
        decideAll(lines[i]);
    return 0;
}
