// examsim-probe <command> ...: drives the program's parts from the command line.
#include "probe.h"

#include <QApplication>
#include <QJsonDocument>
#include <QTemporaryFile>
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
    // Without a platform named, the probe runs offscreen on a 1024 x 768
    // screen at 96 dpi, the screen the window's size rule is written for
    // (the offscreen default is 800 x 800). The platform reads the file while
    // the application starts.
    QTemporaryFile screens;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        QByteArray platform("offscreen");
        if (screens.open()
            && screens.write(R"({"screens":[{"name":"probe","x":0,"y":0,"width":1024,"height":768,"logicalDpi":96}]})")
                   > 0
            && screens.flush())
            platform += ":configfile=" + QFile::encodeName(screens.fileName());
        qputenv("QT_QPA_PLATFORM", platform);
    }
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
