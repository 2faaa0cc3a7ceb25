#pragma once
// The platform's own message box (text, title, icon and buttons from a flags
// value). Used only where the program shows the system's box rather than its
// own picture box: the refusal of a second instance.
//
// Answering it without a user: when EXAMSIM_AUTOANSWER is set in the
// environment, the box is shown as usual, its title and text are written to
// standard error ("examsim message: <title>: <text>") and its default button
// is pressed right after it appears. Tests that start the real program as a
// process use this; tests inside one process press the real button instead.

#include <QString>

namespace plat {

// Flags as the platform's message box takes them: buttons in the low nibble
// (0 OK, 1 OK/Cancel, 4 Yes/No), icon 16 critical, 32 question, 48 warning,
// 64 information; 256 makes the second button the default. Returns the pressed button: 1 OK, 2 Cancel, 6 Yes, 7 No.
int MsgBox(const QString &prompt, int flags, const QString &title);

} // namespace plat
