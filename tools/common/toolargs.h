#pragma once
// The command line of a tool for tests and bank authors, looked at before
// the tool does anything: "--help" answers with its usage on standard output
// and exit status 0; an option it does not take (any argument beginning with
// "-") is refused with its usage on standard error and exit status 2. Either
// way the tool ends without writing a file or folder.

#include <QString>
#include <QStringList>
#include <cstdio>
#include <initializer_list>
#include <optional>

namespace toolargs {

// The exit status when the arguments end the tool, or nothing when it is to
// run. usage: the whole usage text, "usage: <tool> ..." first. options: the
// options the tool takes; one ending in "*" stands for every option that
// begins with the rest (Google Benchmark's "--benchmark_*").
inline std::optional<int> screen(const QStringList &args, const QString &usage,
                                 std::initializer_list<const char *> options = {})
{
    const QByteArray text = (usage.endsWith(u'\n') ? usage : usage + u'\n').toLocal8Bit();
    for (const QString &a : args)
        if (a == QLatin1String("--help")) {
            std::fputs(text.constData(), stdout);
            return 0;
        }
    for (const QString &a : args) {
        if (!a.startsWith(u'-'))
            continue;
        bool known = false;
        for (const char *o : options) {
            const QLatin1String option(o);
            known = known || (option.endsWith(u'*') ? a.startsWith(option.chopped(1)) : a == option);
        }
        if (!known) {
            std::fprintf(stderr, "unknown option %s\n", a.toLocal8Bit().constData());
            std::fputs(text.constData(), stderr);
            return 2;
        }
    }
    return std::nullopt;
}

// The same for the arguments of main, before any application object exists.
inline std::optional<int> screen(int argc, char **argv, const QString &usage,
                                 std::initializer_list<const char *> options = {})
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return screen(args, usage, options);
}

} // namespace toolargs
