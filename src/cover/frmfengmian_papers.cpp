// The papers page: the 30 paper rows with their history and unfinished
// counts, the four list tabs' rows, a row's start, the new random paper and
// the rows' review and delete links.
#include "cover/frmfengmian.h"

#include "bank/bankfiles.h"
#include "cover/randompaper.h"
#include "cover/runstart.h"
#include "foundation/blanks.h"
#include "foundation/errreport.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/numparse.h"
#include "foundation/ui/frmkvmsgbox.h"
#include "foundation/ui/kvelbutton.h"
#include "run/compose.h"
#include "run/randompapers.h"
#include "run/records.h"
#include "run/runstate.h"
#include "simwin/scene/cursorshape.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <functional>
#include <memory>

namespace {

constexpr int PaperRows = 30;
constexpr int StartButton = 70; // ClickBotn_70 + row
const QString Numerals = QStringLiteral("一二三四五六七八九十");

// N(k): the k-th numeral from 1 to 10, none above.
QString numeral(int k) { return k >= 1 && k <= Numerals.size() ? Numerals.mid(k - 1, 1) : QString(); }

// A caption whose run of blanks is room for a value laid over it: the text
// before the blanks is drawn from the left, the text after them from
// `tailX`, so the room does not depend on the width of the font's blank.
class BlankCaption : public QLabel
{
public:
    using QLabel::QLabel;
    int tailX = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        const QString t = text();
        const qsizetype blank = t.contains(u' ') ? t.indexOf(u' ') : t.size();
        qsizetype after = blank;
        while (after < t.size() && t[after] == u' ')
            ++after;
        QPainter p(this);
        p.setPen(palette().color(foregroundRole()));
        p.drawText(rect(), int(alignment()), t.left(blank));
        p.drawText(rect().adjusted(tailX, 0, 0, 0), int(alignment()), t.mid(after));
    }
};

// A left click (press and release over the label) runs `act`.
class LinkClick : public QObject
{
public:
    LinkClick(QLabel *label, std::function<void()> act) : QObject(label), act_(std::move(act))
    {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonRelease)
            return false;
        const auto *e = static_cast<QMouseEvent *>(event);
        if (e->button() != Qt::LeftButton || !static_cast<QWidget *>(watched)->rect().contains(e->position().toPoint()))
            return false;
        act_(); // the cover may be on its way out once this returns
        return true;
    }

private:
    std::function<void()> act_;
};

QFont songTi(double points, bool bold = false)
{
    QFont f(QStringLiteral("宋体"));
    f.setPointSizeF(points * fnd::XBiLi);
    f.setBold(bold);
    return f;
}

void setColour(QLabel *l, const QColor &c)
{
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, c);
    l->setPalette(pal);
}

// Every question 1 to 40 of an exam starts not done.
void presetExamQuestions()
{
    for (int i = 1; i <= run::ExamQuestions; ++i) {
        run::TmDone[size_t(i)] = QStringLiteral("F");
        run::TmState[size_t(i)] = 0;
    }
}

// An exam set holds the questions composed, at most 40.
void examTmSum() { run::TmSum = qint16(std::min<int>(run::TmSum, run::ExamQuestions)); }

} // namespace

void FrmFengmian::makePapersPage()
{
    auto make = [this](std::array<QLabel *, 30> &row, const char *name, bool caption = false) {
        for (int i = 0; i < PaperRows; ++i) {
            row[size_t(i)] = caption ? new BlankCaption(PicKaCH) : new QLabel(PicKaCH);
            row[size_t(i)]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
            row[size_t(i)]->setTextFormat(Qt::PlainText); // the history's times and scores, as written
        }
    };
    ImgSuiJi = new QLabel(PicKaCH);
    ImgSuiJi->setObjectName(QStringLiteral("ImgSuiJi"));
    ImgSuiJi->hide();
    // The cards first: the row's labels lie over them.
    make(ImgShiJuan, "ImgShiJuan");
    make(LblShiJuanBiao, "LblShiJuanBiao");
    make(LblShiJuanTime, "LblShiJuanTime");
    make(LblShiJuanSSSS, "LblShiJuanSSSS", true);
    make(LblShiJuanScore, "LblShiJuanScore");
    make(LblShiJuanCCC, "LblShiJuanCCC");
    make(LblShiJuanCuoTi, "LblShiJuanCuoTi");
    make(LblShiJuanDel, "LblShiJuanDel");
    for (int i = 0; i < PaperRows; ++i) {
        LblShiJuanSSSS[size_t(i)]->setText(QStringLiteral("最好成绩：    分"));
        LblShiJuanCCC[size_t(i)]->setText(QStringLiteral("错题复习"));
        new LinkClick(LblShiJuanCCC[size_t(i)], [this, i] { LblShiJuanCCC_Click(i); });
        new LinkClick(LblShiJuanDel[size_t(i)], [this, i] { LblShiJuanDel_Click(i); });
    }
    // Until the first initialisation places them, no row is shown.
    for (auto *row : {&ImgShiJuan, &LblShiJuanBiao, &LblShiJuanTime, &LblShiJuanSSSS, &LblShiJuanScore, &LblShiJuanCCC,
                      &LblShiJuanCuoTi, &LblShiJuanDel})
        for (QLabel *l : *row)
            l->hide();
}

// Step 17: each group's rows from the grid's top row, two cards a grid row;
// the titles; the sprint rows shown.
void FrmFengmian::paperRowTitles()
{
    const int last = ChongCiLast;
    for (int i = 0; i < PaperRows; ++i) {
        int k; // the row's place in its group, from 0
        QString word;
        if (i <= last) {
            k = i;
            word = QStringLiteral("冲刺试卷");
        } else if (i < 20) {
            k = i - last - 1;
            word = QStringLiteral("模拟试卷");
        } else {
            k = i - 20;
            word = QStringLiteral("随机试卷");
        }
        QLabel *card = ImgShiJuan[size_t(i)];
        card->move(card->x(), fnd::yPx(120 + 1350 * (k / 2)));
        LblShiJuanBiao[size_t(i)]->setText(word + numeral(k + 1));
        setColour(LblShiJuanBiao[size_t(i)], i <= last ? QColor(12, 127, 233) : QColor(51, 51, 51));
        card->setVisible(i <= last);
        LblShiJuanDel[size_t(i)]->setText(i >= 20 ? QStringLiteral("删除试卷") : QString());
    }
}

// Step 19: the rows' layout, history and unfinished counts, the generator
// panel and the message, then the sprint tab.
void FrmFengmian::paperRows()
{
    const QString tag = QStringLiteral("fengmaincsh");
    const auto cursor = scene::loadCursorFile(fnd::dataFile(QStringLiteral("9l0015")));
    if (!cursor)
        fnd::reportMissingFile(tag, QStringLiteral("9l0015"));
    const QFont title = songTi(10, true), text = songTi(9);
    // A label at (left, top) in run-time pixels, its design size in twips.
    auto place = [](QLabel *l, int left, int top, double width, double height, const QFont &f) {
        l->setFont(f);
        l->setGeometry(left, top, fnd::xPx(width), fnd::yPx(height));
    };
    for (int i = 0; i < PaperRows; ++i) {
        const auto n = size_t(i);
        QLabel *card = ImgShiJuan[n];
        setLabelPicture(card, QStringLiteral("l20065"), tag);
        card->setGeometry(fnd::xPx(2880 + 4560 * (i % 2)), card->y(), fnd::xPx(4410), fnd::yPx(1200));
        const int x0 = card->x(), y0 = card->y();
        const int left = x0 + fnd::xPx(120), titleTop = y0 + fnd::yPx(210), lineTop = y0 + fnd::yPx(870);
        place(LblShiJuanBiao[n], left, titleTop, 2700, 300, title);
        place(LblShiJuanTime[n], left, y0 + fnd::yPx(555), 2850, 255, text);
        place(LblShiJuanSSSS[n], left, lineTop, 1500, 255, text);
        // The score (placed 1140 twips in, 360 wide) lies over the caption's
        // four blanks; its unit stands where five full-width characters and
        // four half-width blanks end, as the design's font lays it out.
        static_cast<BlankCaption *>(LblShiJuanSSSS[n])->tailX = x0 + fnd::xPx(1380) - left;
        place(LblShiJuanScore[n], x0 + fnd::xPx(1140), lineTop, 360, 255, text);
        place(LblShiJuanCCC[n], x0 + fnd::xPx(1800), lineTop, 720, 255, text);
        place(LblShiJuanCuoTi[n], x0 + fnd::xPx(2520), lineTop, 480, 255, text);
        place(LblShiJuanDel[n], x0 + fnd::xPx(1800), titleTop + fnd::yPx(15), 720, 255, text);
        LblShiJuanScore[n]->setText(QString());
        LblShiJuanScore[n]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        setColour(LblShiJuanCCC[n], QColor(224, 0, 0));
        for (QLabel *link : {LblShiJuanCCC[n], LblShiJuanDel[n]})
            if (cursor)
                link->setCursor(*cursor);
        ClickBotn[size_t(StartButton + i)]->setGeometry(x0 + fnd::xPx(3000), y0 + fnd::yPx(630), fnd::xPx(1275),
                                                         fnd::yPx(450));
        LblShiJuanCuoTi[n]->setText(QStringLiteral("(%1)").arg(run::wrongListCount(i)));
        LblShiJuanTime[n]->setText(QStringLiteral("最后考试时间：") + ShiJuanHis[size_t(3 * i + 1)].left(16));
        LblShiJuanScore[n]->setText(ShiJuanHis[size_t(3 * i + 2)]);
    }
    copyRowVisibility();
    setLabelPicture(ImgSuiJi, QStringLiteral("l20066"), tag);
    ImgSuiJi->move(fnd::xPx(2730), fnd::yPx(90));
    ImgSuiJi->adjustSize();
    ImgSuiJi->hide();
    ClickBotn[21]->setVisible(!ImgSuiJi->isHidden());
    LblNoHis->setFont(songTi(20));
    setColour(LblNoHis, QColor(102, 102, 102));
    LblNoHis->move(fnd::xPx(4680), fnd::yPx(2160));
    LblNoHis->adjustSize();
    LblNoHis->hide();
    ClickBotn_Click(28);
}

// A row's labels and start button show as its card does.
void FrmFengmian::copyRowVisibility()
{
    for (int i = 0; i < PaperRows; ++i) {
        const auto n = size_t(i);
        const bool shown = !ImgShiJuan[n]->isHidden();
        for (QLabel *l : {LblShiJuanBiao[n], LblShiJuanTime[n], LblShiJuanSSSS[n], LblShiJuanScore[n], LblShiJuanCCC[n],
                          LblShiJuanCuoTi[n], LblShiJuanDel[n]})
            l->setVisible(shown);
        ClickBotn[size_t(StartButton + i)]->setVisible(shown);
    }
}

// The list tabs: 28 the sprint papers, 29 the mock papers, 30 the
// generator, 31 the random papers; the start picture loaded at every click.
void FrmFengmian::paperTabRows(int index)
{
    auto showRows = [this](int first, int last, const QString &picture) {
        for (int i = 0; i < PaperRows; ++i) {
            const bool shown = i >= first && i <= last;
            ImgShiJuan[size_t(i)]->setVisible(shown);
            if (shown)
                setButtonPicture(StartButton + i, picture, QStringLiteral("clickbotn"));
        }
    };
    switch (index) {
    case 28:
        showRows(0, ChongCiLast, QStringLiteral("l20047"));
        break;
    case 29:
        showRows(ChongCiLast + 1, run::PaperCount - 1, QStringLiteral("l20048"));
        break;
    case 30:
        showRows(0, -1, QString());
        break;
    default:
        showRows(20, 19 + SuiJiCount, QStringLiteral("l20048"));
        LblNoHis->setVisible(SuiJiCount == 0);
        break;
    }
    ImgSuiJi->setVisible(index == 30);
    ClickBotn[21]->setVisible(!ImgSuiJi->isHidden());
    copyRowVisibility();
}

// Button 70 + row: the paper's ids from its line (line row + 3 of the paper
// list, or line row - 19 of the random papers), composed on its working
// files and started as a mock exam. A row without a paper line, or whose
// line holds no id, starts nothing.
void FrmFengmian::startPaper(int row)
{
    run::RecNo = qint16(row);
    const bool fixed = row < 20;
    const auto lines = fixed ? fnd::readLines(fnd::dataFile(bank::PaperListFile))
                             : run::readRecordLines(bank::RandomPaperFile);
    const int line = fixed ? row + 3 : row - 19;
    const QString ids = lines && line <= lines->size() ? fnd::trimBlanks(lines->at(line - 1)) : QString();
    if (run::idCount(ids) == 0) {
        fnd::trapError(QStringLiteral("clickbotn"), 9, QStringLiteral("paper row %1 has no paper line").arg(row));
        return;
    }
    const qint16 taoNo = fixed ? qint16(row) : 11, paperType = fixed ? 0 : 8;
    if (!cover::InitShiTi(ids, taoNo + paperType))
        return;
    run::TaoNo = taoNo;
    run::PaperType = paperType;
    examTmSum();
    run::AnswerMode = 3;
    presetExamQuestions();
    cover::startLianXi();
}

// Button 21: a new random paper of the bank's units, recorded as random
// paper 1 (slot 20, the others one slot on) and started as a mock exam.
void FrmFengmian::newRandomPaper()
{
    std::vector<int> counts;
    for (int u = 0; u < run::UnitCount; ++u)
        counts.push_back(fnd::leadingInt(fnd::UnitTable[size_t(u)][2]));
    std::function<double()> source = cover::RandomPaperSource;
    if (!source) {
        auto generator = std::make_shared<QRandomGenerator>(quint32(QDateTime::currentMSecsSinceEpoch()));
        source = [generator] { return generator->generateDouble(); };
    }
    const QString paper = run::drawRandomPaper(counts, source);
    if (paper.isEmpty()) {
        fnd::trapError(QStringLiteral("clickbotn"), 5, QStringLiteral("no unit of the bank has a question to draw"));
        return;
    }
    if (!cover::InitShiTi(paper, bank::ComposedSet))
        return;
    run::RecNo = 20;
    examTmSum();
    run::AnswerMode = 3;
    run::TaoNo = 11;
    run::PaperType = 8;
    presetExamQuestions();
    const QDateTime now = cover::RandomPaperClock ? cover::RandomPaperClock() : QDateTime::currentDateTime();
    // A paper that could not be recorded is not started: its exam would be
    // scored into the slot of the newest paper recorded before it.
    if (!run::reportUnwritten(QStringLiteral("clickbotn"), run::recordNewRandomPaper(paper, SuiJiCount, now)))
        return;
    cover::startLianXi();
}

void FrmFengmian::LblShiJuanCCC_Click(int index)
{
    if (index < 0 || index >= PaperRows)
        return;
    const QString list = run::readRecordLine(bank::ShiJuanCuoTiFile(index));
    if (run::idCount(list) == 0) {
        FrmKVMSGBOX::ask(QStringLiteral("没有生成错题"), QStringLiteral("l20071"),
                         QStringLiteral("\r\n\r\n\r\n你可能是还没有做本套试题，或者上次得分为0。\r\n请点“开始考试”做本套试题。"));
        return;
    }
    const qint16 before = run::RecNo;
    run::RecNo = qint16(index);
    if (run::composeExamReviewSet() != run::ReviewSet::Composed) {
        run::RecNo = before;
        fnd::trapError(QStringLiteral("lblshijuancc"), 53,
                       QStringLiteral("the unfinished questions of paper row %1 could not be composed").arg(index));
        return;
    }
    // The practice holds the list's whole ids: one to three characters after
    // the last make no question.
    run::TmSum = qint16(std::min(run::idCount(list), run::MaxQuestions));
    cover::startLianXi();
}

void FrmFengmian::LblShiJuanDel_Click(int index)
{
    // Only the random papers listed have the link.
    if (index < 20 || index > 19 + SuiJiCount)
        return;
    if (FrmKVMSGBOX::ask(QStringLiteral("删除试卷"), QStringLiteral("l20071"),
                         QStringLiteral("\r\n\r\n\r\n您确实要删除本套随机试题吗？"))
        != 1)
        return;
    run::reportUnwritten(QStringLiteral("lblshijuandel"), run::deleteRandomPaper(index, SuiJiCount));
    FengMainCsh();
}
