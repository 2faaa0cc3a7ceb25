#include "cover/frmfengmian.h"

#include "bank/bankfiles.h"
#include "foundation/errreport.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/numparse.h"
#include "foundation/picture.h"
#include "foundation/startup.h"
#include "foundation/ui/display.h"
#include "foundation/ui/windowdrag.h"
#include "run/coverdata.h"
#include "run/records.h"
#include "run/runstate.h"

#include <QFileInfo>
#include <QPainter>
#include <QLabel>

namespace {

// Line 1 of a data-folder file, empty when the file has none or cannot be
// read; a missing file is reported under the cover's tag.
QString firstLine(const QString &name)
{
    const QString path = fnd::dataFile(name);
    if (!QFileInfo(path).isFile()) {
        fnd::trapError(QStringLiteral("fengmaincsh"), 53, QStringLiteral("File not found"));
        return {};
    }
    return fnd::readLineExact(path, 1).value_or(QString());
}

} // namespace

FrmFengmian::FrmFengmian() : QWidget(nullptr, Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FrmFengmian"));
    auto label = [this](QWidget *parent, const char *name) {
        auto *l = new QLabel(parent);
        l->setObjectName(QString::fromLatin1(name));
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
    for (int i : {0, 1, 2, 3, 17, 18, 19, 20, 21}) {
        LblInfo[size_t(i)] = new QLabel(this);
        LblInfo[size_t(i)]->setObjectName(QStringLiteral("LblInfo_%1").arg(i));
    }
    LblInfo_0 = LblInfo[0];
    // A left press on the drag strip or the home-page picture moves the
    // window, as its missing title bar would.
    fnd::makeDragHandle(lblMove);
    fnd::makeDragHandle(picShouYe);
}

void FrmFengmian::paintEvent(QPaintEvent *)
{
    if (background_.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, background_);
}

void FrmFengmian::formLoad()
{
    fnd::setScaleFromScreen();
    setFixedSize(fnd::xPx(12000), fnd::yPx(9000));
    if (auto icon = fnd::loadPicture(fnd::dataFile(QStringLiteral("l62011"))))
        setWindowIcon(QIcon(*icon));
    fnd::loadPictureInto(background_, fnd::dataFile(QStringLiteral("l20060")));
    // A picture label at (left, top) in design twips, sized to its picture.
    auto place = [](QLabel *l, const char *picture, double left, double top) {
        QPixmap pm;
        if (fnd::loadPictureInto(pm, fnd::dataFile(QString::fromLatin1(picture))))
            l->setPixmap(pm);
        l->move(fnd::xPx(left), fnd::yPx(top));
        l->adjustSize();
    };
    place(picShouYe, "l20051", 0, 0);
    place(PicTop, "l20052", 0, 0);
    PicTop->hide();
    lblMove->setGeometry(0, 0, fnd::xPx(10455), fnd::yPx(675));
    lblMove->raise();
    for (QLabel *page : {PicTiKu, PicKaCH, PicBiaoZhi, PicCuoTi, PicHelp}) {
        place(page, "l20053", 0, 1650);
        page->setGeometry(fnd::xPx(0), fnd::yPx(1650), fnd::xPx(12000), fnd::yPx(6900));
        page->hide();
    }
    PicAd->hide();
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

    // 9, 12. Paper and unit counts, the units' question counts.
    const QStringList paperList = fnd::readLines(fnd::dataFile(bank::PaperListFile)).value_or(QStringList());
    if (paperList.isEmpty())
        fnd::trapError(tag, 53, QStringLiteral("File not found"));
    const run::PaperCounts counts = run::paperCounts(paperList);
    run::PaperCount = counts.papers;
    run::UnitCount = counts.units;

    // 10. Random papers.
    const QStringList random = fnd::readLines(run::recordPath(bank::RandomPaperFile)).value_or(QStringList());
    SuiJiCount = qint16(run::countRandomPapers(random));

    // 13-15. Unit progress, repaired to the question counts and written
    // back; without the counts (no paper list, or no line 2) the stored
    // progress stays as it is, byte for byte.
    const run::QuestionCounts questions = run::questionCounts(paperList);
    QStringList progress = run::readUnitProgress();
    if (run::countsKnown(questions)) {
        progress = run::repairedProgress(progress, questions, run::UnitCount);
        if (!run::writeUnitProgress(progress, run::UnitProgressUnits))
            fnd::trapError(tag, 75, QStringLiteral("Path/File access error"));
    }
    for (int u = 0; u < run::UnitCount; ++u) {
        const run::UnitColumns c = run::unitColumns(progress.value(u));
        fnd::UnitTable[size_t(u)][2] = c.count;
        fnd::UnitTable[size_t(u)][3] = c.notDone;
        fnd::UnitTable[size_t(u)][4] = c.flags;
    }

    // 18. Exam history, the positional defaults where lines are missing.
    const QStringList history = run::readExamHistory();
    for (int n = 1; n <= 100; ++n)
        ShiJuanHis[size_t(n)] = history.value(n - 1, run::presetHistoryLine(n));
}
