// Fuzz target: the scene builder's stages that read the step record: the tab
// strip, the operation code with its list steps and typing boxes, the finish
// and the bar path of a "7000" step. The input, cut at NUL bytes, is a step
// file whose lines are taken as the steps of one question in turn (each tab
// stage starts from the values the previous one left), an answer-text file
// for the list steps, and the window's values (hint visibility, answer mode,
// target areas). Nothing may crash and every result keeps its bounds.
#include "foundation/gbkfile.h"
#include "simwin/scene/sceneend.h"
#include "simwin/scene/tabstrip.h"

#include "fuzzsupport.h"

#include <cmath>

using fuzz::check;
using namespace scene;

namespace {

bool finite(const QRectF &r)
{
    return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width()) && std::isfinite(r.height());
}

void checkList(const ListStep &l)
{
    check(l.selected >= -1 && l.selected < l.items.size());
    if (l.selected >= 0)
        check(l.selectedText == l.items[l.selected]);
    else
        check(l.selectedText.isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const fuzz::Pieces in(data, size);
    static const QString answerFile = fuzz::scratchFolder("scenestages") + QStringLiteral("/answers.mxy");
    fuzz::put(answerFile, in[1]);
    const QByteArray v = in[2];
    auto byte = [&](int i) { return i < v.size() ? uint8_t(v[i]) : uint8_t(0); };

    TabStageInput tab;
    static const double scales[] = {1, 1.25, 0.8, 2, 0.5};
    tab.xScale = scales[byte(0) % 5];
    tab.yScale = scales[byte(1) % 5];
    for (int i = 1; i <= 5; ++i)
        tab.areaPos[size_t(i)] = QPointF(byte(2 + i) * 37, byte(8 + i) * 29);
    tab.label1 = QRectF(byte(14) * 10, byte(15) * 10, byte(16) * 5, byte(17) * 5);
    tab.label1BoxWidth = byte(18) * 20;
    tab.label1BoxHeight = byte(19) * 20;
    const int answerMode = 1 + byte(20) % 3;
    bool hintVisible = byte(21) & 1;

    for (const QByteArray &bytes : fnd::splitLines(in[0])) {
        const QString line = fnd::decodeGbk(bytes);
        tab.hintText = line.left(40);

        const TabStage t = tabStripStage(line, tab);
        check(t.form.TabCount >= 0 && t.form.TabCount <= MaxTabs);
        check(t.form.TabTarget >= 0 && t.form.TabTarget <= MaxTabs);
        check(t.form.TabRow == 1 || t.form.TabRow == 2);
        for (const QRectF &cell : t.cells)
            check(finite(cell));
        check(finite(t.label1) && finite(t.shape1));
        check(t.strip || !t.hint);
        // The next step starts from what this one left.
        tab.form = t.form;
        tab.label1 = t.label1;

        for (const SceneRules &rules : {SimulatedWindowRules, DemoWindowRules}) {
            const CodeStage c = operationCodeStage(line, t.hint.value_or(line.left(30)), hintVisible, answerMode,
                                                   answerFile, rules);
            check(!(c.useText2 && c.useText3));
            check(!c.finalScene || !c.shape1Visible);
            if (c.list)
                checkList(*c.list);
            checkList(listStep(line, answerFile, rules));
            const FinishStage f = finishStage(line, hintVisible, t.label1.height(), c.hint, c.hintVisible, rules);
            check(!f.hint.contains(u'|'));
            hintVisible = c.hintVisible;
        }
        const ListBorders b = listBorders(t.label1, tab.xScale, tab.yScale);
        check(finite(b.left) && finite(b.right) && finite(b.top) && finite(b.bottom));
        if (const auto path = barPath(line)) {
            check(path->hotSpot >= 0 && path->hotSpot <= 99 && path->item >= 0 && path->item <= 99);
            check(path->subItem >= 0 && path->subItem <= 99 && path->jump.size() <= 1);
        }
        check(!hintLines(line).contains(u'|'));
        check(!typingAlternatives(line).contains(u'|'));
    }
    return 0;
}
