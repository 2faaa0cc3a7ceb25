#pragma once
// src/platform/ (layer 0, core library, namespace plat): our own small
// stand-ins for the platform services the program expects: the registry as
// an INI file, lock files, the OS version, standard pointers, keyboard
// layouts. Those that need widgets or the network (HTTP, the platform's
// message box, window order) are in platform/ui/.
//
// The install values the program records go to an INI file instead of a
// system registry: group = key path, key = value name. The file is
// <config>/examsim/registry.ini unless EXAMSIM_REGISTRY names another file.

#include <QString>
#include <QVariant>

namespace plat {

// Predefined root keys, kept as the numbers callers pass.
constexpr quint32 HKEY_CURRENT_USER = 0x80000001u;
constexpr quint32 HKEY_LOCAL_MACHINE = 0x80000002u;

constexpr int REG_SZ = 1;
constexpr int REG_EXPAND_SZ = 2;
constexpr int REG_BINARY = 3;
constexpr int REG_DWORD = 4;

constexpr long ERROR_SUCCESS = 0;
constexpr long ERROR_ACCESS_DENIED = 5;

// The INI file in use.
QString registryFile();
// The values' file is missing or a regular file: anything else in its place
// (a FIFO would block its reading for ever) is neither read nor written.
bool registryFileUsable();
// Tests redirect it; empty restores the default.
void overrideRegistryFile(const QString &path);

// Creates or opens the key for writing and stores one value. Returns 0 on
// success, a non-zero code when the file cannot be written.
long setRegistryValue(quint32 root, const QString &keyPath, const QString &name, const QVariant &value);

// Reads a value back (tests; the program never reads its own values).
QVariant registryValue(quint32 root, const QString &keyPath, const QString &name);

} // namespace plat
