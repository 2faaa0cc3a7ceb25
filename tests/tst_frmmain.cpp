// The simulated window: its controls and load, and the scene builder's
// stages on records of known content (a small program folder of the test's
// own), at the real window on the offscreen platform.
#include "bankstep.h"
#include "scenefixture.h"
#include "testsupport.h"
#include "windowdrive.h"

#include "cover/runstart.h"
#include "examflow/frmtm.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/picture.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/twips.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QScopeGuard>
#include <QtTest>

using ts::box;
using ts::record;

namespace {
QString area(int left, char jump, int top, const char *name)
{
    return ts::areaField(left, top, QString::fromLatin1(name), QChar::fromLatin1(jump));
}
QString s(const char *t) { return QString::fromUtf8(t); }
int px(double twips) { return fnd::twipsToPx(twips); }

simwin::PictureBox *image(int k) { return FrmMain::get().Image[k]; }
QRect geo(const QWidget *w) { return w->geometry(); }

using ts::shownWindow;
void build(int q, int step) { ts::buildStep(q, step); }
} // namespace

class TstFrmMain : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();

    void loadBuildsTheWindow();
    void barCellsAndPictures();
    void scale_data();
    void scale();
    void workFileNames_data();
    void workFileNames();
    void picturesAcrossSteps();
    void reopenedQuestionRestoresPictures();
    void nextStepsDecodedAhead();
    void tabPagesAndPanelsDecodedAhead();
    void picturesOnShowStayCached();
    void backColourOnlyBesideTheScreenshot();
    void emptyHotSpotsTakeNoPaints();
    void barShownAgainIsNotHidden_data();
    void barShownAgainIsNotHidden();
    void successLabelLooksAsItsText();
    void textBoxFontAndInitialText();
    void hintAndAnswerMode();
    void hintOfMegabytesIsBounded();
    void fileTextShownLiterally_data();
    void fileTextShownLiterally();
    void selfPassingLastRecordWaits_data();
    void selfPassingLastRecordWaits();
    void targetAreas();
    void numberFieldsSkipLeadingBlanks();
    void badInput();
    void hotSpotsTakeTheMouse();
    void unitPracticeStart();
    void probePlay();
    void logoOfTheSampleBank();
    void sizeRuleOnSmallScreens_data();
    void sizeRuleOnSmallScreens();
};

void TstFrmMain::cleanup()
{
    ts::unloadRunWindows();
    fnd::resetGlobals();
}

void TstFrmMain::loadBuildsTheWindow()
{
    ts::SceneFixture fx;
    FrmMain &w = FrmMain::get();
    // A 768-pixel screen: a normal 800 x 600 window, centred.
    QVERIFY(!w.maximisedByRule());
    QCOMPARE(w.geometry(), QRect(112, 84, 800, 600));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(195, 217, 249));
    for (const char *name : {"Label1", "Label4", "Image1", "Image5", "Image6", "Text1", "Text2", "Text3", "LstLA",
                             "PicLeft", "PicTop", "PicRight", "PicBottom", "LHelp", "Shape1", "Shape2", "Shape4",
                             "Shape6", "LblSuccess", "ImgLogo", "lblMove", "LblXXK_0", "LblXXK_13", "PicMenu",
                             "PicTool", "PicHui", "PicElse", "LblZHU_0", "LblZHU_88", "ImgMenu", "ImgTool", "ImgHui",
                             "ImgElse", "ShapeMenu", "Pic1J", "Pic2J", "Lbl1J_1", "Lbl1J_44", "Lbl2J_44", "Img1J",
                             "Img1jBK", "Img2J"})
        QVERIFY2(w.findChild<QWidget *>(QString::fromLatin1(name)), name);
    QVERIFY(!w.findChild<QWidget *>(QStringLiteral("LblZHU_89")));
    for (const char *name : {"Timer2", "TimerDisFK", "TimTool"}) {
        auto *t = w.findChild<QTimer *>(QString::fromLatin1(name));
        QVERIFY(t && t->isSingleShot() && t->interval() == 100 && !t->isActive());
    }
    QVERIFY(!w.Timer3->isSingleShot() && w.Timer3->interval() == 1000 && !w.Timer3->isActive());
    // Every item array of the pop-up has elements 0 to 10.
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(w.sKvelSub[k].size(), 11);
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(w.sKvelInde[k].size(), 11);
    QVERIFY(w.findChild<QAction *>(QStringLiteral("sKvelInde4_10")));
    QVERIFY(w.findChild<QMenu *>(QStringLiteral("sKvelMain5")));
    QCOMPARE(scene::TmStep[40], qint16(1));
    QCOMPARE(scene::TmStep[41], qint16(0));
    QCOMPARE(w.ExamDataPath, fx.programDir() + QStringLiteral("/examdata/"));
    QVERIFY(w.LblSuccess->isHidden());
    QCOMPARE(w.LblSuccess->text(), s("操作成功！"));
    QCOMPARE(w.LblSuccess->pos(), QPoint(176, 256));
    QCOMPARE(geo(w.ImgLogo), QRect(680, 549, 116, 23));
    QCOMPARE(geo(w.lblMove), QRect(96, 0, 633, 25));
    QCOMPARE(w.LHelp->font().pointSizeF(), 11.0);
}

void TstFrmMain::barCellsAndPictures()
{
    ts::SceneFixture fx;
    FrmMain &w = FrmMain::get();
    QCOMPARE(geo(w.PicMenu), QRect(0, 26, 722, 19));
    QCOMPARE(geo(w.PicTool), QRect(0, 49, 800, 51));
    QCOMPARE(geo(w.PicHui), QRect(0, 555, 671, 26));
    QCOMPARE(w.PicElse->size(), QSize(174, 17));
    // Cell 1 covers pixels 10 to 67 of the menu bar, cell 11 590 to 647.
    QCOMPARE(geo(w.LblZHU[1]), QRect(10, 1, 58, 18));
    QCOMPARE(geo(w.LblZHU[11]).left(), 590);
    QCOMPARE(geo(w.LblZHU[11]).right(), 647);
    QCOMPARE(geo(w.LblZHU[41]), QRect(10, 1, 23, 22));
    QCOMPARE(geo(w.LblZHU[70]), QRect(10, 28, 96, 22));
    QCOMPARE(geo(w.LblZHU[13]), QRect(97, 4, 82, 18));
    QCOMPARE(geo(w.LblZHU[0]), QRect(248, 48, 33, 25));
    QVERIFY(w.LblZHU[87]->geometry().right() < 800);
    // The overlap of 42 and 43 belongs to 43.
    const QPoint overlap = w.LblZHU[43]->geometry().topLeft() + QPoint(0, 5);
    QCOMPARE(w.PicTool->childAt(overlap), w.LblZHU[43]);
    QCOMPARE(w.LblZHU[41]->parentWidget(), w.PicTool);
    QCOMPARE(w.LblZHU[12]->parentWidget(), w.PicHui);
    QCOMPARE(w.LblZHU[35]->parentWidget(), w.PicElse);
    QCOMPARE(w.LblZHU[41]->toolTip(), s("新建普通网页"));
    QCOMPARE(w.LblZHU[14]->toolTip(), s("直线"));
    QCOMPARE(w.LblZHU[87]->toolTip(), s("突出显示(非突出显示)"));
    for (int i : {0, 1, 11, 12, 13, 32, 40, 42, 44, 49, 52, 88})
        QVERIFY2(w.LblZHU[i]->toolTip().isEmpty(), qPrintable(QString::number(i)));
    // The drawn base pictures show a title on each menu cell and none past
    // the last.
    const QImage menu = w.PicMenu->picture().toImage();
    auto darkPixels = [&menu](const QRect &r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += qGray(menu.pixel(x, y)) < 80;
        return n;
    };
    for (int i = 1; i <= 11; ++i)
        QVERIFY2(darkPixels(geo(w.LblZHU[i])) > 10, qPrintable(QString::number(i)));
    QCOMPARE(darkPixels(QRect(660, 0, 60, 19)), 0);
}

void TstFrmMain::scale_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QPoint>("handle"); // picture area 5, design twips
    QTest::addColumn<QPoint>("drag");   // DragX, DragY: placed and rounded
    QTest::newRow("0.8") << 0.8 << QPoint(1001, 601) << QPoint(801, 481);
    QTest::newRow("1.25") << 1.25 << QPoint(1000, 600) << QPoint(1250, 750);
    QTest::newRow("1.25 up") << 1.25 << QPoint(1003, 603) << QPoint(1254, 754);
}

void TstFrmMain::scale()
{
    QFETCH(double, scale);
    QFETCH(QPoint, handle);
    QFETCH(QPoint, drag);
    ts::SceneFixture fx;
    fnd::XBiLi = fnd::YBiLi = scale;
    fx.writePicture(QStringLiteral("100005"), QSize(20, 20), Qt::red);
    fx.writeUnit(0, {{record({{8, s("9001")}, {66, box(1500, '0', 1200, 1200, 300)},
                              {151, area(handle.x(), '0', handle.y(), "100005")},
                              {177, box(3000, '0', 4500, 600, 450)}})}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = FrmMain::get();
    // Twips scale with the screen's twips per pixel, so pixels stay as
    // designed: the window is 800 x 600 pixels at every scale.
    QCOMPARE(w.size(), QSize(800, 600));
    build(1, 1);
    QCOMPARE(geo(w.Label1), QRect(px(1500), px(1200), px(1200), px(300)));
    QCOMPARE(geo(w.Label4), QRect(px(3000), px(4500), px(600), px(450)));
    QCOMPARE(w.Image[5]->pos(), QPoint(px(handle.x()), px(handle.y())));
    QCOMPARE(QPoint(w.DragX, w.DragY), drag);
    QCOMPARE(geo(w.LblZHU[45]), QRect(px(1170), px(15), px(345), px(330)));
    QCOMPARE(w.PicMenu->width(), 722);
    QCOMPARE(w.PicHui->y(), px(8325));
    // Fonts scale in points, which keeps their size in pixels too.
    QCOMPARE(w.LHelp->font().pointSizeF(), 11 * scale);
}

void TstFrmMain::workFileNames_data()
{
    QTest::addColumn<int>("paperType");
    QTest::addColumn<int>("taoNo");
    QTest::addColumn<QString>("stepFile");
    QTest::addColumn<QString>("tmFile");
    QTest::newRow("whole unit 7") << 20 << 7 << "288827" << "288877";
    QTest::newRow("fixed paper 3") << 0 << 3 << "288803" << "288853";
    QTest::newRow("composed set") << 2 << 17 << "288819" << "288869";
}

void TstFrmMain::workFileNames()
{
    ts::SceneFixture fx;
    QFETCH(int, paperType);
    QFETCH(int, taoNo);
    QFETCH(QString, stepFile);
    QFETCH(QString, tmFile);
    run::PaperType = qint16(paperType);
    run::TaoNo = qint16(taoNo);
    build(1, 1);
    QCOMPARE(run::StepFile, fx.dataFile(stepFile));
    QCOMPARE(run::TmFile, fx.dataFile(tmFile));
}

void TstFrmMain::picturesAcrossSteps()
{
    ts::SceneFixture fx;
    for (const char *name : {"100001", "100011", "100012", "100013", "100006"})
        fx.writePicture(QString::fromLatin1(name), QSize(40, 30), Qt::darkCyan);
    fx.writeUnit(0, {{
        record({{8, s("9001")}, {12, s("100001")}, {18, area(1200, '0', 900, "100011")}, {34, area(3000, '0', 900, "888888")},
                {50, area(600, '0', 600, "000000")}, {197, area(100, '0', 100, "00000A")}}),
        record({{8, s("9001")}, {12, s("888888")}, {18, area(2400, '0', 1500, "888888")}, {34, area(3000, '0', 900, "100012")},
                {50, area(600, '0', 600, "100013")}, {197, area(150, '0', 150, "100006")}}),
        record({{8, s("9001")}, {12, s("888888")}, {18, area(2400, '0', 1500, "nopic1")}, {34, area(3000, '0', 900, "000000")},
                {50, area(900, '0', 900, "888888")}}),
        record({{8, s("9001")}, {12, s("888888")}, {18, area(2400, '0', 1500, "888888")}, {34, area(4500, '0', 900, "888888")}}),
    }});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = FrmMain::get();

    build(1, 1);
    QCOMPARE(w.pictureName(), QStringLiteral("100001"));
    QVERIFY(image(1)->isVisibleTo(&w));
    QCOMPARE(image(1)->pos(), QPoint(80, 60));
    QCOMPARE(image(1)->pictureName(), QStringLiteral("100011"));
    QCOMPARE(image(1)->size(), QSize(40, 30));
    // Step 1 with "888888": shown at its place, with no picture (cleared).
    QVERIFY(image(2)->isVisibleTo(&w));
    QCOMPARE(image(2)->pos(), QPoint(200, 60));
    QVERIFY(image(2)->picture().isNull());
    QVERIFY(!image(3)->isVisibleTo(&w));
    // Five zeros and a letter hide area 6.
    QVERIFY(!image(6)->isVisibleTo(&w));
    QCOMPARE(scene::TmPics[1][0], QStringLiteral("100001"));
    QCOMPARE(scene::TmPics[1][1], QStringLiteral("100011"));
    QCOMPARE(scene::TmPics[1][2], QString());

    build(1, 2);
    QCOMPARE(w.pictureName(), QStringLiteral("100001"));
    QCOMPARE(image(1)->pos(), QPoint(160, 100)); // kept picture at the new place
    QCOMPARE(image(1)->pictureName(), QStringLiteral("100011"));
    QCOMPARE(image(2)->pictureName(), QStringLiteral("100012"));
    QCOMPARE(image(6)->pictureName(), QStringLiteral("100006"));
    QVERIFY(image(6)->isVisibleTo(&w));

    build(1, 3);
    // A missing picture leaves the area's picture; the name is still kept.
    QCOMPARE(image(1)->pictureName(), QStringLiteral("100011"));
    QCOMPARE(scene::TmPics[1][1], QStringLiteral("nopic1"));
    QVERIFY(!image(2)->isVisibleTo(&w));
    QCOMPARE(image(3)->pos(), QPoint(60, 60));
    QCOMPARE(image(3)->pictureName(), QStringLiteral("100013"));

    build(1, 4);
    // Hidden by "000000", the picture was kept for this "888888" step.
    QVERIFY(image(2)->isVisibleTo(&w));
    QCOMPARE(image(2)->pos(), QPoint(300, 60));
    QCOMPARE(image(2)->pictureName(), QStringLiteral("100012"));
    QCOMPARE(scene::TmStep[1], qint16(4));
    QCOMPARE(scene::StepLine, record({{8, s("9001")}, {12, s("888888")}, {18, area(2400, '0', 1500, "888888")},
                                      {34, area(4500, '0', 900, "888888")}}));
}

void TstFrmMain::reopenedQuestionRestoresPictures()
{
    ts::SceneFixture fx;
    for (const char *name : {"100001", "100011", "200001"})
        fx.writePicture(QString::fromLatin1(name), QSize(40, 30), Qt::darkGreen);
    const QString keep = record({{8, s("9001")}, {12, s("888888")}, {18, area(1500, '0', 1500, "888888")}});
    fx.writeUnit(0, {{record({{8, s("9001")}, {12, s("100001")}, {18, area(1200, '0', 900, "100011")}}), keep, keep, keep},
                     {record({{8, s("9001")}, {12, s("200001")}})}});
    QVERIFY(ts::composeUnit(0));
    QCOMPARE(run::StepStart[2], qint16(5));
    FrmMain &w = ts::startPractice();
    QVERIFY(w.isVisible());
    QVERIFY(!w.Timer2->isActive()); // one tick built the scene and stopped
    QCOMPARE(w.pictureName(), QStringLiteral("100001"));
    QCOMPARE(run::TmState[1], qint16(1));
    // Question 1 was left at step 4; question 2 shown in between.
    scene::TmStep[1] = 4;
    ts::loadQuestion(2);
    QCOMPARE(w.pictureName(), QStringLiteral("200001"));
    run::TmNo = 1;
    FrmTm::get().DqExam();
    QCOMPARE(scene::StepNo, qint16(4));
    QTRY_VERIFY(!w.Timer2->isActive());
    QCOMPARE(w.pictureName(), QStringLiteral("100001"));
    QCOMPARE(image(1)->pictureName(), QStringLiteral("100011"));
    QCOMPARE(image(1)->pos(), QPoint(100, 100));
    QCOMPARE(run::TmState[1], qint16(1)); // visited once
}

void TstFrmMain::nextStepsDecodedAhead()
{
    ts::SceneFixture fx;
    const char *names[] = {"100001", "100002", "100003", "100004", "100011", "200001"};
    for (int i = 0; i < 6; ++i)
        fx.writePicture(QString::fromLatin1(names[i]), QSize(60 + i, 40), QColor::fromHsv(i * 50, 200, 200));
    fx.writeUnit(0, {{record({{8, s("9001")}, {12, s("100001")}}),
                      record({{8, s("9001")}, {12, s("100002")}, {18, area(1200, '0', 900, "100011")}}),
                      record({{8, s("9001")}, {12, s("100003")}}), record({{8, s("9999")}, {12, s("100004")}})},
                     {record({{8, s("9001")}, {12, s("200001")}})}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = FrmMain::get();
    auto ahead = [&fx](const char *name) { return fnd::isPictureDecodedAhead(fx.dataFile(QString::fromLatin1(name))); };

    // Step 1 shown: the next two steps' pictures, not the third's, nor the
    // next question's.
    build(1, 1);
    QVERIFY(fnd::waitForDecodeAhead(5000));
    QVERIFY(ahead("100002") && ahead("100011") && ahead("100003"));
    QVERIFY(!ahead("100004") && !ahead("200001"));
    // The next step shows what was decoded ahead, as decoded from its file.
    build(1, 2);
    QCOMPARE(w.pictureName(), QStringLiteral("100002"));
    QCOMPARE(w.picture().toImage().convertToFormat(QImage::Format_RGB32),
             QImage(fx.dataFile(QStringLiteral("100002"))).convertToFormat(QImage::Format_RGB32));
    QCOMPARE(image(1)->picture().toImage().convertToFormat(QImage::Format_RGB32),
             QImage(fx.dataFile(QStringLiteral("100011"))).convertToFormat(QImage::Format_RGB32));
    QVERIFY(!ahead("100002"));
    QVERIFY(fnd::waitForDecodeAhead(5000));
    QVERIFY(ahead("100003") && ahead("100004"));
    // The final scene: the next question's first picture.
    build(1, 4);
    QVERIFY(fnd::waitForDecodeAhead(5000));
    QVERIFY(ahead("200001"));
    QVERIFY(!ahead("100003")); // let go: not to come any more
    // The last question's last step has nothing to come.
    build(2, 1);
    QVERIFY(fnd::waitForDecodeAhead(5000));
    for (const char *name : names)
        QVERIFY2(!ahead(name), name);
}

void TstFrmMain::tabPagesAndPanelsDecodedAhead()
{
    ts::SceneFixture fx;
    for (const char *name : {"100001", "100002", "100003", "100013", "300228"})
        fx.writePicture(QString::fromLatin1(name), QSize(40, 30), Qt::gray);
    // Step 2 shows tab 2 of layout A (page 300228) on area 3 while tab 1 is
    // the target; step 3 shows the extra panel of cell 35.
    fx.writeUnit(0, {{record({{8, s("9001")}, {12, s("100001")}}),
                      record({{8, s("9001")}, {12, s("100002")}, {50, area(600, '0', 600, "100013")}, {130, s("XA213")}}),
                      record({{8, s("9001")}, {12, s("100003")}, {86, s("H35")}, {96, s("00600")}, {102, s("0600")}}),
                      record({{8, s("9999")}, {12, s("100003")}})}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = FrmMain::get();
    const QString panel = w.ExamDataPath + QStringLiteral("350000.mxy");
    QVERIFY(QDir().mkpath(w.ExamDataPath));
    QImage picture(50, 40, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QVERIFY(picture.save(panel, "PNG"));

    build(1, 1);
    QVERIFY(fnd::waitForDecodeAhead(5000));
    QVERIFY(fnd::isPictureDecodedAhead(fx.dataFile(QStringLiteral("300228"))));
    QVERIFY(fnd::isPictureDecodedAhead(panel));
    // Each shows where its step puts it.
    build(1, 2);
    QCOMPARE(image(3)->pictureName(), QStringLiteral("300228"));
    build(1, 3);
    QCOMPARE(w.PicElse->pictureName(), QStringLiteral("350000"));
    QVERIFY(w.PicElse->isVisibleTo(&w));
}

void TstFrmMain::picturesOnShowStayCached()
{
    ts::SceneFixture fx;
    for (const char *name : {"100001", "100011", "100002", "100003"})
        fx.writePicture(QString::fromLatin1(name), QSize(64, 64), Qt::gray);
    fx.writeUnit(0, {{record({{8, s("9001")}, {12, s("100001")}, {18, area(1200, '0', 900, "100011")}}),
                      record({{8, s("9001")}, {12, s("100002")}}), record({{8, s("9999")}, {12, s("100003")}})}});
    QVERIFY(ts::composeUnit(0));
    // Pictures of 16 KiB; a budget of two and a half of them, of which
    // decoding ahead would take half.
    const qint64 budget = 40 * 1024;
    fnd::setPictureCacheBudget(budget);
    const auto restore = qScopeGuard([] { fnd::setPictureCacheBudget(-1); });
    build(1, 1);
    QVERIFY(fnd::waitForDecodeAhead(5000));
    // The screenshot and the picture on show are not let go for the steps to
    // come, and the budget holds.
    QVERIFY(fnd::isPictureCached(fx.dataFile(QStringLiteral("100001"))));
    QVERIFY(fnd::isPictureCached(fx.dataFile(QStringLiteral("100011"))));
    QVERIFY(fnd::pictureCacheBytes() <= budget);
    // The next step still shows its own.
    build(1, 2);
    QCOMPARE(FrmMain::get().pictureName(), QStringLiteral("100002"));
    QVERIFY(fnd::isPictureCached(fx.dataFile(QStringLiteral("100002"))));
    QVERIFY(fnd::pictureCacheBytes() <= budget);
}

void TstFrmMain::backColourOnlyBesideTheScreenshot()
{
    ts::SceneFixture fx;
    fx.writePicture(QStringLiteral("100001"), QSize(300, 200), Qt::red);
    fx.writePicture(QStringLiteral("100002"), QSize(800, 600), Qt::green);
    fx.writeUnit(0, {{record({{8, s("9001")}, {12, s("100001")}}), record({{8, s("9001")}, {12, s("100002")}})}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = FrmMain::get();
    build(1, 1);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Where the screenshot reaches, its pixels; beside it the back colour.
    const QColor back(195, 217, 249);
    const QImage small = w.grab().toImage();
    QCOMPARE(QColor(small.pixel(150, 100)), QColor(Qt::red));
    QCOMPARE(QColor(small.pixel(299, 199)), QColor(Qt::red));
    QCOMPARE(QColor(small.pixel(300, 100)), back);
    QCOMPARE(QColor(small.pixel(150, 200)), back);
    QCOMPARE(QColor(small.pixel(500, 400)), back);
    // A screenshot over the whole window leaves nothing of the back colour.
    build(1, 2);
    const QImage whole = w.grab().toImage();
    QCOMPARE(QColor(whole.pixel(500, 400)), QColor(Qt::green));
    QCOMPARE(QColor(whole.pixel(150, 200)), QColor(Qt::green));
}

namespace {
// The paint events each kind of control received, by object name.
class PaintLog : public QObject
{
public:
    explicit PaintLog(const char *className) : className_(className) { qApp->installEventFilter(this); }
    QStringList painted;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && o->inherits(className_))
            painted << o->objectName();
        return false;
    }

private:
    const char *className_;
};
} // namespace

void TstFrmMain::emptyHotSpotsTakeNoPaints()
{
    ts::SceneFixture fx;
    fx.writePicture(QStringLiteral("100001"), QSize(800, 600), Qt::white);
    // All three bars with their cells, and a main target.
    fx.writeUnit(0, {{record({{6, s("A7")}, {8, s("9001")}, {12, s("100001")}, {66, box(1500, '0', 1500, 900, 600)}})}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = shownWindow();
    build(1, 1);
    QVERIFY(w.PicMenu->isVisible() && w.PicTool->isVisible() && w.PicHui->isVisible() && w.Label1->isVisible());
    PaintLog log("simwin::HotSpot");
    w.repaint();
    QCOMPARE(log.painted, QStringList());
    // A hot spot with a caption shows it.
    w.LblXXK[0]->setText(s("列表项"));
    w.LblXXK[0]->setGeometry(10, 10, 100, 20);
    w.repaint();
    QCOMPARE(log.painted, QStringList{QStringLiteral("LblXXK_0")});
    w.LblXXK[0]->setText(QString());
    w.repaint();
    QCOMPARE(log.painted, QStringList{QStringLiteral("LblXXK_0")});
}

void TstFrmMain::barShownAgainIsNotHidden_data()
{
    QTest::addColumn<bool>("focused");
    QTest::newRow("kept shown") << false;
    QTest::newRow("holding the focus") << true;
}

void TstFrmMain::barShownAgainIsNotHidden()
{
    QFETCH(bool, focused);
    ts::SceneFixture fx;
    fx.writePicture(QStringLiteral("100001"), QSize(800, 600), Qt::white);
    fx.writeUnit(0, {{record({{6, s("A7")}, {8, s("9001")}, {12, s("100001")}}),
                      record({{6, s("A7")}, {8, s("9999")}, {12, s("100001")}})}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = shownWindow();
    build(1, 1);
    if (focused) {
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.PicTool->setFocus();
        QTRY_VERIFY(w.PicTool->hasFocus());
    }
    struct HideCount : QObject {
        int hides = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            hides += e->type() == QEvent::Hide;
            return false;
        }
    } count;
    w.PicTool->installEventFilter(&count);
    build(1, 2);
    QVERIFY(w.PicTool->isVisible());
    // A bar that stays is hidden only when it holds the focus, which it has
    // again once shown, as it always had.
    QCOMPARE(count.hides, focused ? 1 : 0);
    QCOMPARE(w.PicTool->hasFocus(), focused);
}

void TstFrmMain::successLabelLooksAsItsText()
{
    ts::SceneFixture fx;
    fx.writePicture(QStringLiteral("100001"), QSize(800, 600), QColor(40, 90, 160));
    fx.writeUnit(0, {{record({{8, s("9999")}, {12, s("100001")}})}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = shownWindow();
    build(1, 1);
    QVERIFY(w.LblSuccess->isVisible());
    const QRect at = w.LblSuccess->geometry();
    const QImage shown = w.grab(at).toImage();
    // The same text drawn by a plain label of the same look, in its place.
    QLabel plain(w.LblSuccess->text(), &w);
    plain.setAttribute(Qt::WA_TranslucentBackground);
    plain.setPalette(w.LblSuccess->palette());
    plain.setFont(w.LblSuccess->font());
    plain.setGeometry(at);
    w.LblSuccess->hide();
    plain.show();
    QCOMPARE(w.grab(at).toImage(), shown);
}

void TstFrmMain::textBoxFontAndInitialText()
{
    ts::SceneFixture fx;
    fx.writeAnswers({s("无"), s("第一|第二")});
    const QString textBox = box(1500, '0', 2000, 3000, 360);
    fx.writeUnit(0, {{
        // "0028": a typing step that keeps the initial selection.
        record({{8, s("0028")}, {86, textBox}, {106, s("002")}, {125, s("0105R01213")}}),
        record({{8, s("9001")}, {86, s("H010200000")}}),
        // An answer of its own: an empty box with answer "000" would be right at once.
        record({{8, s("0020")}, {86, textBox}, {106, s("000")}, {109, s("001")}, {125, s("0000m08500")}}),
        record({{8, s("0020")}, {86, textBox}, {106, s("001")}, {125, s("00000XAB31")}}),
    }});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = shownWindow();

    build(1, 1);
    QVERIFY(w.Text1->isVisible());
    QCOMPARE(geo(w.Text1), QRect(100, 133, 200, 24));
    QCOMPARE(w.Text1->text(), s("第一"));
    QCOMPARE(w.Text1->selectedText(), s("第一"));
    QVERIFY(w.Text1->hasFocus());
    QCOMPARE(w.Text1->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(w.Text1->font().pointSizeF(), 10.5);
    QVERIFY(w.Text1->font().bold());
    QVERIFY(!w.Text1->font().italic());
    QCOMPARE(w.Text1->font().family(), s("黑体"));
    QCOMPARE(w.Text1->palette().color(QPalette::Text), QColor(0, 0, 255));
    QCOMPARE(w.Text1->palette().color(QPalette::Base), QColor(192, 192, 192));

    build(1, 2); // a target overlay: no text box, the font stays
    QVERIFY(!w.Text1->isVisible());
    QVERIFY(!w.Text2->isVisible());
    QCOMPARE(w.Text1->font().family(), s("黑体"));

    build(1, 3); // style 8 and font 5 leave bold and the family
    QCOMPARE(w.Text1->text(), QString());
    QCOMPARE(w.Text1->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(w.Text1->font().pointSizeF(), 9.0);
    QVERIFY(w.Text1->font().bold());
    QCOMPARE(w.Text1->font().family(), s("黑体"));
    QCOMPARE(w.Text1->palette().color(QPalette::Text), QColor(0, 0, 0));

    build(1, 4); // letters of a tab strip: plain, the first font, blue background
    QCOMPARE(w.Text1->text(), s("无"));
    QVERIFY(!w.Text1->font().bold());
    QCOMPARE(w.Text1->font().family(), s("宋体"));
    QCOMPARE(w.Text1->palette().color(QPalette::Base), QColor(0, 0, 255));
}

void TstFrmMain::fileTextShownLiterally_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("label");
    QTest::newRow("hint") << 1 << "LHelp";
    QTest::newRow("list item") << 2 << "LblXXK_0";
}

// An answer text that looks like markup is shown as the file gives it, tags
// and all, and measured so.
void TstFrmMain::fileTextShownLiterally()
{
    QFETCH(int, step);
    QFETCH(QString, label);
    const QString text = s("<b>查看</b>");
    ts::SceneFixture fx;
    fx.writeAnswers({text, text + s("|x")});
    fx.writeUnit(0, {{
        record({{8, s("9001")}, {66, box(1500, '0', 1200, 1200, 300)}, {112, s("0030000450001")}}),
        // Item 0 selected at the start, item 1 the answer.
        record({{8, s("L002")}, {86, box(1200, '0', 900, 3000, 900)}, {106, s("000")}, {109, s("001")}}),
    }});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = shownWindow();
    run::AnswerMode = 1; // the hint shows
    build(1, step);
    const auto *l = w.findChild<QLabel *>(label);
    QVERIFY(l && l->isVisible());
    QCOMPARE(l->text(), text);
    const int literal = QFontMetrics(l->font()).horizontalAdvance(text);
    QVERIFY2(std::abs(l->sizeHint().width() - literal) <= 1,
             qPrintable(QStringLiteral("%1 px, the text %2").arg(l->sizeHint().width()).arg(literal)));
}

void TstFrmMain::selfPassingLastRecordWaits_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("shown"); // the control of the scene that waits
    // The list starts on its expected item; the box starts with its answer.
    QTest::newRow("list") << record({{8, s("L001")}, {86, box(1200, '0', 900, 3000, 900)}, {106, s("000")}, {109, s("000")}})
                          << "LstLA";
    QTest::newRow("text box") << record({{8, s("0020")}, {86, box(1200, '0', 900, 3000, 300)}, {106, s("001")}, {109, s("001")}})
                              << "Text1";
}

// A damaged step file whose last record passes its own check as it is built
// and has no final scene after it: past the file's end the same record is
// read again and would advance again, endlessly. The chain stops and that
// scene waits for the candidate.
void TstFrmMain::selfPassingLastRecordWaits()
{
    QFETCH(QString, step);
    QFETCH(QString, shown);
    ts::SceneFixture fx;
    fx.writeAnswers({s("001网页")});
    fx.writeUnit(0, {{step}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = shownWindow();
    build(1, 1);
    QVERIFY(scene::StepNo > 1);
    QVERIFY(w.findChild<QWidget *>(shown)->isVisible());
}

// A damaged answer-text file whose hint line is 5 MB long: the label shows
// the line's first 2000 characters, laid out at once.
void TstFrmMain::hintOfMegabytesIsBounded()
{
    ts::SceneFixture fx;
    const QString huge = s("单击") + QString(5 * 1024 * 1024, u'x');
    fx.writeAnswers({huge});
    fx.writeUnit(0, {{record({{8, s("9001")}, {66, box(1500, '0', 1200, 1200, 300)}, {112, s("0030000450001")}})}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = shownWindow();
    run::AnswerMode = 1;
    build(1, 1);
    QCOMPARE(w.LHelp->text(), huge.left(2000));
    QCOMPARE(w.HintText, huge.left(2000));
    QVERIFY(w.LHelp->isVisible());
}

void TstFrmMain::hintAndAnswerMode()
{
    ts::SceneFixture fx;
    fx.writeAnswers({s("单击“文件”菜单"), s("选择|输入")});
    const QString label = box(1500, '0', 1200, 1200, 300);
    fx.writeUnit(0, {{
        record({{8, s("9001")}, {66, label}, {112, s("0030000450001")}}),
        record({{8, s("9001")}, {66, label}, {112, s("0000000000002")}}),
        record({{8, s("9001")}, {66, label}, {112, s("0045000600000")}}),
    }});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = shownWindow();

    build(1, 1); // practice: no hint and no boxes
    QCOMPARE(w.LHelp->text(), s("单击“文件”菜单"));
    for (QWidget *c : {static_cast<QWidget *>(w.LHelp), static_cast<QWidget *>(w.Shape1),
                       static_cast<QWidget *>(w.Shape2), static_cast<QWidget *>(w.Shape4)})
        QVERIFY(!c->isVisible());

    run::AnswerMode = 1;
    build(1, 1);
    QCOMPARE(w.LHelp->pos(), QPoint(20, 30));
    QVERIFY(w.LHelp->isVisible() && w.Shape1->isVisible() && w.Shape2->isVisible() && w.Shape4->isVisible());
    QCOMPARE(geo(w.Shape1), geo(w.Label1));
    // The hint's frame stays at the window's design place whatever the hint.
    QCOMPARE(simwin::twipsRect(w.Shape2), QRectF(12840, 2640, 2295, 375));

    build(1, 2); // "0000000000": place and text stay, the hint field is not read
    QCOMPARE(w.LHelp->pos(), QPoint(20, 30));
    QCOMPARE(w.LHelp->text(), s("单击“文件”菜单"));

    build(1, 3); // "000": empty caption, HintText kept
    QCOMPARE(w.LHelp->pos(), QPoint(30, 40));
    QCOMPARE(simwin::twipsRect(w.Shape2), QRectF(12840, 2640, 2295, 375));
    QCOMPARE(w.LHelp->text(), QString());
    QCOMPARE(w.HintText, s("单击“文件”菜单"));

    QVERIFY(QFile::remove(fx.dataFile(QStringLiteral("288890"))));
    build(1, 1); // no answer-text file: an empty hint
    QCOMPARE(w.LHelp->text(), QString());
}

void TstFrmMain::targetAreas()
{
    ts::SceneFixture fx;
    fx.writeUnit(0, {{
        record({{8, s("0040")}, {66, box(1500, '3', 1200, 1200, 300)}, {177, box(3000, '0', 4500, 600, 450)}}),
        record({{8, s("9001")}, {66, box(1500, '0', 1200, 1200, 0)}}),
        record({{8, s("9001")}}),
    }});
    QVERIFY(ts::composeUnit(0));
    run::AnswerMode = 1;
    FrmMain &w = shownWindow();

    build(1, 1);
    QVERIFY(w.Label1->isVisible());
    QCOMPARE(geo(w.Label1), QRect(100, 80, 80, 20));
    QCOMPARE(w.Label1BoxWidth, 1200);
    QCOMPARE(w.Label1BoxHeight, 300);
    QVERIFY(w.Shape1->isVisible());
    QVERIFY(w.Label4->isVisible());
    QCOMPARE(geo(w.Label4), QRect(200, 300, 40, 30));
    QCOMPARE(geo(w.Shape4), geo(w.Label4));
    // The target takes the mouse; the frame lets it through.
    QCOMPARE(w.childAt(QPoint(101, 81)), w.Label1);

    build(1, 2); // height 0: 1 by 1 and no red box, even in hint mode
    QVERIFY(w.Label1->isVisible());
    QCOMPARE(w.Label1->size(), QSize(0, 0));
    QVERIFY(!w.Shape1->isVisible());
    // Label4 absent after a step that showed it: still visible, 1 by 1 at -1.
    QVERIFY(w.Label4->isVisible());
    QCOMPARE(w.Label4->size(), QSize(0, 0));
    QCOMPARE(w.Label4->y(), 300);
    QCOMPARE(geo(w.Shape4), geo(w.Label4));

    build(1, 3); // twenty zeros: no main target
    QVERIFY(!w.Label1->isVisible());
    QVERIFY(!w.Shape1->isVisible());
    QCOMPARE(w.Label1BoxHeight, 0);
}

// A box written with leading blanks in its numbers stands where its digits
// say: left " 3000" at 200 px, top " 600" at 40 px, " 1200" by "  300".
void TstFrmMain::numberFieldsSkipLeadingBlanks()
{
    ts::SceneFixture fx;
    fx.writeUnit(0, {{record({{8, s("9001")}, {66, s(" 30000 600 1200  300")}})}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = shownWindow();
    build(1, 1);
    QVERIFY(w.Label1->isVisible());
    QCOMPARE(geo(w.Label1), QRect(200, 40, 80, 20));
}

void TstFrmMain::badInput()
{
    ts::SceneFixture fx;
    fx.writePicture(QStringLiteral("100011"), QSize(40, 30), Qt::blue);
    fx.writeUnit(0, {{
        record({{8, s("9001")}, {18, area(1200, '0', 900, "100011")}}),
        record({{8, s("9x0A")}, {18, s("x12y0z3z100011zz")}, {66, s("abcdefghijklmnopqrst")}, {86, s("1x")},
                {106, s("q1w")}, {112, s("a1b2c3d4e5f6g")}, {125, s("ZZZZZZZZZZ")}, {177, s("!@#$%^&*()0000000000")}},
               120),
    }});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = FrmMain::get();
    build(1, 1);
    const QString first = scene::StepLine;
    // Past the question's steps: the file's last line (a short record with
    // letters in its numeric fields) builds without harm.
    build(1, 7);
    QCOMPARE(scene::StepLine.size(), 120);
    QCOMPARE(image(1)->pos(), QPoint(0, 0));
    QCOMPARE(image(1)->pictureName(), QStringLiteral("100011"));
    QVERIFY(!w.Label1->isHidden());
    // A missing step file leaves StepLine and the scene as they were.
    build(1, 1);
    QVERIFY(QFile::remove(run::StepFile));
    build(1, 1);
    QCOMPARE(scene::StepLine, first);
    QCOMPARE(image(1)->pos(), QPoint(80, 60));
}

namespace {
// Counts the mouse events that reach a widget itself.
struct MouseCounter : QObject {
    int moves = 0, presses = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        moves += e->type() == QEvent::MouseMove;
        presses += e->type() == QEvent::MouseButtonPress;
        return false;
    }
};
} // namespace

void TstFrmMain::hotSpotsTakeTheMouse()
{
    ts::SceneFixture fx;
    fx.writeUnit(0, {{record({{8, s("9001")}, {66, box(1500, '0', 1200, 1200, 300)}, {112, s("0300004500000")}})}});
    QVERIFY(ts::composeUnit(0));
    run::AnswerMode = 1;
    FrmMain &w = shownWindow();
    build(1, 1);
    w.PicTool->show();
    MouseCounter window, cell;
    w.installEventFilter(&window);
    w.LblZHU[45]->installEventFilter(&cell);
    QSignalSpy up(w.Label1, &simwin::HotSpot::mouseUp);
    // Over a target or a bar cell the control takes the mouse; the window
    // sees nothing of it.
    QTest::mouseMove(w.Label1, QPoint(5, 5));
    QTest::mouseClick(w.Label1, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(6, 4));
    QTest::mouseMove(w.LblZHU[45], QPoint(3, 3));
    QTest::mousePress(w.LblZHU[45], Qt::LeftButton);
    QTest::mouseRelease(w.LblZHU[45], Qt::LeftButton);
    QCOMPARE(window.moves, 0);
    QCOMPARE(window.presses, 0);
    QCOMPARE(cell.presses, 1);
    QCOMPARE(up.size(), 1);
    QCOMPARE(up[0][1].toInt(), 2);  // right button
    QCOMPARE(up[0][2].toInt(), 3);  // Shift + Ctrl
    QCOMPARE(up[0][3].toDouble(), 90.0); // twips within the control
    QCOMPARE(up[0][4].toDouble(), 60.0);
    // Frames and the hint let the mouse through to what lies below.
    QVERIFY(w.Shape1->isVisible() && w.LHelp->isVisible());
    QVERIFY(w.childAt(w.Shape1->geometry().topLeft() + QPoint(1, 1)) != w.Shape1);
    QCOMPARE(w.childAt(w.LHelp->geometry().topLeft() + QPoint(1, 1)), nullptr);
    QTest::mouseMove(&w, QPoint(700, 400));
    QCOMPARE(window.moves, 1);
}

void TstFrmMain::unitPracticeStart()
{
    ts::SceneFixture fx;
    QStringList three(3, record({})), two(2, record({})), four(4, record({}));
    fx.writeUnit(1, {three, two, four});
    run::TmLine = QStringLiteral("a line of an earlier run");
    QVERIFY(ts::composeUnit(1));
    // The scan of the question file keeps the last line it read.
    QCOMPARE(run::TmLine, s("010304第3题"));
    QCOMPARE(run::PaperType, qint16(20));
    QCOMPARE(run::TaoNo, qint16(1));
    QCOMPARE(run::TmSum, qint16(3));
    QCOMPARE(run::TmId[3], qint16(103));
    QCOMPARE(run::TmDone[2], QStringLiteral("F"));
    QCOMPARE(run::StepFile, fx.dataFile(QStringLiteral("288821")));
    QCOMPARE(run::TmFile, fx.dataFile(QStringLiteral("288871")));
    QCOMPARE(run::CommonDataFile, fx.dataFile(QStringLiteral("288890")));
    QCOMPARE((QList<qint16>{run::StepStart[1], run::StepStart[2], run::StepStart[3], run::StepStart[4]}),
             (QList<qint16>{1, 4, 6, 10}));
    // A blank line ends the scan; a unit without a question file has no run.
    QVERIFY(fnd::writeLines(run::TmFile, {QStringLiteral("010103x"), QStringLiteral(" "), QStringLiteral("010202y")}));
    run::StepStart.fill(0);
    QVERIFY(cover::prepareRun());
    QCOMPARE(run::StepStart[2], qint16(4));
    QCOMPARE(run::StepStart[3], qint16(0));
    QCOMPARE(run::TmLine, QStringLiteral(" "));
    QVERIFY(!ts::composeUnit(5));
}

void TstFrmMain::probePlay()
{
    ts::SceneFixture fx;
    fx.writePicture(QStringLiteral("100001"), QSize(800, 600), Qt::white);
    fx.writePicture(QStringLiteral("100011"), QSize(40, 30), Qt::blue);
    fx.writeUnit(0, {{record({{6, s("C7")}, {8, s("9001")}, {12, s("100001")}, {18, area(1200, '0', 900, "100011")},
                              {66, box(1500, '0', 1200, 1200, 300)}})},
                     {record({{8, s("9999")}, {12, s("100001")}})}});
    const QList<QJsonObject> lines = ts::playProbe(fx.programDir(), 0, 1, "scene\nwait 120\nbogus 1 2\nscene\n");
    QCOMPARE(lines.size(), 4);
    const QJsonObject &scene = lines[0];
    QCOMPARE(scene["StepNo"].toInt(), 1);
    QCOMPARE(scene["TmState"].toInt(), 1);
    QVERIFY(scene["StepLine"].toString().startsWith(QStringLiteral("00000C79001100001")));
    QHash<QString, QJsonObject> byName;
    for (const QJsonValue &v : scene["controls"].toArray())
        byName.insert(v["name"].toString(), v.toObject());
    QCOMPARE(byName["FrmMain"]["picture"].toString(), QStringLiteral("100001"));
    QCOMPARE(byName["FrmMain"]["w"].toInt(), 800);
    QCOMPARE(byName["Image1"]["picture"].toString(), QStringLiteral("100011"));
    QCOMPARE(byName["Image1"]["x"].toInt(), 80);
    QCOMPARE(byName["Label1"]["x"].toInt(), 100);
    QCOMPARE(byName["Label1"]["w"].toInt(), 80);
    QVERIFY(!byName.contains("Image2"));
    QVERIFY(lines[1]["ok"].toBool());
    QVERIFY(lines[2].contains("error"));
    QCOMPARE(lines[3]["StepNo"].toInt(), 1);

    // Left to itself the probe sets up a 1024 x 768 screen: the window is
    // centred on it.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    const QList<QJsonObject> own = ts::playProbe(fx.programDir(), 0, 1, "window\n", env);
    QCOMPARE(own.size(), 1);
    QCOMPARE(QRect(own[0]["x"].toInt(), own[0]["y"].toInt(), own[0]["w"].toInt(), own[0]["h"].toInt()),
             QRect(112, 84, 800, 600));
}

void TstFrmMain::logoOfTheSampleBank()
{
    // The sample bank has the logo picture; the window shows it stretched
    // over its design place at the lower right.
    ts::BankSteps bank;
    QVERIFY(bank.isValid());
    FrmMain *w = bank.open(1, 1, 1);
    QVERIFY(w);
    const QImage file(bank.programDir() + QStringLiteral("/wydata/l62009.mxy"));
    QVERIFY(!file.isNull());
    QVERIFY(w->ImgLogo->isVisible());
    QCOMPARE(w->ImgLogo->pictureName(), QStringLiteral("l62009"));
    QCOMPARE(w->ImgLogo->picture().toImage().convertToFormat(QImage::Format_ARGB32),
             file.convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(geo(w->ImgLogo), QRect(px(10200), px(8235), px(1740), px(345)));
}

void TstFrmMain::sizeRuleOnSmallScreens_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QRect>("window");
    QTest::addColumn<bool>("maximised");
    QTest::newRow("600 high") << QSize(800, 600) << QRect(0, 0, 800, 600) << true;
    QTest::newRow("exactly 650 high") << QSize(1024, 650) << QRect(0, 0, 1024, 650) << true;
    QTest::newRow("651 high") << QSize(1024, 651) << QRect(112, 26, 800, 600) << false;
}

void TstFrmMain::sizeRuleOnSmallScreens()
{
    QFETCH(QSize, screen);
    QFETCH(QRect, window);
    ts::SceneFixture fx;
    fx.writeUnit(0, {{record({{8, s("9999")}})}});
    const QString config = fx.programDir() + QStringLiteral("/screen.json");
    {
        QFile f(config);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral(R"({"screens":[{"name":"s","x":0,"y":0,"width":%1,"height":%2,"logicalDpi":96}]})")
                    .arg(screen.width())
                    .arg(screen.height())
                    .toUtf8());
    }
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
    p.setProcessEnvironment(env);
    p.start(ts::toolPath(QStringLiteral("examsim-probe")), {QStringLiteral("play"), fx.programDir(), QStringLiteral("0"), QStringLiteral("1")});
    QVERIFY(p.waitForStarted());
    p.write("window\n");
    p.closeWriteChannel();
    QVERIFY(p.waitForFinished(20000));
    const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput().trimmed()).object();
    QFETCH(bool, maximised);
    QCOMPARE(o["maximised"].toBool(), maximised);
    QCOMPARE(QRect(o["x"].toInt(), o["y"].toInt(), o["w"].toInt(), o["h"].toInt()), window);
}

QTEST_MAIN(TstFrmMain)
#include "tst_frmmain.moc"
