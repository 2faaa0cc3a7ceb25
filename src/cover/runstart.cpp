#include "cover/runstart.h"

#include "bank/bankfiles.h"
#include "cover/frmfengmian.h"
#include "examflow/frmlogon.h"
#include "examflow/frmtm.h"
#include "foundation/errreport.h"
#include "run/records.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/numparse.h"
#include "run/compose.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"

#include <algorithm>

namespace cover {

Prepared prepareRunFiles()
{
    run::nameRunFiles();
    run::TmNo = 1;
    scene::StepNo = 1;
    run::LeftMinutes = 50;
    // No set has more questions than the tables: lines past them are not read.
    const auto lines = fnd::readHeadLines(run::TmFile, run::MaxQuestions, -1);
    // The question window shows this line while it finds no line of its own.
    if (const auto last = run::lastScannedLine(lines ? lines->lines : QStringList()))
        run::TmLine = *last;
    if (!run::fillStepStart(lines ? lines->lines : QStringList()))
        return Prepared::Overflow;
    return lines ? Prepared::Ready : Prepared::Unreadable;
}

bool composeUnitPractice(int unit)
{
    if (unit < 0 || unit >= int(fnd::UnitTable.size()))
        return false;
    const auto &row = fnd::UnitTable[size_t(unit)];
    const int sum = std::clamp(int(fnd::leadingValue(row[2])), 0, run::MaxQuestions);
    if (sum == 0)
        return false;
    run::PaperType = bank::UnitSet;
    run::TaoNo = qint16(unit);
    run::TmSum = qint16(sum);
    for (int i = 1; i <= sum; ++i) {
        run::TmDone[size_t(i)] = row[4].mid(i - 1, 1);
        run::TmState[size_t(i)] = run::TmDone[size_t(i)] == u"T" ? 4 : 0;
        run::TmId[size_t(i)] = qint16(unit * 100 + i);
    }
    return true;
}

bool InitShiTi(const QString &btShuJu, int nBTTS)
{
    const bool ok = run::composeWorkFiles(btShuJu, nBTTS);
    if (!ok)
        fnd::trapError(QStringLiteral("initshiti"), 53, QStringLiteral("the set's working files could not be composed"));
    return ok;
}

bool prepareLianXi()
{
    // 1-4. Files, first question and step, clock, step starts. A set whose
    // steps lie past the line numbers the starts can hold is not started
    // (logged).
    switch (prepareRunFiles()) {
    case Prepared::Ready:
        break;
    case Prepared::Unreadable:
        fnd::trapError(QStringLiteral("startlianxi"), 53, QStringLiteral("File not found: ") + run::TmFile);
        break;
    case Prepared::Overflow:
        return false;
    }
    // 5. Marked bits over all 500 entries, by whole entries of the list.
    run::presetMarkedBits();
    return true;
}

void startLianXi()
{
    // 1-5; a set that cannot start leaves the cover as it is.
    if (!prepareLianXi())
        return;
    // 6. The cover goes (deleted once its click handler has returned).
    FrmFengmian::unload();
    // 7, 8. The exam's logon, or the practice windows.
    if (run::PaperType == 0 || run::PaperType == 8) {
        run::LeftMinutes = 50;
        FrmLogon::get().show();
        return;
    }
    showPracticeWindows();
}

void showPracticeWindows()
{
    FrmTm::get().TimerREDO->start();
    FrmTm::get().TimKsModel->start();
    FrmTm::get().show();
    FrmMain::get().show();
}

} // namespace cover
