#pragma once
// src/examflow/ (layer 5, UI library, namespace exam): the question window
// FrmTm with its picture window FrmPicture, and the exam flow.
//
// Shared values of the question window and the exam flow that other windows
// read. One home; tests reset it.

#include <QString>
#include <QtGlobal>

namespace exam {

// The keyboard layout chosen in the question window's input-method menu
// (0 until the candidate first chooses one). The typing boxes of the
// simulated window activate it when they take the focus, if automatic
// input-method switching is on.
inline quint32 CurHKL = 0;

// The mock exam's candidate values, set by its logon (empty until then).
inline QString CandSeat;
inline QString CandSession;
inline QString CandArchive;
inline QString CandIdCard;

// Back to a fresh run: CurHKL 0 and the candidate values empty.
void resetExamState();

} // namespace exam
