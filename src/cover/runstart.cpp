#include "cover/runstart.h"

#include "bank/bankfiles.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "run/compose.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"

namespace run {

bool prepareRun()
{
    CommonDataFile = fnd::dataFile(bank::CommonDataFile);
    const bank::WorkFiles files = bank::workFiles(PaperType, TaoNo);
    StepFile = fnd::dataFile(files.step);
    TmFile = fnd::dataFile(files.tm);
    TmNo = 1;
    scene::StepNo = 1;
    LeftMinutes = 50;
    const auto lines = gbk::readLines(TmFile);
    fillStepStart(lines.value_or(QStringList()));
    return lines.has_value();
}

bool startUnitPractice(int unit)
{
    const auto lines = gbk::readLines(fnd::dataFile(bank::unitFiles(unit).tm));
    if (!lines)
        return false;
    int count = 0;
    while (count < lines->size() && count < MaxQuestions && !lines->at(count).trimmed().isEmpty())
        ++count;
    if (count == 0)
        return false;
    PaperType = bank::UnitSet;
    TaoNo = qint16(unit);
    RecNo = qint16(unit);
    TmSum = qint16(count);
    for (int i = 1; i <= count; ++i) {
        TmId[i] = qint16(unit * 100 + i);
        TmDone[i] = QStringLiteral("F");
        TmState[i] = 0;
    }
    AnswerMode = 2;
    return prepareRun();
}

} // namespace run
