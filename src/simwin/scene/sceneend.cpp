#include "simwin/scene/sceneend.h"

#include "simwin/scene/steprecord.h"

#include <QRectF>

namespace scene {


int completedState(int state) { return state < 4 ? state + 4 : state; }

void completeCurrentQuestion()
{
    if (run::TmNo >= 1 && run::TmNo <= run::MaxQuestions)
        run::TmState[run::TmNo] = qint16(completedState(run::TmState[run::TmNo]));
}

QString unfinishedCaption(const std::array<qint16, run::MaxQuestions + 1> &states, int tmSum)
{
    QString caption = QStringLiteral("未完成的题目");
    const int last = std::min(tmSum, run::MaxQuestions);
    for (int i = 1; i <= last; ++i) {
        if (states[i] < 4)
            caption += u' ' + QString::number(i);
    }
    return caption;
}

QString completedHeader(QString header)
{
    return header.replace(QStringLiteral("(未完成)"), QStringLiteral("(已完成)"));
}

QString typingAlternatives(QString caption) { return caption.replace(u'|', QStringLiteral("或  ")); }

ListStep listStep(QStringView line, const QString &answerFile, const SceneRules &rules)
{
    ListStep l;
    const QStringView field = chars(line, 9, 3);
    if (rules.listReadsToTheEnd) {
        // Line 0 is never reached: the reading runs to the last line. No
        // file: the one item of an empty text.
        l.items = listItems(commonDataText(answerFile, listItemsLine(line)).value_or(QString()));
    } else if (field != u"000") {
        // "000" names no line: the list stays empty.
        if (const auto text = lookup(answerFile, field))
            l.items = listItems(*text);
    }
    const int start = initialNumber(line);
    if (start < l.items.size()) {
        l.selected = start;
        l.selectedText = l.items[start];
    }
    return l;
}

CodeStage operationCodeStage(QStringView line, const QString &hint, bool hintVisible, int answerMode,
                             const QString &answerFile, const SceneRules &rules)
{
    CodeStage s;
    const QStringView code = stepTypeText(line);
    s.stepType = stepType(line);
    s.timer3 = s.stepType == 8888;
    s.collapseTargets = code.startsWith(u"80");
    s.hint = hint;
    s.hintVisible = hintVisible;

    s.finalScene = code == u"9999";
    if (s.finalScene) {
        s.shape1Visible = false;
        if (answerMode != 3 && !rules.finalSceneEndsSetUp) {
            s.showSuccess = true;
            s.hintVisible = false;
        }
    } else {
        s.shape1Visible = s.hintVisible;
    }

    s.useText2 = code == u"0021";
    s.useText3 = code == u"0027";
    if (s.useText3)
        s.shape1Visible = false;

    if (code.startsWith(u"002")) {
        s.shape1Visible = false;
        if (rules.demoTypingHints)
            s.typeText = s.hint;
        s.hint = typingAlternatives(s.hint);
        // The wording of each typing step's hint. The simulated window keeps
        // the hint of "0028" as it is; the demonstration that of "0025".
        struct Wording
        {
            QStringView code, before, after;
            bool redBox;    // the red box stays with the hint
            bool simulated; // the wording of the simulated window
            bool demo;      // the wording of the demonstration
        };
        static constexpr Wording Wordings[] = {
            {u"0020", u"输入 ", u"", false, true, true},
            {u"0021", u"输入 ", u"", false, true, true},
            {u"0022", u"输入 ", u" 并按回车键或点红色方框处", true, true, true},
            {u"0023", u"请选中 ", u"", false, true, true},
            {u"0024", u"输入 ", u" 并按回车键", false, true, true},
            {u"0025", u"输入 ", u"", false, true, false},
            {u"0026", u"输入 ", u" 并点击红色方框处", true, true, true},
            {u"0027", u"输入 ", u"", false, true, true},
            {u"0028", u"在单元格或编辑栏中输入 ", u" 并按回车键或点编辑区或点“√”", true, false, true},
        };
        s.useText4 = rules.demoTypingHints && code == u"0028";
        for (const Wording &w : Wordings) {
            if (code != w.code || !(rules.demoTypingHints ? w.demo : w.simulated))
                continue;
            s.hint = w.before.toString() + s.hint + w.after.toString();
            s.clearText1Selection = true;
            if (w.redBox)
                s.shape1Visible = s.hintVisible;
        }
    }

    if (isListStep(line))
        s.list = listStep(line, answerFile, rules);
    return s;
}

QString hintLines(const QString &hint)
{
    QString out = hint;
    return out.replace(u'|', QStringLiteral("\r\n"));
}

ListBorders listBorders(const QRectF &list, double xScale, double yScale)
{
    const double w = 15 * xScale;
    const double h = 15 * yScale;
    return {QRectF(list.left(), list.top(), w, list.height()),
            QRectF(list.left() + list.width() - w, list.top(), w, list.height()),
            QRectF(list.left(), list.top(), list.width(), h),
            QRectF(list.left(), list.top() + list.height() - h, list.width(), h)};
}

BarsShown barsShown(QStringView line, const SceneRules &rules)
{
    BarsShown b;
    auto show = [&b](int bits, bool panel) {
        b.PicMenu = b.PicMenu || (bits & MenuBar);
        b.PicTool = b.PicTool || (bits & StandardBars);
        b.PicHui = b.PicHui || (bits & DrawingBar);
        b.PicElse = b.PicElse || panel;
    };
    if (!rules.barsFromBothFields) {
        show(barBits(line), barShowsExtraPanel(line));
        return b;
    }
    for (const QStringView field : {barField(line), paneField(line)}) {
        const QChar kind = charAt(field, 1), d = charAt(field, 2);
        if (kind != u'A' && kind != u'B')
            continue;
        show(d >= u'1' && d <= u'7' ? d.unicode() - u'0' : 0, kind == u'B');
    }
    return b;
}

FinishStage finishStage(QStringView line, bool label1Visible, double label1Height, const QString &hint,
                        bool hintVisible, const SceneRules &rules)
{
    FinishStage f;
    f.hideShape1 = !label1Visible || label1Height <= 10;
    f.shape2Visible = hintVisible;
    f.label1Pointer = recordPointer(line);
    f.bars = barsShown(line, rules);
    f.hint = hintLines(hint);
    return f;
}

std::optional<BarPath> barPath(QStringView line)
{
    if (stepTypeText(line) != u"7000")
        return std::nullopt;
    const int at = charAt(line, targetSpecPos(1)) == u'H' ? targetSpecPos(1) : targetSpecPos(2);
    const QStringView field = chars(line, at, 10);
    BarPath p;
    p.hotSpot = number(field, 2, 2);
    p.item = number(field, 4, 2);
    if (p.item == 86)
        p.item = 57;
    p.subItem = number(field, 6, 2);
    if (field.size() >= 10)
        p.jump = field.mid(9, 1).toString();
    return p;
}

} // namespace scene
