// The about window and the input-method notice on the real windows,
// offscreen, on a copy of the sample program folder: the frame they share
// and their layouts at two scales; the about window's texts from the
// generated product information, its program-folder line, buttons and drag
// strip, and the cover's info labels that open it and wait for it; the
// notice's option file as it opens (a table of file contents), the store on
// every change of the box and its failures, and the question window's
// input-method button, which collapses the question window, waits for the
// notice and gets the run's windows back however the notice closes.
#include "modalanswer.h"
#include "reportlog.h"
#include "scenefixture.h"
#include "testsupport.h"
#include "windowdrive.h"

#include "auxiliary/about/frmabout.h"
#include "auxiliary/ime/frmime.h"
#include "bank/bankfiles.h"
#include "cover/frmfengmian.h"
#include "examflow/frmtm.h"
#include "foundation/globals.h"
#include "foundation/productinfo.h"
#include "foundation/programfolder.h"
#include "foundation/ui/kvelbutton.h"
#include "run/runstate.h"
#include "simwin/window/frmmain.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using ts::record;

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }

const QDateTime OldTime = QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5), Qt::UTC);

// What a file at a path is: its bytes, "<missing>" or "<folder>".
QByteArray state(const QString &path)
{
    const QFileInfo fi(path);
    if (fi.isDir())
        return "<folder>";
    if (!fi.exists())
        return "<missing>";
    return ts::fileBytes(path);
}

void setOld(const QString &path)
{
    QFile f(path);
    if (f.open(QIODevice::ReadWrite))
        f.setFileTime(OldTime, QFileDevice::FileModificationTime);
}

void click(QWidget *w, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(w, b, {}, w->rect().center()); }
} // namespace

class TstAuxWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void layout_data();
    void layout();
    // The about window.
    void texts_data();
    void texts();
    void versionLine_data();
    void versionLine();
    void folderLine_data();
    void folderLine();
    void longFolderWraps();
    void coverWaitsUntilClosed_data();
    void coverWaitsUntilClosed();
    void eachOpeningIsFresh();
    void opensWithoutPictures();
    void dragStripMovesWithLeftButtonOnly();
    // The input-method notice.
    void noticeControls();
    void optionFileAtOpening_data();
    void optionFileAtOpening();
    void userTogglesStore();
    void storeCreatesTheRecordFolder();
    void failedStoreKeepsTheStoredState();
    void closingRestoresTheRunWindows_data();
    void closingRestoresTheRunWindows();
    void closingAfterTheRunWindowsWereUnloaded();

private:
    QString openLog() const { return logDir->filePath(QStringLiteral("open.log")); }
    QByteArray opened() const { return ts::fileBytes(openLog()); }
    QString optionFile() const { return copy->file(QStringLiteral("ksdata/288890.mxy")); }
    QString answerFile() const { return fnd::dataFile(bank::CommonDataFile); }
    std::unique_ptr<ts::ProgramCopy> copy;
    std::unique_ptr<QTemporaryDir> logDir;
};

// One copy of the sample program folder for all tests; a test that removes
// files makes its own.
void TstAuxWindows::initTestCase()
{
    copy = std::make_unique<ts::ProgramCopy>();
    QVERIFY(copy->isValid());
}

void TstAuxWindows::init()
{
    fnd::resetGlobals();
    fnd::overrideProgramFolder(copy->path());
    fnd::loadInfo();
    logDir = std::make_unique<QTemporaryDir>();
    qputenv("EXAMSIM_OPEN_LOG", openLog().toUtf8());
    QFile::remove(optionFile());
    QDir(optionFile()).removeRecursively();
    QDir().mkpath(copy->file(QStringLiteral("ksdata")));
    // The data folder's answer-text file has the option file's number.
    QVERIFY(QFile::exists(answerFile()));
}

void TstAuxWindows::cleanup()
{
    FrmAbout::unload();
    FrmIME::unload();
    FrmFengmian::unload();
    ts::unloadRunWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qunsetenv("EXAMSIM_OPEN_LOG");
    fnd::resetGlobals();
}

void TstAuxWindows::layout_data()
{
    QTest::addColumn<bool>("about");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    for (const bool about : {true, false}) {
        const char *name = about ? "FrmAbout" : "FrmIME";
        QTest::addRow("%s, 15 twips a pixel", name) << about << 1.0 << 1.0;
        QTest::addRow("%s, XBiLi 1.25, YBiLi 0.8", name) << about << 1.25 << 0.8;
    }
}

// Lefts and widths are design twips times XBiLi, tops and heights times
// YBiLi, and pixels are twips / (15 × the factor): so every control keeps its
// pixel place at both scales, and a value scaled by the wrong factor moves.
void TstAuxWindows::layout()
{
    QFETCH(bool, about);
    QFETCH(double, x);
    QFETCH(double, y);
    fnd::XBiLi = x;
    fnd::YBiLi = y;
    fnd::PictureDialog &w = about ? static_cast<fnd::PictureDialog &>(FrmAbout::get()) : FrmIME::get();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    // The shared frame.
    QCOMPARE(w.size(), QSize(420, 280));
    QCOMPARE(w.pos(), QPoint((1024 - 420) / 2, (768 - 280) / 2));
    QCOMPARE(w.backgroundName(), QString("l20070"));
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(w.windowFlags() & Qt::WindowType_Mask, Qt::Tool); // no task-bar button
    QCOMPARE(w.windowModality(), Qt::ApplicationModal);
    // Only the about window is topmost.
    QCOMPARE(bool(w.windowFlags() & Qt::WindowStaysOnTopHint), about);
    QCOMPARE(w.windowTitle(), fnd::InfoTable[0] + fnd::InfoTable[9] + QString::fromUtf8("\u2014\u2014") + fnd::ExamTitle
                                  + s("模块"));
    QCOMPARE(w.ImgLogo1->pos(), QPoint(8, 6));
    QVERIFY(!w.ImgLogo1->pixmap().isNull());
    QCOMPARE(w.ImgLogo1->size(), w.ImgLogo1->pixmap().size());
    for (const char *name : {"LblClick_0", "LblClick_1"}) {
        auto *b = w.findChild<kvelButton *>(name);
        QVERIFY2(b, name);
        QCOMPARE(b->pictureName(), QString(name == QByteArray("LblClick_0") ? "l20003" : "l20001"));
        QVERIFY(b->caption().isEmpty());
    }

    // Places (an empty size: sized to the text) and fonts of the controls.
    struct Place
    {
        const char *name;
        QRect rect;
    };
    QList<Place> places{
        {"LblClick_0", {392, 6, 22, 22}}, // 6300 - 420 = 5880 twips
        {"lblMove", {0, 0, 372, 36}},
        {"Label1_2", {40, 12, 0, 0}},
    };
    struct Font
    {
        const char *name;
        double points;
        bool song;
        bool bold;
    };
    QList<Font> fonts{{"Label1_2", 10, true, false}};
    if (about) {
        places += {
            {"LblClick_1", {312, 232, 90, 30}}, {"Label1_1", {32, 48, 0, 0}},    {"Label1_4", {32, 72, 0, 0}},
            {"Label1_0", {32, 100, 0, 0}},      {"Label1_3", {32, 120, 366, 36}}, {"Label1_6", {32, 240, 0, 0}},
            {"Line1_4", {24, 159, 360, 1}},     {"Line1_3", {25, 160, 360, 1}},
        };
        fonts += {{"Label1_1", 10, true, false}, {"Label1_4", 12, true, true}, {"Label1_0", 10, false, false},
                  {"Label1_3", 10, false, false}, {"Label1_6", 10, false, false}};
    } else {
        places += {
            {"LblClick_1", {308, 232, 90, 30}}, // 4620 twips, not the about window's 4680
            {"Label1_0", {48, 96, 313, 81}},
            {"Check1", {160, 168, 97, 17}},
        };
        fonts += {{"Label1_0", 9, false, false}, {"Check1", 9, false, false}};
    }
    for (const Place &p : places) {
        auto *c = w.findChild<QWidget *>(p.name);
        QVERIFY2(c, p.name);
        QCOMPARE(c->pos(), p.rect.topLeft());
        QCOMPARE(c->size(), p.rect.isEmpty() ? c->sizeHint() : p.rect.size());
    }
    for (const Font &f : fonts) {
        auto *c = w.findChild<QWidget *>(f.name);
        QVERIFY2(c, f.name);
        QCOMPARE(c->font().pointSizeF(), f.points * x);
        QCOMPARE(c->font().bold(), f.bold);
        if (f.song)
            QCOMPARE(c->font().family(), s("宋体"));
    }
}

void TstAuxWindows::texts_data()
{
    QTest::addColumn<bool>("emptyInfo");
    QTest::newRow("generated product information") << false;
    QTest::newRow("entries 0, 7, 9 and the module name empty") << true;
}

void TstAuxWindows::texts()
{
    QFETCH(bool, emptyInfo);
    if (emptyInfo) {
        fnd::InfoTable[0].clear();
        fnd::InfoTable[7].clear();
        fnd::InfoTable[9].clear();
        fnd::ModuleName.clear();
    } else {
        // The generator fills the entries the window shows.
        QCOMPARE(fnd::InfoTable[0], s("Velkor"));
        QCOMPARE(fnd::InfoTable[7], s("示例软件工作室"));
        QCOMPARE(fnd::InfoTable[9], s("考试练习系统"));
        QCOMPARE(fnd::ExamTitle, s("网页制作"));
        QCOMPARE(fnd::ModuleName, s("网页制作"));
    }
    const QString system = fnd::InfoTable[0] + fnd::InfoTable[9];
    FrmAbout &w = FrmAbout::get();
    // Two EM DASHes; two BOX DRAWINGS LIGHT HORIZONTAL and a space; an ASCII
    // colon and a space.
    QCOMPARE(w.windowTitle(), system + QString::fromUtf8("\u2014\u2014") + fnd::ExamTitle + s("模块"));
    QCOMPARE(w.Label1[1]->text(), system);
    QCOMPARE(w.Label1[2]->text(), system);
    QCOMPARE(w.Label1[4]->text(), QString::fromUtf8("\u2500\u2500 ") + fnd::ModuleName);
    QCOMPARE(w.Label1[3]->text(), s("系统工作目录: ") + QDir::cleanPath(copy->path()));
    QCOMPARE(w.Label1[6]->text(), fnd::InfoTable[7]);
    if (emptyInfo)
        QCOMPARE(w.Label1[4]->text(), QString::fromUtf8("\u2500\u2500 "));
    QCOMPARE(w.Label1[2]->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(w.Label1[1]->palette().color(QPalette::WindowText), QColor(12, 127, 233));
    QCOMPARE(w.Label1[4]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(w.Line1[4]->palette().color(QPalette::Window), QColor(128, 128, 128));
    QCOMPARE(w.Line1[3]->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(w.Label1[3]->cursor().shape(), Qt::PointingHandCursor);
}

void TstAuxWindows::versionLine_data()
{
    QTest::addColumn<bool>("coverLoaded");
    QTest::addColumn<QString>("caption");
    QTest::newRow("the cover's caption") << true << s("题库版本：V202401150900");
    QTest::newRow("an empty caption") << true << QString();
    QTest::newRow("no cover loaded") << false << QString();
}

void TstAuxWindows::versionLine()
{
    QFETCH(bool, coverLoaded);
    QFETCH(QString, caption);
    if (coverLoaded)
        FrmFengmian::get().LblInfo_0->setText(caption);
    QCOMPARE(FrmAbout::get().Label1[0]->text(), caption);
    // The about window never loads the cover.
    QCOMPARE(FrmFengmian::loaded() != nullptr, coverLoaded);
}

void TstAuxWindows::folderLine_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("opens");
    QTest::newRow("program folder") << 3 << true;
    for (int i : {0, 1, 2, 4, 6})
        QTest::addRow("label %d", i) << i << false;
}

void TstAuxWindows::folderLine()
{
    QFETCH(int, index);
    QFETCH(bool, opens);
    FrmAbout &w = FrmAbout::get();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QLabel *label = w.Label1[size_t(index)];
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(opened(), opens ? (QDir::cleanPath(copy->path()) + u'\n').toUtf8() : QByteArray());
    QVERIFY(w.isVisible());
}

void TstAuxWindows::longFolderWraps()
{
    const QString longFolder = copy->path() + u'/' + QString(180, u'a');
    QVERIFY(QDir().mkpath(longFolder));
    fnd::overrideProgramFolder(longFolder);
    FrmAbout &w = FrmAbout::get();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QLabel *box = w.Label1[3];
    QCOMPARE(box->size(), QSize(366, 36));
    // The path goes on in a second line of the box, under the first.
    const QImage img = box->grab().toImage();
    const int lineHeight = box->fontMetrics().height();
    QVERIFY(lineHeight < 18);
    int inked = 0;
    for (int yy = lineHeight; yy < img.height(); ++yy)
        for (int xx = 0; xx < img.width(); ++xx)
            inked += qGray(img.pixel(xx, yy)) < 128 && qAlpha(img.pixel(xx, yy)) > 128 ? 1 : 0;
    QVERIFY2(inked > 20, qPrintable(QString::number(inked)));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(opened(), (longFolder + u'\n').toUtf8());
}

void TstAuxWindows::coverWaitsUntilClosed_data()
{
    QTest::addColumn<int>("info");
    QTest::addColumn<int>("button"); // -1 the system's close command
    QTest::addColumn<Qt::MouseButton>("mouseButton");
    QTest::newRow("label 0, corner button") << 0 << 0 << Qt::LeftButton;
    QTest::newRow("label 0, bottom button, right") << 0 << 1 << Qt::RightButton;
    QTest::newRow("label 21, corner button, right") << 21 << 0 << Qt::RightButton;
    QTest::newRow("label 21, bottom button") << 21 << 1 << Qt::LeftButton;
    QTest::newRow("label 0, close command") << 0 << -1 << Qt::LeftButton;
}

void TstAuxWindows::coverWaitsUntilClosed()
{
    QFETCH(int, info);
    QFETCH(int, button);
    QFETCH(Qt::MouseButton, mouseButton);
    FrmFengmian &cover = FrmFengmian::get();
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    cover.LblInfo_0->setText(s("题库版本：V7"));
    QString shown;
    bool closedByTest = false;
    ts::whenShown<FrmAbout>([&](FrmAbout &w) {
        shown = w.Label1[0]->text();
        closedByTest = true;
        if (button < 0)
            w.close();
        else
            QTest::mouseClick(w.LblClick[size_t(button)], mouseButton);
    });
    QTest::mouseClick(cover.LblInfo[size_t(info)], Qt::LeftButton, {}, QPoint(2, 2));
    // The click returned only after the window had opened and closed.
    QVERIFY(closedByTest);
    QCOMPARE(shown, s("题库版本：V7"));
    QVERIFY(!FrmAbout::loaded());
    QVERIFY(FrmFengmian::loaded());
}

void TstAuxWindows::eachOpeningIsFresh()
{
    FrmFengmian &cover = FrmFengmian::get();
    QStringList shown;
    for (const char *caption : {"题库版本：V1", "题库版本：V2"}) {
        cover.LblInfo_0->setText(s(caption));
        ts::whenShown<FrmAbout>([&](FrmAbout &w) {
            shown << w.Label1[0]->text();
            QTest::mouseClick(w.LblClick[1], Qt::LeftButton);
        });
        cover.LblInfo_Click(0);
    }
    QCOMPARE(shown, QStringList({s("题库版本：V1"), s("题库版本：V2")}));
    // A right click on an info label opens nothing.
    QTest::mouseClick(cover.LblInfo_0, Qt::RightButton, {}, QPoint(2, 2));
    QVERIFY(!FrmAbout::loaded());
}

void TstAuxWindows::opensWithoutPictures()
{
    const ts::ProgramCopy own;
    fnd::loadInfo();
    for (const char *name : {"l20070", "l20067", "l62011", "l20003", "l20001"})
        QVERIFY(QFile::remove(fnd::dataFile(name)));
    // What the open window showed, read before the button closes it.
    QString background = QStringLiteral("not shown");
    QSize size;
    QStringList texts;
    bool lines = false;
    QRect corner;
    ts::whenShown<FrmAbout>([&](FrmAbout &w) {
        background = w.backgroundName();
        size = w.size();
        texts = QStringList{w.Label1[1]->text(), w.Label1[3]->text(), w.Label1[6]->text()};
        lines = w.Line1[3]->isVisible() && w.Line1[4]->isVisible();
        corner = w.LblClick[0]->geometry();
        QTest::mouseClick(w.LblClick[0], Qt::LeftButton);
    });
    FrmAbout::showModal();
    QVERIFY(!FrmAbout::loaded());
    QCOMPARE(background, QString());
    QCOMPARE(size, QSize(420, 280));
    QCOMPARE(texts, QStringList({fnd::InfoTable[0] + fnd::InfoTable[9], s("系统工作目录: ") + QDir::cleanPath(own.path()),
                                 fnd::InfoTable[7]}));
    QVERIFY(lines);
    QCOMPARE(corner, QRect(392, 6, 22, 22));
}

void TstAuxWindows::dragStripMovesWithLeftButtonOnly()
{
    FrmAbout &w = FrmAbout::get();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWindow *win = w.windowHandle();
    const QPoint start = w.pos();

    QTest::mousePress(win, Qt::RightButton, {}, QPoint(200, 20));
    QTest::mouseMove(win, QPoint(240, 50));
    QTest::mouseRelease(win, Qt::RightButton, {}, QPoint(240, 50));
    QCOMPARE(w.pos(), start);

    QTest::mousePress(win, Qt::LeftButton, {}, QPoint(200, 20));
    QTest::mouseMove(win, QPoint(230, 40));
    QTRY_COMPARE(w.pos(), start + QPoint(30, 20));
    QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(200, 20));
    QCOMPARE(w.pos(), start + QPoint(30, 20));
}

void TstAuxWindows::noticeControls()
{
    FrmIME &w = FrmIME::get();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.Label1[2]->text(), s("输入法调用提示"));
    QCOMPARE(w.Label1[2]->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(w.Label1[0]->text(),
             s("如果输入文字时出现计算机考试***.exe遇到问题需要关闭时，说明您另外安装的输入法和本软件不兼容，"
               "您可以取消调用输入法，在您需要输入汉字时，可以按Ctrl+Shift键切换，或者点击电脑右下角的输入法按钮。"));
    QVERIFY(w.Label1[0]->wordWrap());
    QCOMPARE(w.Check1->text(), s("调用输入法"));
    QCOMPARE(w.Check1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(w.Check1->palette().color(QPalette::Window), QColor(255, 255, 225));
    QVERIFY(w.Check1->autoFillBackground());
    // The box holds the keyboard focus once the notice is up.
    QCOMPARE(w.focusWidget(), w.Check1);
    QTRY_COMPARE(QApplication::focusWidget(), w.Check1);
}

void TstAuxWindows::optionFileAtOpening_data()
{
    QTest::addColumn<QByteArray>("content"); // "<missing>" or "<folder>" for those
    QTest::addColumn<bool>("on");
    QTest::newRow("1") << QByteArray("1") << true;
    QTest::newRow("1 with blanks") << QByteArray(" 1 ") << true;
    QTest::newRow("1 and more lines") << QByteArray("1\r\nx\r\n0\r\n") << true;
    QTest::newRow("0") << QByteArray("0\r\n") << false;
    QTest::newRow("2") << QByteArray("2\r\n") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("abc") << QByteArray("abc") << false;
    QTest::newRow("1 after a tab") << QByteArray("\t1") << false;
    QTest::newRow("non-GBK bytes") << QByteArray("\xff\xfe\x31\r\n") << false;
    QByteArray garbage(1 << 20, '\0');
    QRandomGenerator rng(27);
    for (char &c : garbage)
        c = char(rng.bounded(256));
    garbage[0] = 'x';
    QTest::newRow("a megabyte of garbage") << garbage << false;
    QTest::newRow("missing") << QByteArray("<missing>") << false;
    QTest::newRow("a folder in its place") << QByteArray("<folder>") << false;
}

// Only a trimmed first line "1" is on, and it is stored again at once as
// the box is ticked; anything else leaves the file (bytes and time) and
// UseIME as they were.
void TstAuxWindows::optionFileAtOpening()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, on);
    if (content == "<folder>") {
        QVERIFY(QDir().mkpath(optionFile()));
    } else if (content != "<missing>") {
        QFile f(optionFile());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        setOld(optionFile());
    }
    const QByteArray answers = ts::fileBytes(answerFile());
    run::UseIME = !on;

    FrmIME &w = FrmIME::get();
    QCOMPARE(w.Check1->isChecked(), on);
    if (on) {
        QCOMPARE(state(optionFile()), QByteArray("1\r\n"));
        QVERIFY(run::UseIME);
    } else {
        QCOMPARE(state(optionFile()), content);
        if (content != "<missing>" && content != "<folder>")
            QCOMPARE(QFileInfo(optionFile()).lastModified().toUTC(), OldTime);
        QVERIFY(run::UseIME); // as it was
    }
    QCOMPARE(ts::fileBytes(answerFile()), answers);
}

void TstAuxWindows::userTogglesStore()
{
    FrmIME &w = FrmIME::get();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(!w.Check1->isChecked());
    QCOMPARE(state(optionFile()), QByteArray("<missing>"));
    click(w.Check1);
    QVERIFY(w.Check1->isChecked());
    QCOMPARE(state(optionFile()), QByteArray("1\r\n"));
    QVERIFY(run::UseIME);
    click(w.Check1);
    QCOMPARE(state(optionFile()), QByteArray("0\r\n"));
    QVERIFY(!run::UseIME);
    QTest::keyClick(w.Check1, Qt::Key_Space);
    QCOMPARE(state(optionFile()), QByteArray("1\r\n"));
    QVERIFY(run::UseIME);
    // Closing writes nothing.
    setOld(optionFile());
    FrmIME::unload();
    QCOMPARE(state(optionFile()), QByteArray("1\r\n"));
    QCOMPARE(QFileInfo(optionFile()).lastModified().toUTC(), OldTime);
}

void TstAuxWindows::storeCreatesTheRecordFolder()
{
    QVERIFY(QDir(copy->file(QStringLiteral("ksdata"))).removeRecursively());
    FrmIME &w = FrmIME::get();
    w.Check1->setChecked(true);
    QCOMPARE(state(optionFile()), QByteArray("1\r\n"));
    QVERIFY(run::UseIME);
}

void TstAuxWindows::failedStoreKeepsTheStoredState()
{
    QTemporaryDir logDir;
    fnd::ErrLogFile = logDir.filePath(QStringLiteral("log.txt"));
    QVERIFY(QDir().mkpath(optionFile()));
    run::UseIME = false;
    FrmIME &w = FrmIME::get();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const int before = ts::loggedReports(fnd::ErrLogFile).size();
    QSignalSpy toggles(w.Check1, &QCheckBox::toggled);
    click(w.Check1);
    // The box went back without storing again; UseIME kept its value.
    QVERIFY(!w.Check1->isChecked());
    QCOMPARE(toggles.size(), 1);
    QVERIFY(!run::UseIME);
    QCOMPARE(state(optionFile()), QByteArray("<folder>"));
    QCOMPARE(ts::loggedReports(fnd::ErrLogFile).size(), before + 1);
}

namespace {

// A unit of two one-step questions in a fixture, started as a practice.
FrmMain &startPractice(ts::SceneFixture &fx)
{
    fx.writeUnit(0, {{record({{8, s("9001")}})}, {record({{8, s("9001")}})}});
    fnd::ExamTitle = s("网页制作");
    if (!ts::composeUnit(0))
        qFatal("the fixture unit cannot be started");
    return ts::startPractice();
}

} // namespace

void TstAuxWindows::closingRestoresTheRunWindows_data()
{
    QTest::addColumn<int>("button"); // -1 the system's close command
    QTest::addColumn<Qt::MouseButton>("mouseButton");
    QTest::addColumn<bool>("minimised");
    QTest::newRow("corner button") << 0 << Qt::LeftButton << false;
    QTest::newRow("bottom button, right") << 1 << Qt::RightButton << false;
    QTest::newRow("close command") << -1 << Qt::LeftButton << false;
    QTest::newRow("FrmMain minimised meanwhile") << 1 << Qt::LeftButton << true;
}

void TstAuxWindows::closingRestoresTheRunWindows()
{
    QFETCH(int, button);
    QFETCH(Qt::MouseButton, mouseButton);
    QFETCH(bool, minimised);
    ts::SceneFixture fx;
    FrmMain &main = startPractice(fx);
    FrmTm &tm = FrmTm::get();
    // Seen while the notice is open.
    QSize collapsed;
    bool barShown = false;
    bool open = false;
    ts::whenShown<FrmIME>([&](FrmIME &w) {
        open = true;
        collapsed = tm.size();
        barShown = tm.FrmZXH->isVisible();
        if (minimised)
            main.showMinimized();
        if (button < 0)
            w.close();
        else
            click(w.LblClick[size_t(button)], mouseButton);
    });
    click(tm.CmdEn);
    // The click returned once the notice had come and gone.
    QVERIFY(open);
    QVERIFY(!FrmIME::loaded());
    QCOMPARE(collapsed, tm.FrmZXH->size());
    QVERIFY(barShown);
    // Full size (4980 by 3630 twips), bottom-right on FrmMain's.
    QCOMPARE(tm.size(), QSize(332, 242));
    QCOMPARE(tm.frameGeometry().bottomRight(), main.frameGeometry().bottomRight());
    QVERIFY(!tm.FrmZXH->isVisible());
    QVERIFY(main.isVisible());
    QVERIFY(!(main.windowState() & Qt::WindowMinimized));
}

// The hand-in may unload the run's windows and close the notice meanwhile:
// its closing then loads none of them.
void TstAuxWindows::closingAfterTheRunWindowsWereUnloaded()
{
    ts::SceneFixture fx;
    startPractice(fx);
    ts::whenShown<FrmIME>([](FrmIME &) {
        run::TmCanUnload = true;
        FrmTm::unload();
        FrmMain::unload();
        FrmIME::unload();
    });
    click(FrmTm::get().CmdEn);
    QVERIFY(!FrmIME::loaded());
    QVERIFY(!FrmTm::loaded());
    QVERIFY(!FrmMain::loaded());
}

QTEST_MAIN(TstAuxWindows)
#include "tst_auxwindows.moc"
