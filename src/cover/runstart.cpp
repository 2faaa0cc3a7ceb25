#include "cover/runstart.h"

#include "bank/bankfiles.h"
#include "cover/frmfengmian.h"
#include "examflow/frmlogon.h"
#include "examflow/frmtm.h"
#include "foundation/errreport.h"
#include "run/records.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "run/compose.h"
#include "run/coverdata.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"

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

bool startUnitPractice(int unit)
{
    const auto head = fnd::readHeadLines(fnd::dataFile(bank::unitFiles(unit).tm), run::MaxQuestions, -1);
    if (!head)
        return false;
    const int count = run::questionCountOf(head->lines);
    if (count == 0)
        return false;
    run::PaperType = bank::UnitSet;
    run::TaoNo = qint16(unit);
    run::RecNo = qint16(unit);
    run::TmSum = qint16(count);
    // Questions the unit progress has done start completed, so that the
    // quit's rewrite of the progress keeps them.
    const QString progress = run::readUnitProgress().value(unit);
    for (int i = 1; i <= count; ++i) {
        const bool done = i <= progress.size() && progress.at(i - 1) == u'T';
        run::TmId[i] = qint16(unit * 100 + i);
        run::TmDone[i] = done ? QStringLiteral("T") : QStringLiteral("F");
        run::TmState[i] = done ? 4 : 0;
    }
    run::UnitCount = run::paperCounts(fnd::readLines(fnd::dataFile(bank::PaperListFile)).value_or(QStringList())).units;
    run::AnswerMode = 2;
    return prepareRun();
}

bool InitShiTi(const QString &btShuJu, int nBTTS)
{
    const bool ok = run::composeWorkFiles(btShuJu, nBTTS);
    if (!ok)
        fnd::trapError(QStringLiteral("initshiti"), 53, QStringLiteral("the set's working files could not be composed"));
    return ok;
}

void startLianXi()
{
    // 1-4. Files, first question and step, clock, step starts. A set whose
    // steps lie past the line numbers the starts can hold is not started
    // (logged): the cover stays.
    switch (prepareRunFiles()) {
    case Prepared::Ready:
        break;
    case Prepared::Unreadable:
        fnd::trapError(QStringLiteral("startlianxi"), 53, QStringLiteral("File not found: ") + run::TmFile);
        break;
    case Prepared::Overflow:
        return;
    }
    // 5. Marked bits over all 500 entries, by whole entries of the list.
    run::presetMarkedBits();
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
