#pragma once
// examsim-probe subcommands register themselves with PROBE_COMMAND.

#include <QStringList>

namespace probe {

// args: the words after the subcommand's name. Returns the exit code.
using CommandFn = int (*)(const QStringList &args);

struct Registrar {
    Registrar(const char *name, const char *usage, CommandFn fn);
};

// Prints one line to standard output and flushes it.
void out(const QString &line);
void err(const QString &line);

} // namespace probe

#define PROBE_CAT2(a, b) a##b
#define PROBE_CAT(a, b) PROBE_CAT2(a, b)
#define PROBE_COMMAND(name, usage, fn) \
    static const probe::Registrar PROBE_CAT(probeCommand_, __LINE__)(name, usage, fn)
