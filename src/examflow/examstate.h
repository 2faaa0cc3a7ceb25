#pragma once
// src/examflow/ (layer 5, UI library, namespace exam): the question window
// and the exam flow. For now: their shared values (this header) and the
// question window's stand-ins (question loader, question labels, finding
// the question window), which the real window will replace.
//
// Shared values of the question window and the exam flow that other windows
// read. One home; tests reset it.

#include <QtGlobal>

namespace exam {

// The keyboard layout chosen in the question window's input-method menu
// (0 until the candidate first chooses one). The typing boxes of the
// simulated window activate it when they take the focus, if automatic
// input-method switching is on.
inline quint32 CurHKL = 0;

// Back to a fresh run: CurHKL 0 and the question labels' kept captions empty.
void resetExamState();

} // namespace exam
