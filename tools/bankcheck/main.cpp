// examsim-bankcheck <program-folder> [data-folder]: checks the question bank
// of a program folder and names every fault; exit status 1 on any fault.
#include "bankcheck.h"
#include "toolargs.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    static const QString usage = QStringLiteral(
        "usage: examsim-bankcheck <program-folder> [data-folder]\n"
        "Checks the question bank of a program folder and names every fault with its place;\n"
        "exit status 1 on any fault.\n");
    if (const auto end = toolargs::screen(argc, argv, usage))
        return *end;
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fputs(usage.toLocal8Bit().constData(), stderr);
        return 2;
    }
    const QList<bankcheck::Fault> faults = bankcheck::checkProgramFolder(args[1], args.value(2));
    for (const bankcheck::Fault &f : faults)
        std::printf("%s\n", f.text().toUtf8().constData());
    if (faults.isEmpty()) {
        std::printf("bank of %s: no faults\n", qPrintable(args[1]));
        return 0;
    }
    std::printf("%lld fault(s)\n", static_cast<long long>(faults.size()));
    return 1;
}
