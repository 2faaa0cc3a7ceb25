#pragma once
// Texts read from files and shown in labels and text boxes. A label lays out
// its whole text before it paints, so one line of megabytes in a damaged
// file would hold the window for seconds or minutes; no text the program
// shows from a file is longer than ShownTextLimit characters.

#include <QString>
#include <QStringView>

namespace fnd {

inline constexpr qsizetype ShownTextLimit = 2000;

inline QString shownText(QStringView text) { return text.left(ShownTextLimit).toString(); }

} // namespace fnd
