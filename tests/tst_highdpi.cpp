// High-DPI screens: the program keeps Qt's own scaling, so a window and its
// pictures scale as one. CTest runs this program on offscreen screens of
// 1024 x 768 logical pixels at device pixel ratios 1, 1.25 and 2
// (EXAMSIM_TEST_DPR names the ratio the screen was configured with): the
// layout keeps 15 twips a logical pixel, the simulated window's grab is its
// size times the ratio, a hot spot's picture shows at its place times the
// ratio, and a click on the screen pixel in the middle of that picture
// reaches the hot spot.
#include "scenefixture.h"
#include "windowdrive.h"

#include "foundation/globals.h"
#include "foundation/ui/display.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"

#include <QScreen>
#include <QtTest>
#include <cmath>

using ts::box;
using ts::record;

namespace {

double expectedRatio() { return qEnvironmentVariable("EXAMSIM_TEST_DPR", QStringLiteral("1")).toDouble(); }

// The smallest rectangle holding every pixel of exactly that colour.
QRect extentOf(const QImage &image, QRgb colour)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (colour & 0xFFFFFF))
                r |= QRect(x, y, 1, 1);
    }
    return r;
}

// A design rectangle in twips (15 a logical pixel) in device pixels. Edge
// pixels a fractional ratio cuts may go to either neighbour.
bool nearDevice(const QRect &found, QRectF twips, double ratio)
{
    const QRectF want(twips.x() / 15 * ratio, twips.y() / 15 * ratio, twips.width() / 15 * ratio,
                      twips.height() / 15 * ratio);
    return std::abs(found.left() - want.left()) <= 1 && std::abs(found.top() - want.top()) <= 1 &&
           std::abs(found.right() + 1 - want.right()) <= 1 && std::abs(found.bottom() + 1 - want.bottom()) <= 1;
}

QString describe(const QRect &r) { return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

} // namespace

class TstHighDpi : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void layoutScale();
    void hotSpotPictureTakesTheClick_data();
    void hotSpotPictureTakesTheClick();
};

void TstHighDpi::initTestCase()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    QVERIFY(screen);
    QCOMPARE(screen->devicePixelRatio(), expectedRatio());
    QCOMPARE(screen->geometry(), QRect(0, 0, 1024, 768));
}

void TstHighDpi::cleanup()
{
    ts::unloadRunWindows();
    fnd::resetGlobals();
}

// Qt scales the logical pixels: the screen reports 96 dots a logical inch,
// so the program's own scale stays 15 twips a pixel at every ratio.
void TstHighDpi::layoutScale()
{
    fnd::XBiLi = fnd::YBiLi = 0;
    fnd::setScaleFromScreen();
    QCOMPARE(fnd::XBiLi, 1.0);
    QCOMPARE(fnd::YBiLi, 1.0);
}

void TstHighDpi::hotSpotPictureTakesTheClick_data()
{
    QTest::addColumn<QString>("picture"); // the hot spot's picture, found on screen by its colour
    QTest::addColumn<int>("step");        // the step its click leads to
    // Picture area 2 of step 1 jumps to step 3 when clicked.
    QTest::newRow("picture with a jump") << QStringLiteral("p00002") << 3;
    // The main target lies over picture area 1: its click completes step 1.
    QTest::newRow("target over its picture") << QStringLiteral("p00001") << 2;
}

void TstHighDpi::hotSpotPictureTakesTheClick()
{
    QFETCH(QString, picture);
    QFETCH(int, step);
    const double ratio = expectedRatio();
    ts::SceneFixture fx;
    const QColor backColour(200, 200, 200), targetColour(0, 0, 255), jumpColour(255, 0, 255);
    fx.writePicture(QStringLiteral("b00001"), QSize(800, 600), backColour);
    fx.writePicture(QStringLiteral("p00001"), QSize(80, 20), targetColour);
    fx.writePicture(QStringLiteral("p00002"), QSize(75, 25), jumpColour);
    const QRect targetTwips(1500, 1200, 1200, 300), jumpTwips(4500, 3000, 75 * 15, 25 * 15);
    const QString step1 =
        record({{8, QStringLiteral("9001")},
                {12, QStringLiteral("b00001")},
                {18, ts::areaField(targetTwips.x(), targetTwips.y(), QStringLiteral("p00001"))},
                {34, ts::areaField(jumpTwips.x(), jumpTwips.y(), QStringLiteral("p00002"), u'3')},
                {66, box(targetTwips.x(), '0', targetTwips.y(), targetTwips.width(), targetTwips.height())}});
    const QString plain = record({{8, QStringLiteral("9001")}, {12, QStringLiteral("b00001")}});
    fx.writeUnit(0, {{step1, plain, plain}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = ts::shownWindow();
    ts::buildStep(1, 1);
    QCOMPARE(scene::StepNo, qint16(1));
    QCOMPARE(w.devicePixelRatioF(), ratio);

    // The window is one picture at the ratio: 800 x 600 logical pixels.
    const QImage shown = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(qRound(800 * ratio), qRound(600 * ratio)));

    const QRect found = extentOf(shown, (picture == u"p00001" ? targetColour : jumpColour).rgb());
    const QRect twips = picture == u"p00001" ? QRect(targetTwips.topLeft(), QSize(80 * 15, 20 * 15)) : jumpTwips;
    QVERIFY2(nearDevice(found, twips, ratio), qPrintable(describe(found)));

    // The click at the screen pixel in the picture's middle, as the window
    // system reports it: in logical pixels.
    const QPointF device = QRectF(found).center();
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, (device / ratio).toPoint());
    QCOMPARE(scene::StepNo, qint16(step));
}

QTEST_MAIN(TstHighDpi)
#include "tst_highdpi.moc"
