#include "app/startup.h"

#include "cover/frmfengmian.h"
#include "foundation/errreport.h"
#include "foundation/globals.h"
#include "foundation/ui/display.h"
#include "foundation/ui/frmstart.h"
#include "foundation/ui/httptext.h"
#include "platform/ui/opener.h"
#include "run/runstate.h"

#include <QApplication>

namespace app {

void wire()
{
    // A report waits at most one second for the endpoint.
    fnd::setReportSender([](const QString &address) { fnd::getHtmlStr(address, 1); });
    fnd::setBankVersionSource([] { return run::BankVersion; });
    // A link that is not http or https is not opened; the run's log says so.
    plat::setRefusedLinkObserver([](const QString &target) {
        fnd::WriteLog(fnd::ErrLogFile, QStringLiteral("未打开的链接（只打开 http 和 https 链接）：") + target);
    });
    FrmStart::Wiring start;
    start.atLoad = [] {
        run::TaoNo = 0;
        run::YanShiRun = false;
    };
    start.handOver = [] { FrmFengmian::get().show(); };
    FrmStart::wire(start);
}

int run(QApplication &application)
{
    wire();
    fnd::installFontSubstitutions();
    // The load refuses a second instance (and ends the program there).
    FrmStart &start = FrmStart::get();
    fnd::centreOnScreen(&start);
    start.show();
    return application.exec();
}

} // namespace app
