// examsim-probe <command> ...: drives the program's parts from the command line.
#include "probe.h"

#include <QApplication>
#include <QJsonDocument>
#include <cstdio>

namespace probe {

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

void outJson(const QJsonObject &object) { out(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact))); }

} // namespace probe

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    using Subcommands = probe::Commands<probe::CommandFn>;
    const Subcommands::Command *command = args.isEmpty() ? nullptr : Subcommands::find(args.first());
    if (!command) {
        probe::err(QStringLiteral("usage: examsim-probe <command> ..."));
        for (const auto &[name, c] : Subcommands::all())
            probe::err(QStringLiteral("  %1 %2").arg(QString::fromStdString(name), QString::fromUtf8(c.usage)));
        return 2;
    }
    return command->fn(args.mid(1));
}
