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

ListStep listStep(QStringView line, const QString &answerFile)
{
    ListStep l;
    // "000" names no line: the list stays empty.
    if (const QStringView field = chars(line, 9, 3); field != u"000") {
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
                             const QString &answerFile)
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
        if (answerMode != 3) {
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
        s.hint = typingAlternatives(s.hint);
        // The wording of each typing step's hint; "0028" keeps its hint as it is.
        struct Wording
        {
            QStringView code, before, after;
            bool redBox; // the red box stays with the hint
        };
        static constexpr Wording Wordings[] = {
            {u"0020", u"输入 ", u"", false},
            {u"0021", u"输入 ", u"", false},
            {u"0022", u"输入 ", u" 并按回车键或点红色方框处", true},
            {u"0023", u"请选中 ", u"", false},
            {u"0024", u"输入 ", u" 并按回车键", false},
            {u"0025", u"输入 ", u"", false},
            {u"0026", u"输入 ", u" 并点击红色方框处", true},
            {u"0027", u"输入 ", u"", false},
        };
        for (const Wording &w : Wordings) {
            if (code != w.code)
                continue;
            s.hint = w.before.toString() + s.hint + w.after.toString();
            s.clearText1Selection = true;
            if (w.redBox)
                s.shape1Visible = s.hintVisible;
        }
    }

    if (isListStep(line))
        s.list = listStep(line, answerFile);
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

BarsShown barsShown(QStringView line)
{
    const int bits = barBits(line);
    BarsShown b;
    b.PicMenu = bits & MenuBar;
    b.PicTool = bits & StandardBars;
    b.PicHui = bits & DrawingBar;
    b.PicElse = barShowsExtraPanel(line);
    return b;
}

FinishStage finishStage(QStringView line, bool label1Visible, double label1Height, const QString &hint,
                        bool hintVisible)
{
    FinishStage f;
    f.hideShape1 = !label1Visible || label1Height <= 10;
    f.shape2Visible = hintVisible;
    f.label1Pointer = recordPointer(line);
    f.bars = barsShown(line);
    f.hint = hintLines(hint);
    return f;
}

} // namespace scene
