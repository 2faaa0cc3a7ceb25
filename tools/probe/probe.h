#pragma once
// examsim-probe subcommands register themselves with PROBE_COMMAND.

#include <QJsonObject>
#include <QStringList>
#include <map>
#include <string>

namespace probe {

// A table of named commands with their usage texts, filled by static
// registrars before main() runs. The subcommands keep one, and so do the
// commands of `play` (see play.h).
template <class Fn>
class Commands
{
public:
    struct Command {
        const char *usage;
        Fn fn;
    };
    struct Registrar {
        Registrar(const char *name, const char *usage, Fn fn) { table()[name] = {usage, fn}; }
    };

    // Every command, by name.
    static const std::map<std::string, Command> &all() { return table(); }
    // The command of that name, or nullptr.
    static const Command *find(const QString &name)
    {
        const auto it = table().find(name.toStdString());
        return it == table().end() ? nullptr : &it->second;
    }

private:
    static std::map<std::string, Command> &table()
    {
        static std::map<std::string, Command> t;
        return t;
    }
};

// args: the words after the subcommand's name. Returns the exit code.
using CommandFn = int (*)(const QStringList &args);
using Registrar = Commands<CommandFn>::Registrar;

// Prints one line to standard output and flushes it.
void out(const QString &line);
void err(const QString &line);
// Prints an object as one line of compact JSON.
void outJson(const QJsonObject &object);

} // namespace probe

#define PROBE_CAT2(a, b) a##b
#define PROBE_CAT(a, b) PROBE_CAT2(a, b)
#define PROBE_COMMAND(name, usage, fn) \
    static const probe::Registrar PROBE_CAT(probeCommand_, __LINE__)(name, usage, fn)
