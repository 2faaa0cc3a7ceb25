#pragma once
// Product information: the information table, the values derived from it,
// the first-run flag and the install record.

#include <QString>
#include <QVariant>

namespace fnd {

// Fills InfoTable from the built-in defaults, "ver.txt" and the data folder's
// "288901", derives ExamTitle, ModuleName, DataPath, ModuleNo and the unit
// names, and on the first run writes the install record. Failures are
// reported under "readInfo" (at most one per file and kind) and reading goes
// on.
void readInfo();

// readInfo without the first-run step: reads and derives, writes nothing
// (tools that only look at a program folder).
void loadInfo();

// The first-run step: when the data folder's "288892" begins with the line
// "0" exactly, writes the two install values and rewrites the flag to "1".
void recordFirstRun();

// Writes one registry value: root key, key path, value name, type (1 REG_SZ,
// 2 REG_EXPAND_SZ, 3 REG_BINARY, 4 REG_DWORD), data (text for 1 and 2, a
// 32-bit integer for 3 and 4; for 3 and 4 it becomes the integer written) and
// length (set to the byte count written for 1, 2 and 4; for 3 the number of
// low bytes to write, 1 to 4). Returns 0 on success.
long SetRegValue(quint32 root, const QString &keyPath, const QString &valueName, qint32 type, QVariant &data,
                 qint32 &length);

} // namespace fnd
