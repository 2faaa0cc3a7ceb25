// examsim-probe info <program-folder>: the product information the program
// reads from a program folder, as one JSON object. Writes nothing.
#include "probe.h"

#include "foundation/globals.h"
#include "foundation/productinfo.h"
#include "foundation/programfolder.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>

namespace {

int infoCommand(const QStringList &args)
{
    if (args.size() != 1) {
        probe::err(QStringLiteral("usage: examsim-probe info <program-folder>"));
        return 2;
    }
    if (!QDir(args.first()).exists()) {
        probe::err(QStringLiteral("no such folder: ") + args.first());
        return 1;
    }
    fnd::overrideProgramFolder(args.first());
    fnd::resetGlobals();
    fnd::loadInfo();

    QJsonArray table;
    for (const QString &e : fnd::InfoTable)
        table.append(e);
    QJsonArray units;
    for (int u = 0; u <= 20; ++u)
        units.append(fnd::UnitTable[u][1]);
    const QJsonObject o{{QStringLiteral("InfoTable"), table},
                        {QStringLiteral("ExamTitle"), fnd::ExamTitle},
                        {QStringLiteral("ModuleName"), fnd::ModuleName},
                        {QStringLiteral("DataPath"), fnd::DataPath},
                        {QStringLiteral("ModuleNo"), int(fnd::ModuleNo)},
                        {QStringLiteral("units"), units}};
    probe::outJson(o);
    return 0;
}

} // namespace

PROBE_COMMAND("info", "<program-folder>", infoCommand);
