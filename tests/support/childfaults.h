#pragma once
// Faults a child process meets for real, without root: set up in the child
// between its fork and the start of its program (a QProcess child process
// modifier), so that they hold for that program alone.

#include <QtGlobal>
#include <functional>

namespace ts {

// Writes that take a file past `bytes` fail (EFBIG), as on a full disk: the
// file-size limit, with SIGXFSZ ignored so that the write returns its error
// instead of ending the program.
std::function<void()> fileSizeLimit(qint64 bytes);

// A folder's permissions hold for the child even when the tests run as
// root: the child starts without the capabilities that pass over them.
std::function<void()> permissionsHold();

} // namespace ts
