#pragma once
// Handing a target to the desktop: a folder opens in the file manager. The
// result is the desktop's word that it took the target; callers that open
// on a user's click may ignore it.
//
// When EXAMSIM_OPEN_LOG names a file, nothing is opened: each target is
// appended to that file as one UTF-8 line instead (tests and the probe read
// it back).

#include <QString>

namespace plat {

// Opens a local folder (an absolute path) with the desktop.
bool openFolder(const QString &path);

} // namespace plat
