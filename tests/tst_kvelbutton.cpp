// The picture button: frames from its strip, the 100 ms hover poll, Click on
// every release that follows a press, and the caption's place.
#include "foundation/globals.h"
#include "foundation/numparse.h"
#include "foundation/ui/kvelbutton.h"

#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {
const QColor FrameColours[4] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), QColor(128, 128, 128)};

// A 360 x 30 strip: four solid frames of 90 x 30.
QPixmap colourStrip()
{
    QPixmap pm(360, 30);
    QPainter p(&pm);
    for (int f = 0; f < 4; ++f)
        p.fillRect(f * 90, 0, 90, 30, FrameColours[f]);
    return pm;
}

// The colour the button shows at a point away from its caption.
QColor shown(kvelButton *b)
{
    const QImage img = b->grab().toImage();
    return img.pixelColor(2, 2);
}
} // namespace

class TstKvelButton : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void framesFromTheStrip();
    void hoverFrameLeavesWithinAPoll();
    void enabledWrittenShowsNormalFrame_data();
    void enabledWrittenShowsNormalFrame();
    void frameFollowsOwnEnabledNotParents();
    void clickOnReleaseOfAnyButton_data();
    void clickOnReleaseOfAnyButton();
    void pressDraggedOffStillClicks();
    void clickHandlerMayDisable();
    void disabledSoonAfterCreationKeepsDisabledFrame();
    void captionCentredAndPressedOffset();
    void wideCaptionCutOnBothSides();
    void fontChangeWaitsForNextCentring();
    void windowOverButtonIsNotHover();
    void pointerShapes();

private:
    QWidget *host = nullptr;
    kvelButton *button = nullptr;
};

void TstKvelButton::init()
{
    fnd::resetGlobals();
    host = new QWidget;
    host->resize(300, 200);
    button = new kvelButton(host);
    button->setObjectName("Cmd_1");
    button->setGeometry(50, 50, 90, 30);
    button->setPicture(colourStrip());
    host->show();
    QVERIFY(QTest::qWaitForWindowExposed(host));
    // Park the pointer away from the button.
    QTest::mouseMove(host, QPoint(250, 180));
}

void TstKvelButton::cleanup()
{
    delete host;
    host = nullptr;
}

void TstKvelButton::framesFromTheStrip()
{
    QCOMPARE(shown(button), FrameColours[0]);
    QTest::mouseMove(button, QPoint(45, 15));
    QCOMPARE(button->frame(), kvelButton::Hover);
    QCOMPARE(shown(button), FrameColours[1]);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(45, 15));
    QCOMPARE(shown(button), FrameColours[2]);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(45, 15));
    QCOMPARE(shown(button), FrameColours[0]);
    button->setEnabled(false);
    QCOMPARE(shown(button), FrameColours[3]);
    // Enabled again shows the normal frame, whatever came before.
    button->setEnabled(true);
    QCOMPARE(shown(button), FrameColours[0]);
    // A new strip keeps the frame on show and the button's size.
    button->setEnabled(false);
    QPixmap other = colourStrip();
    other.fill(Qt::yellow);
    button->setPicture(other);
    QCOMPARE(button->frame(), kvelButton::Disabled);
    QCOMPARE(button->size(), QSize(90, 30));
}

void TstKvelButton::hoverFrameLeavesWithinAPoll()
{
    QTest::mouseMove(button, QPoint(10, 10));
    QCOMPARE(button->frame(), kvelButton::Hover);
    QVERIFY(button->Timer1->isActive());
    // Resting on the button keeps hover and the poll going.
    QTest::qWait(250);
    QCOMPARE(button->frame(), kvelButton::Hover);
    QVERIFY(button->Timer1->isActive());
    QTest::mouseMove(host, QPoint(250, 180));
    QTRY_COMPARE(button->frame(), kvelButton::Normal);
    QTRY_VERIFY(!button->Timer1->isActive());
}

void TstKvelButton::enabledWrittenShowsNormalFrame_data()
{
    QTest::addColumn<bool>("press");
    QTest::newRow("hover") << false;
    QTest::newRow("pressed") << true;
}

void TstKvelButton::enabledWrittenShowsNormalFrame()
{
    // Enabled written True on a button that is already enabled: the normal
    // frame, until the next pointer move.
    QFETCH(bool, press);
    QTest::mouseMove(button, QPoint(45, 15));
    if (press)
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(45, 15));
    QCOMPARE(button->frame(), press ? kvelButton::Pressed : kvelButton::Hover);
    button->setEnabled(true);
    QCOMPARE(button->frame(), kvelButton::Normal);
    QCOMPARE(shown(button), FrameColours[0]);
    QTest::mouseMove(button, QPoint(40, 15));
    QCOMPARE(button->frame(), kvelButton::Hover);
    if (press)
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(40, 15));
}

void TstKvelButton::frameFollowsOwnEnabledNotParents()
{
    // A disabled window takes no clicks, but its buttons keep their frames.
    host->setEnabled(false);
    QCOMPARE(button->frame(), kvelButton::Normal);
    host->setEnabled(true);
    QCOMPARE(button->frame(), kvelButton::Normal);
    // A button disabled itself keeps the disabled frame through its window's
    // changes, and shows the normal one when enabled again.
    button->setEnabled(false);
    host->setEnabled(false);
    host->setEnabled(true);
    QCOMPARE(button->frame(), kvelButton::Disabled);
    host->setEnabled(false);
    button->setEnabled(true);
    QCOMPARE(button->frame(), kvelButton::Normal);
    host->setEnabled(true);
    QCOMPARE(button->frame(), kvelButton::Normal);
}

void TstKvelButton::clickOnReleaseOfAnyButton_data()
{
    QTest::addColumn<Qt::MouseButton>("mouseButton");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TstKvelButton::clickOnReleaseOfAnyButton()
{
    QFETCH(Qt::MouseButton, mouseButton);
    QSignalSpy clicks(button, &kvelButton::Click);
    QTest::mousePress(button, mouseButton, {}, QPoint(20, 10));
    QCOMPARE(button->frame(), kvelButton::Pressed);
    QCOMPARE(clicks.count(), 0);
    QTest::mouseRelease(button, mouseButton, {}, QPoint(20, 10));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(button->frame(), kvelButton::Normal);
    QVERIFY(!button->Timer1->isActive());
}

void TstKvelButton::pressDraggedOffStillClicks()
{
    // Through the window, as the window system delivers them: the press grabs
    // the pointer for the button until the release.
    QWindow *win = host->windowHandle();
    QSignalSpy clicks(button, &kvelButton::Click);
    QTest::mousePress(win, Qt::LeftButton, {}, QPoint(70, 60));
    QCOMPARE(button->frame(), kvelButton::Pressed);
    // Dragged off with the button held: the next poll tick brings back normal.
    QTest::mouseMove(win, QPoint(250, 180));
    QCOMPARE(QCursor::pos(), host->mapToGlobal(QPoint(250, 180)));
    QTRY_COMPARE(button->frame(), kvelButton::Normal);
    // Further moves, still held, show hover again until the next tick.
    QTest::mouseMove(win, QPoint(240, 170));
    QCOMPARE(button->frame(), kvelButton::Hover);
    QTRY_COMPARE(button->frame(), kvelButton::Normal);
    QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(240, 170));
    QCOMPARE(clicks.count(), 1);
}

void TstKvelButton::clickHandlerMayDisable()
{
    connect(button, &kvelButton::Click, button, [this] { button->setEnabled(false); });
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(button->frame(), kvelButton::Disabled);
    QCOMPARE(shown(button), FrameColours[3]);
}

void TstKvelButton::disabledSoonAfterCreationKeepsDisabledFrame()
{
    auto *b = new kvelButton(host);
    b->setGeometry(150, 50, 90, 30);
    b->setPicture(colourStrip());
    b->setEnabled(false);
    b->show();
    QVERIFY(b->Timer1->isActive());
    QTRY_VERIFY(!b->Timer1->isActive());
    QCOMPARE(b->frame(), kvelButton::Disabled);
}

void TstKvelButton::captionCentredAndPressedOffset()
{
    button->setCaption("确定");
    QLabel *cap = button->LblCaption;
    // Half the free room, cut to whole pixels toward zero.
    const int freeX = 90 - cap->width(), freeY = 30 - cap->height();
    const QPoint centred(freeX / 2, freeY / 2);
    QCOMPARE(cap->pos(), centred);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(cap->pos(), centred + QPoint(1, 1));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(cap->pos(), centred);
    // The caption never takes the mouse from the button.
    QSignalSpy clicks(button, &kvelButton::Click);
    QTest::mouseClick(button, Qt::RightButton, {}, cap->geometry().center());
    QCOMPARE(clicks.count(), 1);
}

void TstKvelButton::wideCaptionCutOnBothSides()
{
    button->resize(20, 30);
    button->setCaption("一段比按钮宽得多的标题");
    QLabel *cap = button->LblCaption;
    const int free = 20 - cap->width();
    QVERIFY(free < 0);
    // Rounded half-even in twips, then cut toward zero: both ends lose about
    // the same, never more on the left than half the excess.
    const long long d = fnd::roundHalfEven(free * 15 / 2.0);
    QCOMPARE(cap->x(), int(d / 15));
    QVERIFY(cap->x() <= 0 && cap->x() >= free / 2);
}

void TstKvelButton::fontChangeWaitsForNextCentring()
{
    button->setFontSize(9);
    button->setCaption("取消");
    const QPoint before = button->LblCaption->pos();
    button->setFontSize(20);
    QCOMPARE(button->LblCaption->pos(), before);
    QVERIFY(button->LblCaption->height() > 20);
    button->resize(90, 40);
    QCOMPARE(button->LblCaption->x(), (90 - button->LblCaption->width()) / 2);
    QVERIFY(button->LblCaption->pos() != before);
}

void TstKvelButton::windowOverButtonIsNotHover()
{
    auto *cover = new QWidget(host);
    cover->setGeometry(40, 40, 60, 50); // over the button's left part
    cover->show();
    QTest::mouseMove(host, QPoint(120, 65));
    QVERIFY(button->IsMouseOver());
    QTest::mouseMove(host, QPoint(60, 65));
    QVERIFY(!button->IsMouseOver());
    button->setEnabled(false);
    QTest::mouseMove(host, QPoint(120, 65));
    QVERIFY(!button->IsMouseOver());
}

void TstKvelButton::pointerShapes()
{
    QCOMPARE(button->cursor().shape(), Qt::ArrowCursor);
    button->setMousePointer(11);
    QCOMPARE(button->cursor().shape(), Qt::WaitCursor);
    QPixmap icon(16, 16);
    icon.fill(Qt::black);
    button->setMouseIcon(QCursor(icon, 3, 4));
    button->setMousePointer(99);
    QCOMPARE(button->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(button->cursor().hotSpot(), QPoint(3, 4));
    button->setMousePointer(0);
    QVERIFY(!button->testAttribute(Qt::WA_SetCursor));
}

QTEST_MAIN(TstKvelButton)
#include "tst_kvelbutton.moc"
