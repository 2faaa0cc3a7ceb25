// examsim-probe <command> ...: drives the program's parts from the command line.
#include "probe.h"
#include "toolargs.h"

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

namespace {

// The usage: the subcommands, each with its own arguments.
QString usage()
{
    QString text = QStringLiteral("usage: examsim-probe <command> ...\n");
    for (const auto &[name, c] : probe::Commands<probe::CommandFn>::all())
        text += QStringLiteral("  %1 %2\n").arg(QString::fromStdString(name), QString::fromUtf8(c.usage));
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const auto end = toolargs::screen(argc, argv, usage()))
        return *end;
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
        std::fputs(usage().toUtf8().constData(), stderr);
        return 2;
    }
    return command->fn(args.mid(1));
}
