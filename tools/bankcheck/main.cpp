// examsim-bankcheck <program-folder> [data-folder]: checks the question bank
// of a program folder and names every fault; exit status 1 on any fault.
#include "bankcheck.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: examsim-bankcheck <program-folder> [data-folder]\n");
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
