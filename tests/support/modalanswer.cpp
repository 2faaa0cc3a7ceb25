#include "modalanswer.h"

#include "foundation/ui/frmkvmsgbox.h"
#include "foundation/ui/kvelbutton.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

namespace ts {

void answerMessageBoxLater(int index, Qt::MouseButton button)
{
    auto *poll = new QTimer(QCoreApplication::instance());
    auto *clock = new QElapsedTimer;
    clock->start();
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, clock, index, button] {
        FrmKVMSGBOX *box = FrmKVMSGBOX::loaded();
        const bool ready = box && box->isVisible();
        if (!ready && clock->elapsed() < 5000)
            return;
        poll->stop();
        poll->deleteLater();
        delete clock;
        if (ready)
            QTest::mouseClick(box->LblClick[index], button);
    });
    poll->start();
}

} // namespace ts
