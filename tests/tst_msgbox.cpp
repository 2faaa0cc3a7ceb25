// The message box: its answer in MsgResult, its layout from the data folder's
// pictures, its drag strip, and a fresh box at every showing.
#include "foundation/globals.h"
#include "foundation/productinfo.h"
#include "foundation/ui/frmkvmsgbox.h"
#include "foundation/ui/kvelbutton.h"
#include "modalanswer.h"
#include "testsupport.h"

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QtTest>

class TstMsgBox : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void answer_data();
    void answer();
    void pressDraggedOffConfirms();
    void earlierConfirmationNotReadAgain();
    void windowCloseLeavesResultZero();
    void keysAnswerNothing();
    void layout();
    void secondShowingStartsFresh();
    void opensWithoutPictures();
    void dragStripMovesWithLeftButtonOnly();

private:
    std::unique_ptr<ts::ProgramCopy> copy;
};

void TstMsgBox::init()
{
    fnd::resetGlobals();
    copy = std::make_unique<ts::ProgramCopy>();
    QVERIFY(copy->isValid());
    fnd::loadInfo();
    QVERIFY(QFile::exists(fnd::dataFile("l20069")));
}

void TstMsgBox::cleanup()
{
    FrmKVMSGBOX::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    copy.reset();
}

void TstMsgBox::answer_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<Qt::MouseButton>("mouseButton");
    QTest::addColumn<int>("result");
    QTest::newRow("confirm") << 1 << Qt::LeftButton << 1;
    QTest::newRow("confirm, right button") << 1 << Qt::RightButton << 1;
    QTest::newRow("dismiss") << 0 << Qt::LeftButton << 0;
    QTest::newRow("close") << 3 << Qt::LeftButton << 0;
}

void TstMsgBox::answer()
{
    QFETCH(int, index);
    QFETCH(Qt::MouseButton, mouseButton);
    QFETCH(int, result);
    ts::answerMessageBoxLater(index, mouseButton);
    QCOMPARE(int(FrmKVMSGBOX::ask("提示", "l20071", "你要清除全部题目吗？")), result);
    QCOMPARE(int(fnd::MsgResult), result);
    // Closing destroyed the box.
    QVERIFY(!FrmKVMSGBOX::loaded() || !FrmKVMSGBOX::loaded()->isVisible());
}

void TstMsgBox::pressDraggedOffConfirms()
{
    QTimer::singleShot(0, [] {
        FrmKVMSGBOX *box = FrmKVMSGBOX::loaded();
        QWindow *win = box->windowHandle();
        const QPoint on = box->LblClick[1]->geometry().center();
        QTest::mousePress(win, Qt::LeftButton, {}, on);
        QTest::mouseMove(win, QPoint(10, 120));
        QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(10, 120));
    });
    QCOMPARE(int(FrmKVMSGBOX::ask("提示", "l20071", "继续吗？")), 1);
}

void TstMsgBox::earlierConfirmationNotReadAgain()
{
    // A caller that forgets to clear the answer of an earlier box still reads
    // 0 when this one is dismissed.
    fnd::MsgResult = 1;
    FrmKVMSGBOX::get().LblTitle->setText("提示");
    ts::answerMessageBoxLater(0);
    QCOMPARE(int(FrmKVMSGBOX::showModal()), 0);
}

void TstMsgBox::windowCloseLeavesResultZero()
{
    QTimer::singleShot(0, [] { FrmKVMSGBOX::loaded()->close(); });
    QCOMPARE(int(FrmKVMSGBOX::ask("提示", "l20072", "已完成。")), 0);
    QVERIFY(!FrmKVMSGBOX::loaded());
}

// The box has no keys of its own: Return, Enter, Space and Escape neither
// confirm nor close it; its buttons still do.
void TstMsgBox::keysAnswerNothing()
{
    bool open = false;
    ts::whenShown<FrmKVMSGBOX>([&open](FrmKVMSGBOX &box) {
        const QPointer<FrmKVMSGBOX> up(&box);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape})
            if (up && up->isVisible())
                QTest::keyClick(up->windowHandle(), key);
        open = up && up->isVisible() && fnd::MsgResult == 0;
        if (open)
            QTest::mouseClick(box.LblClick[0], Qt::LeftButton, {}, box.LblClick[0]->rect().center());
    });
    QCOMPARE(int(FrmKVMSGBOX::ask("提示", "l20071", "继续吗？")), 0);
    QVERIFY(open);
}

void TstMsgBox::layout()
{
    FrmKVMSGBOX &box = FrmKVMSGBOX::get();
    box.setIcon("l20071");
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.size(), QSize(370, 250));
    QVERIFY(box.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(box.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(box.windowModality(), Qt::ApplicationModal);
    QCOMPARE(box.windowTitle(), fnd::InfoTable[0] + fnd::InfoTable[9] + "——" + fnd::ExamTitle + "模块");
    QCOMPARE(box.pos(), QPoint((1024 - 370) / 2, (768 - 250) / 2));
    QCOMPARE(box.ImgLogo1->pos(), QPoint(8, 6));
    QVERIFY(!box.ImgLogo1->pixmap().isNull());
    QCOMPARE(box.LblTitle->pos(), QPoint(40, 12));
    QCOMPARE(box.LblPrompt->geometry(), QRect(80, 48, 272, 128));
    QCOMPARE(box.Image1->pos(), QPoint(16, 46));
    QVERIFY(!box.Image1->pixmap().isNull());
    QCOMPARE(box.lblMove->geometry(), QRect(0, 0, 300, 36));
    QCOMPARE(box.LblClick[1]->geometry(), QRect(164, 192, 90, 30));
    QCOMPARE(box.LblClick[0]->geometry(), QRect(264, 192, 90, 30));
    QCOMPARE(box.LblClick[3]->geometry(), QRect(342, 6, 22, 22));
    QCOMPARE(box.LblClick[2]->geometry(), QRect(304, 8, 22, 22));
    QVERIFY(box.LblClick[1]->isVisible() && box.LblClick[0]->isVisible() && box.LblClick[3]->isVisible());
    QVERIFY(!box.LblClick[2]->isVisible());
    for (int i = 0; i < 4; ++i)
        QCOMPARE(box.LblClick[i]->picture().width(), 4 * box.LblClick[i]->width());
    QCOMPARE(box.LblTitle->font().pointSizeF(), 10.0);
    // The title bar's text is white on the painted bar.
    QCOMPARE(box.LblTitle->palette().color(QPalette::WindowText), QColor(Qt::white));
    // The object names are the control names.
    QCOMPARE(box.findChild<kvelButton *>("LblClick_3"), box.LblClick[3]);
}

void TstMsgBox::secondShowingStartsFresh()
{
    ts::answerMessageBoxLater(0);
    FrmKVMSGBOX::ask("清除", "l20071", "你要清除标记吗？");
    FrmKVMSGBOX &box = FrmKVMSGBOX::get();
    QCOMPARE(box.LblTitle->text(), QString("Velkor提示信息"));
    QCOMPARE(box.LblPrompt->text(), QString("你要清除全部题目吗？"));
    QVERIFY(box.Image1->pixmap().isNull());
}

void TstMsgBox::opensWithoutPictures()
{
    for (const char *name : {"l20069", "l20067", "l62011", "l20071", "l20000", "l20001", "l20002", "l20003"})
        QVERIFY(QFile::remove(fnd::dataFile(name)));
    ts::answerMessageBoxLater(1);
    QCOMPARE(int(FrmKVMSGBOX::ask("提示", "l20071", "继续吗？")), 1);
}

void TstMsgBox::dragStripMovesWithLeftButtonOnly()
{
    FrmKVMSGBOX &box = FrmKVMSGBOX::get();
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QWindow *win = box.windowHandle();
    const QPoint start = box.pos();

    QTest::mousePress(win, Qt::RightButton, {}, QPoint(100, 20));
    QTest::mouseMove(win, QPoint(140, 50));
    QTest::mouseRelease(win, Qt::RightButton, {}, QPoint(140, 50));
    QCOMPARE(box.pos(), start);

    QTest::mousePress(win, Qt::LeftButton, {}, QPoint(100, 20));
    QTest::mouseMove(win, QPoint(130, 40));
    QTRY_COMPARE(box.pos(), start + QPoint(30, 20));
    // The pointer has not moved since: in the moved window it is back over
    // the point that was pressed.
    QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(100, 20));
    QCOMPARE(box.pos(), start + QPoint(30, 20));
    // Below the strip the box's body does not drag.
    QTest::mousePress(win, Qt::LeftButton, {}, QPoint(100, 120));
    QTest::mouseMove(win, QPoint(150, 150));
    QTest::mouseRelease(win, Qt::LeftButton, {}, QPoint(150, 150));
    QCOMPARE(box.pos(), start + QPoint(30, 20));
}

QTEST_MAIN(TstMsgBox)
#include "tst_msgbox.moc"
