#pragma once
// Lines of the step files and the answer-text file, kept per file and each
// decoded once, when first asked for: reading a step's record costs the same
// in a long file as in a short one. A file that changed on disk (time, size
// or identity) is read again. The files asked for lately are kept, older
// ones let go: every unit's practice has step files of its own.

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace scene {

// The file's decoded lines, or nullptr when it cannot be read.
std::shared_ptr<const QStringList> cachedLines(const QString &path);

// Line n (from 1); past the end (or below 1) the last line. nullopt when the
// file cannot be read or is empty.
std::optional<QString> cachedLineClamped(const QString &path, int n);

// Forgets every kept file.
void clearLineCache();

} // namespace scene
