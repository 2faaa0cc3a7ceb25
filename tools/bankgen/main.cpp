// examsim-bankgen [--large] [--screenshots WxH] <program-folder>: writes the sample program
// folder; with --large, the largest bank the format allows (20 units of 99
// questions, 20 papers), made of the sample's questions and pictures; with
// --screenshots WxH (e.g. 1920x1080), the editor's screenshots are taken on
// a screen of that size, the window at its top-left corner.
// examsim-bankgen --learner <record-folder>: writes only a sample learner's
// records for the sample bank into that folder (learner.cpp).
#include "bankgen.h"

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
    // Pictures are drawn with QPainter and fonts: a GUI application, offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--learner") == 0)
        return bankgen::writeLearner(QDir::cleanPath(QDir(QString::fromLocal8Bit(argv[2])).absolutePath()));
    bankgen::Context ctx;
    bool usage = argc < 2;
    for (int i = 1; i < argc - 1 && !usage; ++i) {
        if (qstrcmp(argv[i], "--large") == 0) {
            ctx.large = true;
        } else if (qstrcmp(argv[i], "--screenshots") == 0 && i + 1 < argc - 1) {
            const QStringList wh = QString::fromLatin1(argv[++i]).split(u'x');
            ctx.screenshotSize = QSize(wh.value(0).toInt(), wh.value(1).toInt());
            usage = wh.size() != 2 || ctx.screenshotSize.width() < 800 || ctx.screenshotSize.height() < 600 ||
                    ctx.screenshotSize.width() > 8192 || ctx.screenshotSize.height() > 8192;
        } else {
            usage = true;
        }
    }
    if (usage) {
        std::fprintf(stderr, "usage: examsim-bankgen [--large] [--screenshots WxH] <program-folder> | --learner <record-folder>\n");
        return 2;
    }
    ctx.programDir = QDir::cleanPath(QDir(QString::fromLocal8Bit(argv[argc - 1])).absolutePath());
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
