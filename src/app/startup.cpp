#include "app/startup.h"

#include "cover/frmfengmian.h"
#include "foundation/errreport.h"
#include "foundation/globals.h"
#include "foundation/ui/display.h"
#include "foundation/ui/frmkvmsgbox.h"
#include "foundation/ui/frmstart.h"
#include "foundation/ui/httptext.h"
#include "platform/ui/opener.h"
#include "run/records.h"
#include "run/runstate.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <memory>
#include <utility>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace app {

namespace {

// Shown once the action that failed has ended (a box it opens itself comes
// first), over whatever window is up then.
void tellRecordsUnsaved(const QString &folder)
{
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(100, qApp, [folder] { tellRecordsUnsaved(folder); });
        return;
    }
    FrmKVMSGBOX::ask(fnd::AppTitle, QStringLiteral("l20072"),
                     QStringLiteral("学习记录无法保存，请检查文件夹\r\n%1\r\n是否可写。").arg(QDir::toNativeSeparators(folder)));
}

} // namespace

bool prepareProcess()
{
#if defined(__GLIBC__)
    // Pictures are blocks of 0.1 to 8 MB that come and go at every scene
    // and every return to the cover. Once such a block is freed the C
    // library raises its threshold for giving a block a mapping of its own
    // and serves the later ones from its heaps (the main one and the
    // decoding thread's), which keep what they are given back: a day of
    // practice grew unit by unit. Fixed thresholds keep every block above
    // them a mapping of its own, returned to the system when freed, and the
    // heap's free top handed back too.
    const bool mapped = mallopt(M_MMAP_THRESHOLD, 128 * 1024) == 1;
    return mallopt(M_TRIM_THRESHOLD, 128 * 1024) == 1 && mapped;
#else
    return false;
#endif
}

void wire()
{
    // A report waits at most one second for the endpoint.
    fnd::setReportSender([](const QString &address) { fnd::getHtmlStr(address, 1); });
    fnd::setBankVersionSource([] { return run::BankVersion; });
    // A link that is not http or https is not opened; the run's log says so.
    plat::setRefusedLinkObserver([](const QString &target) {
        fnd::WriteLog(fnd::ErrLogFile, QStringLiteral("未打开的链接（只打开 http 和 https 链接）：") + target);
    });
    // A record that could not be saved is said once a run; the others are
    // logged only.
    run::setUnsavedRecordObserver([told = std::make_shared<bool>(false)](const QString &folder) {
        if (std::exchange(*told, true))
            return;
        QTimer::singleShot(0, qApp, [folder] { tellRecordsUnsaved(folder); });
    });
    FrmStart::Wiring start;
    // The splash's 100 ms pass while a worker decodes the cover's pictures.
    start.picturesToCome = [] { return FrmFengmian::picturesAhead(); };
    start.atLoad = [] {
        run::TaoNo = 0;
        run::YanShiRun = false;
    };
    start.whileWaiting = [] { FrmFengmian::build(); };
    start.handOver = [] { FrmFengmian::get().show(); };
    FrmStart::wire(start);
}

int run(QApplication &application)
{
    wire();
    // The load refuses a second instance (and ends the program there).
    FrmStart &start = FrmStart::get();
    fnd::centreOnScreen(&start);
    start.show();
    return application.exec();
}

} // namespace app
