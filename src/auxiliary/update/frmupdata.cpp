#include "auxiliary/update/frmupdata.h"

#include "bank/bankfiles.h"
#include "cover/frmfengmian.h"
#include "foundation/errreport.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/picture.h"
#include "foundation/programfolder.h"
#include "foundation/startup.h"
#include "foundation/ui/display.h"
#include "foundation/ui/httptext.h"
#include "foundation/ui/kvelbutton.h"
#include "foundation/ui/picturedialog.h"
#include "foundation/ui/windowdrag.h"
#include "platform/startprogram.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/windoworder.h"
#include "run/runstate.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QTimer>

namespace updwin {

QString newManifestFile()
{
    return fnd::inProgramFolder(bank::RecordFolder + u'/' + bank::BankVersionFile + QStringLiteral(".mxy"));
}

} // namespace updwin

namespace {

const QString LoadTag = QStringLiteral("upload");
const QString RunTag = QStringLiteral("tkup");

// Run-time error numbers of the update's failures.
constexpr long BadFileName = 52;
constexpr long FileNotFound = 53;
constexpr long PermissionDenied = 70;
constexpr long FileAccessError = 75;

void failed(long number, const QString &what) { fnd::trapError(RunTag, number, what); }

// "ksdata" is made when it is missing, as everywhere else in the program.
void ensureRecordFolder()
{
    const QString folder = fnd::inProgramFolder(bank::RecordFolder);
    if (!QFileInfo(folder).isDir())
        QDir().mkdir(folder);
}

void setColour(QLabel *l, const QColor &c)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

void setFontSize(QLabel *l, double points)
{
    QFont f = l->font();
    f.setPointSizeF(points * fnd::XBiLi);
    l->setFont(f);
}

// Clears the flag when the run ends, however it ends.
struct Running
{
    bool &flag;
    explicit Running(bool &f) : flag(f) { flag = true; }
    ~Running() { flag = false; }
};

} // namespace

FrmUpdata::FrmUpdata() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FrmUpdata"));
    setFont(QFont(QStringLiteral("宋体")));
    Label4 = fnd::PictureDialog::makeLabel(this, QStringLiteral("Label4"));
    setColour(Label4, Qt::white);
    Label4->setFont(QFont(QStringLiteral("宋体")));
    lblMove = fnd::PictureDialog::makeLabel(this, QStringLiteral("lblMove"));
    ImgLogo1 = fnd::PictureDialog::makeLabel(this, QStringLiteral("ImgLogo1"));
    Label3 = fnd::PictureDialog::makeLabel(this, QStringLiteral("Label3"));
    LblVer = fnd::PictureDialog::makeLabel(this, QStringLiteral("LblVer"));
    Label1 = fnd::PictureDialog::makeLabel(this, QStringLiteral("Label1"));
    Label2 = fnd::PictureDialog::makeLabel(this, QStringLiteral("Label2"));
    setColour(Label2, Qt::red);
    Label2->setFont(QFont(QStringLiteral("宋体")));
    Command1 = new kvelButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setForeColor(Qt::white);
    QFont buttonFont(QStringLiteral("宋体"));
    buttonFont.setPointSizeF(9);
    Command1->setCaptionFont(buttonFont);
    connect(Command1, &kvelButton::Click, this, [] { unload(); });
    // The strip lies over the logo and the title: it takes their presses.
    fnd::makeDragHandle(lblMove);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &FrmUpdata::Timer1_Timer);
}

void FrmUpdata::formLoad()
{
    using fnd::xPx;
    using fnd::yPx;
    plat::makeTopmost(this);
    setFixedSize(xPx(5550), yPx(3750));
    if (auto icon = fnd::loadDataPicture(QStringLiteral("l62011"), LoadTag))
        setWindowIcon(QIcon(*icon));
    setWindowTitle(QStringLiteral("Marrowby考试练习系统"));
    if (auto pm = fnd::loadDataPicture(QStringLiteral("l20069"), LoadTag))
        background_ = *pm;
    ImgLogo1->move(xPx(120), yPx(90));
    if (auto pm = fnd::loadDataPicture(QStringLiteral("l20067"), LoadTag)) {
        ImgLogo1->setPixmap(*pm);
        ImgLogo1->adjustSize();
    }
    lblMove->setGeometry(0, 0, xPx(5580), yPx(540));
    Label3->move(xPx(360), yPx(960));
    setFontSize(Label3, 9);
    Label1->move(Label3->x(), yPx(1440));
    setFontSize(Label1, 9);
    // Its size is the design's, in twips the scale does not change.
    LblVer->setGeometry(xPx(1800), Label3->y(), fnd::xTwipsToPx(1935), fnd::yTwipsToPx(255));
    setFontSize(LblVer, 9);
    Label2->move(Label3->x(), yPx(1920));
    setFontSize(Label2, 14);
    Label4->move(xPx(600), yPx(150));
    setFontSize(Label4, 10);
    Label4->setText(QStringLiteral("新版本检测——") + fnd::ModuleName);
    Label4->adjustSize();
    Command1->setGeometry(xPx(3480), yPx(2880), xPx(1350), yPx(450));
    if (fnd::loadDataPicture(QStringLiteral("l20001"), LoadTag))
        Command1->loadPicture(fnd::dataFile(QStringLiteral("l20001")));

    Label3->setText(QStringLiteral("当前题库版本是："));
    LblVer->setText(run::BankVersion);
    Label1->setText(QStringLiteral("最新题库版本是：") + run::BankVersion);
    Label2->setText(QStringLiteral("已是最新版本，无需升级。"));
    for (QLabel *l : {Label3, Label1, Label2})
        l->adjustSize();
    lblMove->raise();
    fnd::centreOnScreen(this);

    hide();
    Timer1->start();
    // The advert for the cover's next load. The wait blocks (the timer's
    // tick comes after the load and the show that follows it); a failure
    // is not noticed.
    const QString server = upd::updateServer();
    if (!server.isEmpty()) {
        ensureRecordFolder();
        plat::downloadToFile(upd::advertAddress(server, fnd::InfoTable[12]),
                             fnd::inProgramFolder(bank::RecordFolder + u'/' + bank::AdFile + QStringLiteral(".mxy")),
                             updwin::AdLimits);
    }
}

void FrmUpdata::paintEvent(QPaintEvent *)
{
    // Drawn from the top-left corner, not stretched.
    if (!background_.isNull())
        QPainter(this).drawPixmap(0, 0, background_);
}

bool FrmUpdata::event(QEvent *e)
{
    if (e->type() == QEvent::DeferredDelete && running_) {
        deleteAfterRun_ = true;
        return true;
    }
    return QWidget::event(e);
}

void FrmUpdata::Timer1_Timer()
{
    setVisible(updwin::ShowUpdate != 0);
    Timer1->stop();
    TKUP();
    if (deleteAfterRun_)
        deleteLater();
}

void FrmUpdata::TKUP()
{
    const QString server = upd::updateServer();
    if (server.isEmpty())
        return;
    const Running running(running_);
    const QString programFolder = fnd::programFolder();
    const QString dataFolder = upd::dataFolderName(fnd::DataPath, programFolder);
    const QString manifestAddress = upd::manifestAddress(server, fnd::ExamTitle, dataFolder);

    // The check runs the event loop while it waits: the window may be closed
    // and the cover left for a run meanwhile, which an ending program would
    // lose. Then the update stops here, silently.
    const QString answer = fnd::getHtmlStr(manifestAddress, 2);
    if (loaded() != this || !FrmFengmian::loaded())
        return;
    const auto stamp = upd::checkedStamp(answer);
    if (!stamp || !upd::isNewer(*stamp, run::BankVersion))
        return;

    // The manifest is taken only whole and with the checked stamp: nothing
    // is changed, nor an earlier update's manifest used, when it is not.
    QString why;
    const auto manifestBytes = plat::downloadBytes(manifestAddress, updwin::ManifestLimits, &why);
    if (!manifestBytes) {
        failed(FileAccessError, QStringLiteral("The manifest could not be downloaded: ") + why);
        return;
    }
    const upd::Manifest manifest = upd::parseManifest(*manifestBytes, dataFolder);
    if (!manifest.firstLine.startsWith(*stamp)) {
        failed(FileAccessError, QStringLiteral("The manifest does not begin with ") + *stamp);
        return;
    }
    ensureRecordFolder();
    if (!fnd::writeBytes(updwin::newManifestFile(), *manifestBytes)) {
        failed(FileAccessError, QStringLiteral("The manifest could not be written"));
        return;
    }

    hide();
    if (plat::MsgBox(QStringLiteral("题库有新文件，是否要进行升级？"), 4 + 32, QStringLiteral("升级软件")) != 6)
        return;

    // Every entry in file order, one download at a time; a refused name is
    // reported and counts as due and failed.
    const QString programFile = upd::programFileName(fnd::executableName());
    int due = 0, done = 0;
    QString handOff; // the program file downloaded in this run, if any
    for (const upd::Entry &e : manifest.entries) {
        const auto path = upd::localPath(programFolder, e);
        if (!path) {
            ++due;
            failed(BadFileName, QStringLiteral("Bad file name: ") + e.name);
            continue;
        }
        const QString local = upd::localStamp(*path);
        const bool isProgram = upd::isProgramFile(e, programFile);
        // The running program is never replaced: its new file waits beside it.
        const QString target = isProgram ? *path + QStringLiteral("_bak") : *path;
        if (!upd::isDue(local, e.fileStamp))
            continue;
        ++due;
        if (e.folder == bank::RecordFolder + u'/')
            ensureRecordFolder();
        if (!plat::downloadToFile(upd::fileAddress(server, fnd::ExamTitle, e), target, updwin::FileLimits))
            continue;
        ++done;
        if (isProgram)
            handOff = target;
    }
    if (!handOff.isEmpty() && !fnd::writeLines(fnd::inProgramFolder(updwin::HandOffFile), {handOff})) {
        failed(FileAccessError, QStringLiteral("The hand-off file could not be written"));
        handOff.clear();
    }
    // A new version only with every due file in place, so that the next
    // check offers what is missing again.
    if (done == due && !fnd::writeBytes(fnd::dataFile(bank::BankVersionFile), *manifestBytes))
        failed(FileAccessError, QStringLiteral("The version file could not be written"));

    plat::MsgBox(QStringLiteral("已更新%1/%2文件。请重新打开软件！").arg(done).arg(due), 0, fnd::AppTitle);
    if (!handOff.isEmpty()) {
        const QString program = fnd::inProgramFolder(updwin::ReplacementProgram);
        if (!plat::startProgram(program, programFolder, &why))
            failed(QFileInfo(program).isFile() ? PermissionDenied : FileNotFound, why);
    }
    fnd::endProgram();
}
