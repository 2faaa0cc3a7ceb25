#include "cover/frmfengmian.h"

#include "bank/bankfiles.h"
#include "foundation/errreport.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/numparse.h"
#include "foundation/picture.h"
#include "foundation/startup.h"
#include "foundation/ui/display.h"
#include "foundation/ui/kvelbutton.h"
#include "foundation/ui/paintlog.h"
#include "foundation/ui/windowdrag.h"
#include "run/coverdata.h"
#include "run/randompapers.h"
#include "run/records.h"
#include "cover/runstart.h"
#include "run/runstate.h"
#include "simwin/scene/cursorshape.h"

#include <QFileInfo>
#include <algorithm>
#include <QPainter>
#include <QTimer>
#include <QLabel>
#include <QMouseEvent>

namespace {

// A version or a module number is a few characters: more is never read.
constexpr qsizetype FirstLineBytes = 256;

// Line 1 of a data-folder file, empty when the file has none or cannot be
// read; a missing file is reported under the cover's tag.
QString firstLine(const QString &name)
{
    const QString path = fnd::dataFile(name);
    if (!QFileInfo(path).isFile()) {
        fnd::trapError(QStringLiteral("fengmaincsh"), 53, QStringLiteral("File not found"));
        return {};
    }
    return fnd::readLineExact(path, 1, FirstLineBytes).value_or(QString());
}

} // namespace

FrmFengmian::FrmFengmian() : QWidget(nullptr, Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FrmFengmian"));
    // Texts read from the bank and record files show as written.
    auto label = [](QWidget *parent, const char *name) {
        auto *l = new QLabel(parent);
        l->setObjectName(QString::fromLatin1(name));
        l->setTextFormat(Qt::PlainText);
        return l;
    };
    picShouYe = label(this, "picShouYe");
    PicTop = label(this, "PicTop");
    LblCaption = label(PicTop, "LblCaption");
    lblMove = label(this, "lblMove");
    PicTiKu = label(this, "PicTiKu");
    PicKaCH = label(this, "PicKaCH");
    PicBiaoZhi = label(this, "PicBiaoZhi");
    PicCuoTi = label(this, "PicCuoTi");
    PicHelp = label(this, "PicHelp");
    PicAd = label(this, "PicAd");
    LblAD = label(PicAd, "LblAD");
    LblAD->installEventFilter(this);
    PicKaCHLeft = label(PicKaCH, "PicKaCHLeft");
    LblNoHis = label(PicKaCH, "LblNoHis");
    LblNoHis->setText(QStringLiteral("您还没有练习过随机试卷！"));
    LblNoHis->hide();
    // Page controls before the buttons, which lie over them.
    makeUnitsPage();
    makePapersPage();
    makeHelpPage();
    for (int i : {0, 1, 2, 3, 17, 18, 19, 20, 21}) {
        LblInfo[size_t(i)] = label(this, qPrintable(QStringLiteral("LblInfo_%1").arg(i)));
    }
    LblInfo_0 = LblInfo[0];
    for (QLabel *l : LblInfo)
        if (l)
            l->installEventFilter(this);
    for (int i = 0; i < 100; ++i) {
        QWidget *container = this;
        if (i >= 13 && i <= 19)
            container = PicTop;
        else if (i == 20 || (i >= 37 && i <= 39) || (i >= 47 && i <= 69))
            container = PicTiKu;
        else if (i == 21 || (i >= 28 && i <= 31) || i >= 70)
            container = PicKaCH;
        else if (i == 22 || i == 23 || i == 40 || i == 41)
            container = PicBiaoZhi;
        else if (i == 24 || i == 25 || i == 42 || i == 43)
            container = PicCuoTi;
        else if (i >= 32 && i <= 36)
            container = PicHelp;
        auto *b = new kvelButton(container);
        b->setObjectName(QStringLiteral("ClickBotn_%1").arg(i));
        connect(b, &kvelButton::Click, this, [this, i] { ClickBotn_Click(i); });
        ClickBotn[size_t(i)] = b;
    }
    // Buttons without a role in the window's definition are not shown.
    for (int i : {9, 10, 26, 27})
        ClickBotn[size_t(i)]->hide();
    // Stacking, bottom to top: the home page's surface (its picture, the
    // drag strip, the info labels and buttons), the page frames, the top
    // strip, the advert.
    lblMove->raise();
    for (QWidget *w : {PicTiKu, PicKaCH, PicBiaoZhi, PicCuoTi, PicHelp, PicTop, PicAd})
        w->raise();
    // A left press on the drag strip or the home-page picture moves the
    // window, as its missing title bar would.
    fnd::makeDragHandle(lblMove);
    fnd::makeDragHandle(picShouYe);
    TimFH = new QTimer(this);
    TimFH->setObjectName(QStringLiteral("TimFH"));
    TimFH->setInterval(100);
    TimFH->setSingleShot(true);
    connect(TimFH, &QTimer::timeout, this, [this] {
        OpenedPage = cover::FhPage;
        ClickBotn_Click(cover::FhPage);
    });
    // The review pages' backgrounds go under the buttons.
    makeReviewPages();
}

void FrmFengmian::paintEvent(QPaintEvent *)
{
    if (!background_.isNull())
        QPainter(this).drawPixmap(0, 0, background_);
    fnd::notePaint("FrmFengmian");
}

QStringList FrmFengmian::pictureFiles()
{
    // The frame and the pointer, buttons 0 to 48, the units page, the
    // papers page, the marked and wrong-question pages.
    QStringList names{QStringLiteral("l62011"), QStringLiteral("l20060"), QStringLiteral("l20051"),
                      QStringLiteral("l20052"), QStringLiteral("l20053"), QStringLiteral("9l0015")};
    for (int i = 0; i <= 48; ++i)
        names << QStringLiteral("l200%1").arg(i, 2, 10, QChar(u'0'));
    for (const char *name : {"l20054", "l20086", "l20055", "l20087", "l20064", "l20065", "l20066", "l20057", "l20090",
                             "l20058", "l20092"})
        names << QString::fromLatin1(name);
    QStringList paths;
    for (const QString &name : names)
        paths << fnd::dataFile(name);
    return paths;
}

QStringList FrmFengmian::picturesAhead()
{
    QStringList lastFirst = pictureFiles();
    std::reverse(lastFirst.begin(), lastFirst.end());
    return lastFirst;
}

void FrmFengmian::formUnload()
{
    // The window itself is deleted only once the click that unloads it has
    // returned, after the run's windows have loaded their pictures; its own
    // go now, so that the two sets never take memory together.
    background_ = QPixmap();
    for (QLabel *l : findChildren<QLabel *>())
        if (!l->pixmap().isNull())
            l->setPixmap(QPixmap());
    for (kvelButton *b : findChildren<kvelButton *>())
        b->setPicture(QPixmap());
}

void FrmFengmian::formLoad()
{
    fnd::decodeAhead(picturesAhead(), fnd::AheadShare::Whole);
    fnd::setScaleFromScreen();
    setFixedSize(fnd::xPx(12000), fnd::yPx(9000));
    const QString tag = QStringLiteral("form_load");
    if (auto icon = fnd::loadPicture(fnd::dataFile(QStringLiteral("l62011"))))
        setWindowIcon(QIcon(*icon));
    else
        fnd::reportMissingFile(tag, QStringLiteral("l62011"));
    if (!fnd::loadPictureInto(background_, fnd::dataFile(QStringLiteral("l20060"))))
        fnd::reportMissingFile(tag, QStringLiteral("l20060"));
    // A picture label at (left, top) in design twips, sized to its picture.
    auto place = [this, &tag](QLabel *l, const char *picture, double left, double top) {
        setLabelPicture(l, QString::fromLatin1(picture), tag);
        l->move(fnd::xPx(left), fnd::yPx(top));
        l->adjustSize();
    };
    place(picShouYe, "l20051", 0, 0);
    place(PicTop, "l20052", 0, 0);
    PicTop->hide();
    lblMove->setGeometry(0, 0, fnd::xPx(10455), fnd::yPx(675));
    for (QLabel *page : {PicTiKu, PicKaCH, PicBiaoZhi, PicCuoTi, PicHelp}) {
        place(page, "l20053", 0, 1650);
        page->setGeometry(fnd::xPx(0), fnd::yPx(1650), fnd::xPx(12000), fnd::yPx(6900));
        page->hide();
    }
    loadAdvert();
    FengMainCsh();
    fnd::centreOnScreen(this);
}

void FrmFengmian::FengMainCsh()
{
    using fnd::XBiLi;
    using fnd::YBiLi;
    const QString tag = QStringLiteral("fengmaincsh");
    // 1. Bank version.
    const QString version = firstLine(bank::BankVersionFile);
    run::BankVersion = version.trimmed();

    // 2. A data folder of another module: end here, without a word and
    // before anything is written.
    const double moduleNo = fnd::leadingValue(firstLine(bank::ModuleNoFile));
    if (moduleNo != double(fnd::ModuleNo)) {
        fnd::endProgram();
        return;
    }

    // 3. Info lines 1 to 3.
    LblInfo[1]->setText(QStringLiteral("官方网站：") + fnd::InfoTable[16]);
    LblInfo[2]->setText(QStringLiteral("客服电话：") + fnd::InfoTable[10]);
    LblInfo[3]->setText(QStringLiteral("客服QQ：") + fnd::InfoTable[11]);

    // 4. Input-method option.
    run::UseIME = fnd::leadingValue(run::readRecordLine(bank::ImeOptionFile)) != 0;

    // 5, 6. Caption, title label, version line.
    setWindowTitle(QStringLiteral("Marrowby考试练习系统"));
    QFont f(QStringLiteral("宋体"));
    f.setPointSizeF(10 * XBiLi);
    LblCaption->setFont(f);
    LblCaption->move(fnd::xPx(240), fnd::yPx(120));
    LblInfo[0]->setText(QStringLiteral("题库版本：V") + version);
    LblCaption->setText(fnd::ModuleName);
    LblCaption->adjustSize();

    // 7. Buttons, part 1.
    buttonsPartOne();

    // 8. Info lines 0 to 3: one row, colour in the "&H" notation (blue,
    // green, red from the high byte down), lefts from the product data.
    const long long colour = fnd::hexOrDecimal(fnd::InfoTable[29]);
    const QColor fore(int(colour & 0xff), int((colour >> 8) & 0xff), int((colour >> 16) & 0xff));
    f.setPointSizeF(9 * XBiLi);
    for (int i = 0; i < 4; ++i) {
        QLabel *l = LblInfo[size_t(i)];
        l->setFont(f);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, fore);
        l->setPalette(pal);
        l->adjustSize();
        l->move(fnd::xPx(fnd::leadingValue(fnd::InfoTable[size_t(30 + i)])), fnd::yPx(8670));
    }

    // 9 (and 12, from the same lines). Paper and unit counts, the units'
    // question counts.
    const QStringList paperList = fnd::readLines(fnd::dataFile(bank::PaperListFile)).value_or(QStringList());
    if (paperList.isEmpty())
        fnd::trapError(tag, 53, QStringLiteral("File not found"));
    const run::PaperCounts counts = run::paperCounts(paperList);
    run::PaperCount = counts.papers;
    run::UnitCount = counts.units;

    // 10. Random papers.
    SuiJiCount = qint16(run::storedRandomPapers());

    // 11. Buttons, part 2.
    buttonsPartTwo();

    // 13-15. Unit progress, repaired to the question counts for the
    // cover and written back lengthened only: a count read from a damaged
    // paper list cuts no stored flag. Without the counts (no paper list, or
    // no line 2) the stored progress stays as it is, byte for byte.
    const run::QuestionCounts questions = run::questionCounts(paperList);
    QStringList progress = run::readUnitProgress();
    if (run::countsKnown(questions)) {
        const QStringList stored = progress;
        progress = run::repairedProgress(stored, questions, run::UnitCount);
        if (!run::writeUnitProgress(run::lengthenedProgress(stored, progress), run::UnitProgressUnits))
            fnd::trapError(tag, 75, QStringLiteral("Path/File access error"));
    }
    for (int u = 0; u < run::UnitCount; ++u) {
        const run::UnitColumns c = run::unitColumns(progress.value(u));
        fnd::UnitTable[size_t(u)][2] = c.count;
        fnd::UnitTable[size_t(u)][3] = c.notDone;
        fnd::UnitTable[size_t(u)][4] = c.flags;
    }

    // 16. Units page. 17. Paper-list tabs, papers page part 1.
    unitsPage();
    paperListTabs();

    // 18. Exam history, the positional defaults where lines are missing.
    const QStringList history = run::readExamHistory();
    for (int n = 1; n <= 100; ++n)
        ShiJuanHis[size_t(n)] = history.value(n - 1, run::presetHistoryLine(n));

    // 19. Papers page, part 2, ending on the sprint tab.
    paperRows();

    // 21. Help page.
    helpPage();

    // 20. The marked and wrong-question pages (they and the help page are
    // built independently of each other).
    reviewPages();
}

bool FrmFengmian::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *e = static_cast<QMouseEvent *>(event);
        const auto *label = static_cast<QWidget *>(watched);
        if (e->button() == Qt::LeftButton && label == LblAD && label->rect().contains(e->position().toPoint())) {
            LblAD_Click();
            return true;
        }
        if (e->button() == Qt::LeftButton && label->rect().contains(e->position().toPoint()))
            for (int i = 0; i < int(LblInfo.size()); ++i)
                if (LblInfo[size_t(i)] == label) {
                    LblInfo_Click(i);
                    return true; // the cover may be gone once the handler returns
                }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmFengmian::buttonsPartOne()
{
    const auto cursor = scene::loadCursorFile(fnd::dataFile(QStringLiteral("9l0015")));
    if (!cursor)
        fnd::reportMissingFile(QStringLiteral("fengmaincsh"), QStringLiteral("9l0015"));
    for (kvelButton *b : ClickBotn) {
        if (cursor)
            b->setMouseIcon(*cursor);
        b->setMousePointer(99);
    }
    ClickBotn[0]->hide();
    ClickBotn[1]->hide();
    ClickBotn[8]->show();
}

namespace {
// A button's place in design twips times the factors, in its container.
void placeButton(QWidget *b, double left, double top, double width, double height)
{
    b->setGeometry(fnd::xPx(left), fnd::yPx(top), fnd::xPx(width), fnd::yPx(height));
}
} // namespace

void FrmFengmian::buttonsPartTwo()
{
    // Pictures "l200" and two digits for buttons 0 to 48; a missing one is
    // reported and the button keeps its picture.
    for (int i = 0; i <= 48; ++i)
        setButtonPicture(i, QStringLiteral("l200%1").arg(i, 2, 10, QChar(u'0')), QStringLiteral("fengmaincsh"));
    auto &b = ClickBotn;
    // Window buttons, from the window's right edge.
    placeButton(b[2], 12000 - 825, 90, 330, 330);
    placeButton(b[3], 12000 - 420, 90, 330, 330);
    placeButton(b[13], 12000 - 825, 90, 330, 330);
    placeButton(b[14], 12000 - 420, 90, 330, 330);
    for (int i : {0, 1, 44, 45, 46})
        b[size_t(i)]->hide();
    // The home page: two buttons and the link areas, or four buttons.
    if (fnd::InfoTable[34].trimmed() == u"2") {
        placeButton(b[4], 2400, 3000, 2250, 2250);
        placeButton(b[5], 6900, 3000, 2250, 2250);
        b[6]->hide();
        b[7]->hide();
        for (int i = 17; i <= 21; ++i) {
            QLabel *l = LblInfo[size_t(i)];
            l->setGeometry(fnd::xPx(1440 + ((i + 1) % 2) * 1590), fnd::yPx(6840 + ((i - 17) / 2) * 600), fnd::xPx(1380),
                           fnd::yPx(300));
            l->setText(QString());
            l->show();
        }
        LblInfo[21]->setGeometry(fnd::xPx(480), fnd::yPx(6570), fnd::xPx(2820), fnd::yPx(300));
    } else {
        for (int i = 4; i <= 7; ++i) {
            placeButton(b[size_t(i)], 750 + (i - 4) * 2700, 3840, 2250, 2400);
            b[size_t(i)]->show();
        }
        for (int i = 17; i <= 21; ++i)
            LblInfo[size_t(i)]->hide();
    }
    // The bottom row: update, help, web site.
    placeButton(b[8], 7800, 7320, 540, 825);
    for (int i : {11, 12})
        placeButton(b[size_t(i)], 7800 + (i - 9) * 960, 7320, 540, 825);
    // Page tabs and the pages' action buttons.
    for (int i = 15; i <= 19; ++i)
        placeButton(b[size_t(i)], 225 + (i - 15) * 1305, 435, 1230, 1200);
    placeButton(b[20], 9000, 5880, 1800, 600);
    placeButton(b[21], 9750, 5850, 1800, 600);
    placeButton(b[22], 8880, 2310, 1800, 600);
    placeButton(b[23], 6240, 3300, 1200, 375);
    placeButton(b[24], 8880, 2310, 1800, 600);
    placeButton(b[25], 6240, 3300, 1200, 375);
}

void FrmFengmian::paperListTabs()
{
    for (int i = 28; i <= 31; ++i)
        placeButton(ClickBotn[size_t(i)], 15, 15 + (i - 28) * 750, 2700, 750);
    // Papers page, part 1.
    ChongCiLast = qint16(run::chongCiLast(run::PaperCount));
    paperRowTitles();
}

bool FrmFengmian::setButtonPicture(int index, const QString &name, const QString &tag)
{
    if (ClickBotn[size_t(index)]->loadPicture(fnd::dataFile(name)))
        return true;
    fnd::reportMissingFile(tag, name);
    return false;
}

bool FrmFengmian::setLabelPicture(QLabel *label, const QString &name, const QString &tag)
{
    if (const auto picture = fnd::loadPicture(fnd::dataFile(name))) {
        label->setPixmap(*picture);
        return true;
    }
    fnd::reportMissingFile(tag, name);
    return false;
}
