#pragma once
// Product information: the information table, the values derived from it,
// the first-run flag and the install record.

#include <QString>

namespace fnd {

// Fills InfoTable from the built-in defaults, "ver.txt" and the data folder's
// "288901", derives ExamTitle, ModuleName, DataPath, ModuleNo and the unit
// names, and on the first run writes the install record.
void readInfo();

} // namespace fnd
