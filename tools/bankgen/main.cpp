// examsim-bankgen [--large] [--screenshots WxH] <program-folder>: writes the sample program
// folder; with --large, the largest bank the format allows (20 units of 99
// questions, 20 papers), made of the sample's questions and pictures; with
// --screenshots WxH (e.g. 1920x1080), the editor's screenshots are taken on
// a screen of that size, the window at its top-left corner.
// examsim-bankgen --learner <record-folder>: writes only a sample learner's
// records for the sample bank into that folder (learner.cpp).
#include "bankgen.h"
#include "toolargs.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace bankgen {
namespace {
struct Step {
    int order;
    const char *name;
    StepFn fn;
};
std::vector<Step> &steps()
{
    static std::vector<Step> s;
    return s;
}
} // namespace

Registrar::Registrar(int order, const char *name, StepFn fn) { steps().push_back({order, name, fn}); }

} // namespace bankgen

int main(int argc, char *argv[])
{
    static const QString usage = QStringLiteral(
        "usage: examsim-bankgen [--large] [--screenshots WxH] <program-folder>\n"
        "       examsim-bankgen --learner <record-folder>\n"
        "Writes the sample program folder: product information, data folder, bank and pictures.\n"
        "  --large            the largest bank the format allows, made of the sample's questions\n"
        "  --screenshots WxH  the editor's screenshots taken on a screen of that size (800x600 to 8192x8192)\n"
        "  --learner          only a sample learner's records, into that folder\n");
    if (const auto end = toolargs::screen(argc, argv, usage, {"--large", "--screenshots", "--learner"}))
        return *end;
    // Pictures are drawn with QPainter and fonts: a GUI application, offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    auto folderOf = [](const QString &arg) { return QDir::cleanPath(QDir(arg).absolutePath()); };
    if (args.size() == 2 && args[0] == QLatin1String("--learner"))
        return bankgen::writeLearner(folderOf(args[1]));
    bankgen::Context ctx;
    // The folder comes last; every argument before it is an option.
    bool usageError = args.isEmpty() || args.last().startsWith(u'-');
    for (qsizetype i = 0; i < args.size() - 1 && !usageError; ++i) {
        if (args[i] == QLatin1String("--large")) {
            ctx.large = true;
        } else if (args[i] == QLatin1String("--screenshots") && i + 1 < args.size() - 1) {
            const QStringList wh = args[++i].split(u'x');
            ctx.screenshotSize = QSize(wh.value(0).toInt(), wh.value(1).toInt());
            usageError = wh.size() != 2 || ctx.screenshotSize.width() < 800 || ctx.screenshotSize.height() < 600 ||
                         ctx.screenshotSize.width() > 8192 || ctx.screenshotSize.height() > 8192;
        } else {
            usageError = true;
        }
    }
    if (usageError) {
        std::fputs(usage.toLocal8Bit().constData(), stderr);
        return 2;
    }
    ctx.programDir = folderOf(args.last());
    ctx.dataDir = ctx.programDir + u'/' + bankgen::kDataFolder;
    for (const char *sub : {"", "/ksdata", "/examdata"})
        QDir().mkpath(ctx.programDir + QString::fromLatin1(sub));
    QDir().mkpath(ctx.dataDir);

    auto steps = bankgen::steps();
    std::stable_sort(steps.begin(), steps.end(), [](auto &a, auto &b) { return a.order < b.order; });
    for (const auto &s : steps) {
        const qsizetype before = ctx.errors.size();
        s.fn(ctx);
        if (ctx.errors.size() > before)
            std::fprintf(stderr, "bankgen: step \"%s\" failed\n", s.name);
    }
    for (const QString &e : ctx.errors)
        std::fprintf(stderr, "bankgen: %s\n", qPrintable(e));
    return ctx.errors.isEmpty() ? 0 : 1;
}
