// The units page: its controls, its set-up at every load (geometry,
// pictures, the 25-column unit captions, the group tabs, the filters, the
// summary of the whole bank), and its buttons: the unit filter, the group
// tabs and the selection of a unit with its two progress bars.
#include "cover/frmfengmian.h"

#include "foundation/globals.h"
#include "foundation/errreport.h"
#include "foundation/numparse.h"
#include "foundation/ui/kvelbutton.h"
#include "run/coverdata.h"
#include "run/runstate.h"

#include <QLabel>

namespace {

// Design twips of the bars: base line from the page's top, full height.
constexpr double BarBase = 5550;
constexpr double BarFull = 3570;

void placeTw(QWidget *w, double left, double top, double width, double height)
{
    w->setGeometry(fnd::xPx(left), fnd::yPx(top), fnd::xPx(width), fnd::yPx(height));
}

void setFontSize(QLabel *l, double points)
{
    QFont f = l->font();
    f.setPointSizeF(points);
    l->setFont(f);
}

} // namespace

void FrmFengmian::makeUnitsPage()
{
    auto label = [this](const char *name) {
        auto *l = new QLabel(PicTiKu);
        l->setObjectName(QString::fromLatin1(name));
        l->setTextFormat(Qt::PlainText); // unit names, as the bank writes them
        return l;
    };
    PicUnitLeft = label("PicUnitLeft");
    // The window's design: the strip's height before its picture is set.
    placeTw(PicUnitLeft, 0, 0, 2730, 6870);
    ImgUnitGezi = label("ImgUnitGezi");
    imgPicIII = label("imgPicIII");
    // The bars stretch their pictures; they start empty on the base line.
    ImgUnitD = label("ImgUnitD");
    ImgUnitC = label("ImgUnitC");
    ImgUnitD->setPixmap(QPixmap(QStringLiteral(":/cover/unitbar_done.png")));
    ImgUnitC->setPixmap(QPixmap(QStringLiteral(":/cover/unitbar_notdone.png")));
    for (QLabel *bar : {ImgUnitD, ImgUnitC}) {
        bar->setScaledContents(true);
        placeTw(bar, 0, BarBase, 900, 0);
    }
    for (int i = 0; i < 5; ++i) {
        LblUnitDQCAP[size_t(i)] = label(qPrintable(QStringLiteral("LblUnitDQCAP_%1").arg(i)));
        LblUnitDQCAP[size_t(i)]->setFont(QFont(QStringLiteral("宋体"), 9));
    }
    LblUnitDQCAP[0]->setText(QStringLiteral("学习进度信息"));
}

void FrmFengmian::unitsPage()
{
    const double X = fnd::XBiLi;
    const QString tag = QStringLiteral("fengmaincsh");
    // 1. The strip, from its designed height, then its picture.
    PicUnitLeft->move(0, PicTiKu->height() - PicUnitLeft->height() - fnd::yPx(30));
    if (setLabelPicture(PicUnitLeft, QStringLiteral("l20054"), tag))
        PicUnitLeft->adjustSize();

    // 2. Unit buttons: both groups in the same ten rows.
    for (int i = 50; i <= 69; ++i) {
        kvelButton *b = ClickBotn[size_t(i)];
        placeTw(b, 15, 870 + (i % 10) * 525, 2700, 525);
        b->setFontSize(9 * X);
        b->setForeColor(Qt::black);
        b->setCaption(run::unitCaption(i - 49, fnd::UnitTable[size_t(i - 50)][1]));
        setButtonPicture(i, QStringLiteral("l20045"), tag);
        if (i >= 60)
            b->hide();
    }

    // 3, 4. The whole bank's button.
    placeTw(ClickBotn[49], 15, 0, 2700, 870);
    setButtonPicture(49, QStringLiteral("l20044"), tag);
    SelUnit = -1;

    // 5, 6. Group tabs.
    placeTw(ClickBotn[47], 150, 6270, 1185, 555);
    ClickBotn[47]->setCaption(QStringLiteral("1-10单元"));
    setButtonPicture(47, QStringLiteral("l20086"), tag);
    placeTw(ClickBotn[48], 1365, 6270, 1185, 555);
    ClickBotn[48]->setCaption(QStringLiteral("11-%1单元").arg(run::UnitCount));
    setButtonPicture(48, QStringLiteral("l20046"), tag);
    for (int i : {47, 48}) {
        ClickBotn[size_t(i)]->setForeColor(Qt::white);
        ClickBotn[size_t(i)]->setFontSize(9 * X);
    }
    if (run::UnitCount <= 10) {
        ClickBotn[48]->setEnabled(false);
        ClickBotn[48]->setCaption(QString());
        ClickBotn[47]->setCaption(QStringLiteral("1-%1单元").arg(run::UnitCount));
    }

    // 7, 8. Grid and bars.
    ImgUnitGezi->move(fnd::xPx(2730), fnd::yPx(1680));
    if (setLabelPicture(ImgUnitGezi, QStringLiteral("l20055"), tag))
        ImgUnitGezi->adjustSize();
    ImgUnitD->setGeometry(fnd::xPx(4410 + 1500), ImgUnitD->y(), fnd::xPx(900), ImgUnitD->height());
    ImgUnitC->setGeometry(fnd::xPx(4410 + 1500 + 1500), ImgUnitC->y(), fnd::xPx(900), ImgUnitC->height());

    // 9. Unit filter: all questions.
    UnitFilter = 0;
    for (int i = 37; i <= 39; ++i)
        placeTw(ClickBotn[size_t(i)], 4485 + (i - 37) * 1500, 5700, 900, 375);
    setButtonPicture(37, QStringLiteral("l20087"), tag);

    // 10. Decoration.
    imgPicIII->move(fnd::xPx(3150), fnd::yPx(420));
    if (setLabelPicture(imgPicIII, QStringLiteral("l20064"), tag))
        imgPicIII->adjustSize();

    // 11. Labels.
    auto &cap = LblUnitDQCAP;
    setFontSize(cap[1], 12 * X);
    cap[1]->move(fnd::xPx(4245), fnd::yPx(630));
    setFontSize(cap[0], 10 * X);
    cap[0]->move(cap[1]->x(), fnd::yPx(975));
    cap[0]->adjustSize();
    cap[2]->move(fnd::xPx(4590), fnd::yPx(1740));
    cap[3]->move(ImgUnitD->x() + fnd::xPx(240), cap[3]->y());
    cap[4]->move(ImgUnitC->x() + fnd::xPx(240), cap[4]->y());

    // 12. The whole bank's summary.
    ClickBotn_Click(49);

    // 13. The papers page's strip copies this one.
    PicKaCHLeft->move(PicUnitLeft->pos());
    PicKaCHLeft->setPixmap(PicUnitLeft->pixmap());
    PicKaCHLeft->adjustSize();
}

// Units page (buttons 4 and 16): the first unit with more than a fifth of its
// questions not done; a unit without questions stops the search; past the
// bank's units the last one.
void FrmFengmian::autoSelectUnit()
{
    int n = 49;
    for (;;) {
        ++n;
        const int u = n - 50;
        // Rows from UnitCount on are not the bank's: the search ends there.
        if (u >= run::UnitCount)
            break;
        double a = fnd::leadingValue(fnd::UnitTable[size_t(u)][2]);
        double b = fnd::leadingValue(fnd::UnitTable[size_t(u)][3]);
        if (a == 0)
            a = b = 10;
        if (b / a > 0.2)
            break;
    }
    n = std::min(n, run::UnitCount + 49);
    ClickBotn_Click(n);
}

void FrmFengmian::unitFilter(int index)
{
    UnitFilter = qint16(index - 37);
    for (int i = 37; i <= 39; ++i)
        setButtonPicture(i, QStringLiteral("l200%1").arg(i == index ? i + 50 : i), QStringLiteral("clickbotn"));
}

void FrmFengmian::unitGroupTab(int index)
{
    SelUnit = qint16((index - 47) * 10);
    ClickBotn_Click(SelUnit + 50);
    showUnitGroup(index == 47);
}

// The group's tab pictures and buttons: the other group and the buttons
// past the bank's units hidden.
void FrmFengmian::showUnitGroup(bool first)
{
    const QString tag = QStringLiteral("clickbotn");
    setButtonPicture(47, first ? QStringLiteral("l20086") : QStringLiteral("l20046"), tag);
    setButtonPicture(48, first ? QStringLiteral("l20046") : QStringLiteral("l20086"), tag);
    for (int i = 50; i <= 59; ++i)
        ClickBotn[size_t(i)]->setVisible(first);
    for (int i = 60; i <= 69; ++i)
        ClickBotn[size_t(i)]->setVisible(!first);
    for (int i = run::UnitCount + 50; i <= 69; ++i)
        ClickBotn[size_t(i)]->hide();
}

// Buttons 49 (all units) and 50 to 69 (unit index - 50).
void FrmFengmian::selectUnit(int index)
{
    SelUnit = qint16(index - 50);
    double a = 0, b = 0;
    if (index == 49) {
        LblUnitDQCAP[1]->setText(QStringLiteral("所有题库中题目"));
        for (int u = 0; u < run::UnitCount; ++u) {
            a += fnd::leadingValue(fnd::UnitTable[size_t(u)][2]);
            b += fnd::leadingValue(fnd::UnitTable[size_t(u)][3]);
        }
    } else {
        showUnitGroup(index < 60);
        const auto &row = fnd::UnitTable[size_t(SelUnit)];
        LblUnitDQCAP[1]->setText(QStringLiteral("第%1单元 ").arg(SelUnit + 1) + row[1]);
        a = fnd::leadingValue(row[2]);
        b = fnd::leadingValue(row[3]);
    }
    LblUnitDQCAP[2]->setText(QString::number(a) + QStringLiteral("题"));
    LblUnitDQCAP[3]->setText(QString::number(a - b) + QStringLiteral("题"));
    LblUnitDQCAP[4]->setText(QString::number(b) + QStringLiteral("题"));
    for (int i = 1; i <= 4; ++i)
        LblUnitDQCAP[size_t(i)]->adjustSize();
    unitBars(a, b);
    for (int i = 49; i <= 69; ++i)
        ClickBotn[size_t(i)]->setEnabled(true);
    ClickBotn[size_t(index)]->setEnabled(false);
}

// The two bars on their base line, each as high as its share of the
// questions, each count above its bar. Without questions (or with counts
// that give no height) a bar keeps its height, which is reported.
void FrmFengmian::unitBars(double all, double notDone)
{
    const double Y = fnd::YBiLi;
    auto height = [&](double share, double &keptTw) {
        if (all == 0) {
            fnd::trapError(QStringLiteral("clickbotn"), 11, QStringLiteral("Division by zero"));
            return;
        }
        const double tw = share / all * BarFull * Y;
        if (tw < 0) {
            fnd::trapError(QStringLiteral("clickbotn"), 380, QStringLiteral("Invalid property value"));
            return;
        }
        keptTw = tw;
    };
    height(notDone, notDoneBarTw_);
    height(all - notDone, doneBarTw_);
    auto place = [&](QLabel *bar, double heightTw, QLabel *count) {
        const double topTw = BarBase * Y - heightTw;
        bar->setGeometry(bar->x(), fnd::yTwipsToPx(topTw), bar->width(), fnd::yTwipsToPx(heightTw));
        count->move(count->x(), fnd::yTwipsToPx(topTw - 240 * Y));
    };
    place(ImgUnitC, notDoneBarTw_, LblUnitDQCAP[4]);
    place(ImgUnitD, doneBarTw_, LblUnitDQCAP[3]);
}
