// examsim-probe <command> ...: drives the program's parts from the command line.
#include "probe.h"

#include <QApplication>
#include <cstdio>
#include <map>
#include <string>

namespace probe {
namespace {
struct Command {
    const char *usage;
    CommandFn fn;
};
std::map<std::string, Command> &commands()
{
    static std::map<std::string, Command> c;
    return c;
}
} // namespace

Registrar::Registrar(const char *name, const char *usage, CommandFn fn) { commands()[name] = {usage, fn}; }

void out(const QString &line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void err(const QString &line)
{
    std::fputs(line.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

} // namespace probe

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    auto &cmds = probe::commands();
    const auto it = args.isEmpty() ? cmds.end() : cmds.find(args.first().toStdString());
    if (it == cmds.end()) {
        probe::err(QStringLiteral("usage: examsim-probe <command> ..."));
        for (const auto &[name, c] : cmds)
            probe::err(QStringLiteral("  %1 %2").arg(QString::fromStdString(name), QString::fromUtf8(c.usage)));
        return 2;
    }
    return it->second.fn(args.mid(1));
}
