// The marked-question and wrong-question pages: their content at every load
// (background, the counts of the questions not reviewed and reviewed, the
// filter buttons), their practice (buttons 22, 24) and clear (23, 25)
// buttons; and the units page's practice button (20). A refusal asks
// nothing and writes nothing; a set whose working files cannot be composed
// starts nothing (the composition logs why).
#include "cover/frmfengmian.h"

#include "cover/runstart.h"
#include "foundation/globals.h"
#include "foundation/numparse.h"
#include "foundation/ui/frmkvmsgbox.h"
#include "foundation/ui/kvelbutton.h"
#include "run/records.h"
#include "run/reviewlists.h"
#include "run/runstate.h"

#include <QLabel>
#include <algorithm>

namespace {

// The cover's refusals and confirmations: the prompt stands three lines down.
const QString Lower = QStringLiteral("\r\n\r\n\r\n");
const QString InfoIcon = QStringLiteral("l20072");
const QString QuestionIcon = QStringLiteral("l20071");

// What tells the two review pages apart (marked page, wrong-question page).
struct ReviewPage
{
    QLabel *FrmFengmian::*frame;
    const char *stem; // of the page's control names
    run::ListFiles (*files)();
    qint16 FrmFengmian::*filter;
    QLabel *FrmFengmian::*back;
    QLabel *FrmFengmian::*notReviewed;
    QLabel *FrmFengmian::*reviewed;
    int notReviewedFilter; // the button; the reviewed filter is the next one
    const char *background;
    const char *onPicture;   // the not-reviewed filter while its bit is set
    const char *offPicture;  // the reviewed filter while its bit is clear
    // The practice: its refusals' title and prompts, the sets by filter
    // (index 1 not reviewed, 2 reviewed, 3 both).
    const char *practiceTitle;
    const char *emptyPrompt;
    const char *nonePrompt[3];
    qint16 paperType[4];
    qint16 taoNo[4];
    // The clear: its title and the question by filter.
    const char *clearTitle;
    const char *clearQuestion[4];
};

const ReviewPage Pages[2] = {
    {&FrmFengmian::PicBiaoZhi, "BiaoZhi", run::markedListFiles, &FrmFengmian::BiaoZhiFilter, &FrmFengmian::ImgBiaoZhiBack, &FrmFengmian::LblBiaoZhiWei,
     &FrmFengmian::LblBiaoZhiYI, 40, "l20057", "l20090", "l20041", "收藏题目练习", "您还没有已收藏题目！",
     {"", "您没有未复习的收藏题目！", "您没有已复习的收藏题目！"}, {0, 10, 11, 9}, {0, 9, 8, 10},
     "清除收藏的题目",
     {"", "您确实要清除未复习的收藏题目吗？", "您确实要清除已复习的收藏题目吗？", "您确实要清除全部收藏题目吗？"}},
    {&FrmFengmian::PicCuoTi, "CuoTi", run::wrongListFiles, &FrmFengmian::CuoTiFilter, &FrmFengmian::ImgCuoTiBack, &FrmFengmian::LblCuoTiWei,
     &FrmFengmian::LblCuoTiYI, 42, "l20058", "l20092", "l20043", "错题复习", "您还没有错题记录！",
     {"", "您还没有未复习的错题记录！", "您还没有已复习的错题记录！"}, {0, 13, 14, 12}, {0, 6, 5, 7},
     "清除我的错题",
     {"", "您确实要清除未学习的我的错题题目吗？", "您确实要清除已学习的我的错题题目吗？",
      "您确实要清除全部我的错题题目吗？"}},
};

// Buttons 22 and 23 belong to the marked page, 24 and 25 to the other.
const ReviewPage &pageOf(int index) { return Pages[index <= 23 ? 0 : 1]; }

QString u8(const char *text) { return QString::fromUtf8(text); }

void placeTw(QWidget *w, double left, double top, double width, double height)
{
    w->setGeometry(fnd::xPx(left), fnd::yPx(top), fnd::xPx(width), fnd::yPx(height));
}

void refuse(const QString &title, const QString &prompt) { FrmKVMSGBOX::ask(title, InfoIcon, prompt); }

} // namespace

void FrmFengmian::makeReviewPages()
{
    for (const ReviewPage &page : Pages) {
        auto label = [this, &page](QLabel *&member, const char *pattern) {
            member = new QLabel(this->*page.frame);
            member->setObjectName(QString::fromLatin1(pattern).arg(QString::fromLatin1(page.stem)));
            member->setTextFormat(Qt::PlainText);
        };
        label(this->*page.back, "Img%1Back");
        label(this->*page.notReviewed, "Lbl%1Wei");
        label(this->*page.reviewed, "Lbl%1YI");
        // The counts and the page's buttons lie over the background.
        (this->*page.back)->lower();
        for (QLabel *count : {this->*page.notReviewed, this->*page.reviewed}) {
            QFont f(QStringLiteral("宋体"));
            f.setBold(true);
            count->setFont(f);
            QPalette pal = count->palette();
            pal.setColor(QPalette::WindowText, QColor(255, 0, 0));
            count->setPalette(pal);
        }
    }
}

// Both pages alike, the marked page first. Every load starts the filters
// afresh: the not-reviewed questions only.
void FrmFengmian::reviewPages()
{
    const QString tag = QStringLiteral("fengmaincsh");
    for (const ReviewPage &page : Pages) {
        QLabel *back = this->*page.back;
        back->move(0, 0);
        if (setLabelPicture(back, u8(page.background), tag))
            back->adjustSize();
        QLabel *counts[2] = {this->*page.notReviewed, this->*page.reviewed};
        for (int k = 0; k < 2; ++k) {
            QLabel *count = counts[k];
            count->setText(QStringLiteral("00"));
            count->setAlignment(Qt::AlignCenter);
            QFont f = count->font();
            f.setPointSizeF(10 * fnd::XBiLi);
            count->setFont(f);
            // Wide and high enough for three digits.
            placeTw(count, 7140, 2385 + k * 450, 600, 300);
        }
        placeTw(ClickBotn[size_t(page.notReviewedFilter)], 5775, 2235, 1200, 450);
        placeTw(ClickBotn[size_t(page.notReviewedFilter + 1)], 5775, 2685, 1200, 450);
        this->*page.filter = run::NotReviewedBit;
        setButtonPicture(page.notReviewedFilter, u8(page.onPicture), tag);
        setButtonPicture(page.notReviewedFilter + 1, u8(page.offPicture), tag);
        // One question per id; an id without a flag is not reviewed.
        const run::ReviewSplit split = run::splitReviewed(run::readFlaggedList(page.files()));
        counts[0]->setText(QString::number(run::idCount(split.notReviewed)));
        counts[1]->setText(QString::number(run::idCount(split.reviewed)));
    }
}

// Button 20: the chosen unit's questions, all of them (on the unit's own
// files), the done ones or the others (composed).
void FrmFengmian::unitPractice()
{
    if (SelUnit == -1) {
        refuse(QStringLiteral("单元练习"), QStringLiteral("\r\n本模块共有%1单元\r\n\r\n"
                                                       "请先点击左边单元名称选择您要学习的单元，再点开始学习！")
                                           .arg(run::UnitCount));
        return;
    }
    run::AnswerMode = 2;
    const int u = SelUnit;
    const QString &progress = fnd::UnitTable[size_t(u)][4];
    if (UnitFilter == 0) {
        // A unit without questions has nothing to practise.
        if (!cover::composeUnitPractice(u))
            return;
    } else {
        const QChar wanted = UnitFilter == 1 ? u'T' : u'F';
        QString list;
        for (int i = 1; i <= progress.size(); ++i)
            if (progress.at(i - 1) == wanted)
                list += run::idText(u * 100 + i);
        if (list.isEmpty()) {
            refuse(QStringLiteral("章节练习"),
                   Lower + (UnitFilter == 1 ? QStringLiteral("您本部分没有已学题！") : QStringLiteral("您本部分没有未学题！")));
            return;
        }
        if (!cover::InitShiTi(list, 19))
            return;
        run::PaperType = UnitFilter == 1 ? 5 : 6;
        run::RecNo = qint16(u);
        run::TaoNo = UnitFilter == 1 ? 14 : 13;
        for (int i = 1; i <= run::TmSum; ++i) {
            run::TmDone[size_t(i)] = QString(wanted);
            run::TmState[size_t(i)] = UnitFilter == 1 ? 4 : 0;
        }
    }
    cover::startLianXi();
}

// Buttons 22 and 24: the marked or wrong questions of the page's filter.
void FrmFengmian::reviewPractice(int index)
{
    const ReviewPage &page = pageOf(index);
    const int filter = this->*page.filter;
    if (filter == 0)
        return;
    const run::FlaggedList list = run::readFlaggedList(page.files());
    if (list.count() == 0) {
        refuse(u8(page.practiceTitle), Lower + u8(page.emptyPrompt));
        return;
    }
    const run::FlaggedList set = run::reviewSet(list, filter);
    run::PaperType = page.paperType[filter];
    run::TaoNo = page.taoNo[filter];
    // The questions' done flags over the whole table: past the set, filter 3
    // has none and the others their group's.
    const QString past = filter == 3 ? QString() : QString(filter == 1 ? u'F' : u'T');
    for (int i = 1; i <= run::MaxQuestions; ++i) {
        run::TmDone[size_t(i)] = i <= set.flags.size() ? QString(set.flags.at(i - 1)) : past;
        run::TmState[size_t(i)] = run::TmDone[size_t(i)] == u"T" ? 4 : 0;
    }
    if (set.count() == 0) {
        refuse(u8(page.practiceTitle), Lower + u8(page.nonePrompt[filter]));
        return;
    }
    if (!cover::InitShiTi(set.ids, 19))
        return;
    run::AnswerMode = 2;
    cover::startLianXi();
}

// Buttons 23 and 25: once confirmed, the filtered questions leave the list
// (ids and flags rewritten together) and their count shows 0.
void FrmFengmian::clearReviewList(int index)
{
    const ReviewPage &page = pageOf(index);
    const int filter = this->*page.filter;
    if (filter == 0)
        return;
    if (FrmKVMSGBOX::ask(u8(page.clearTitle), QuestionIcon, Lower + u8(page.clearQuestion[filter])) != 1)
        return;
    // A list that cannot be read is not rewritten (the read logged it).
    const auto list = run::tryReadFlaggedList(page.files());
    if (!list || list->count() == 0)
        return;
    run::RecordWrites writes;
    run::writeFlaggedList(page.files(), run::clearedList(*list, filter), writes);
    if (!writes.ok())
        return;
    if (filter & run::NotReviewedBit)
        (this->*page.notReviewed)->setText(QStringLiteral("0"));
    if (filter & run::ReviewedBit)
        (this->*page.reviewed)->setText(QStringLiteral("0"));
}
