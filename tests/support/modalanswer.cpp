#include "modalanswer.h"

#include "foundation/ui/frmkvmsgbox.h"
#include "foundation/ui/kvelbutton.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

namespace ts {

void actWhenShown(std::function<QWidget *()> window, std::function<void(QWidget *)> act)
{
    auto *poll = new QTimer(QCoreApplication::instance());
    auto *clock = new QElapsedTimer;
    clock->start();
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, clock, window, act] {
        QWidget *w = window();
        const bool ready = w && w->isVisible();
        if (!ready && clock->elapsed() < 5000)
            return;
        poll->stop();
        poll->deleteLater();
        delete clock;
        if (ready)
            act(w);
    });
    poll->start();
}

void answerMessageBoxLater(int index, Qt::MouseButton button)
{
    whenShown<FrmKVMSGBOX>([index, button](FrmKVMSGBOX &box) { QTest::mouseClick(box.LblClick[index], button); });
}

} // namespace ts
