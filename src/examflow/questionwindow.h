#pragma once
// Finding the question window without loading it. Until the question window
// exists, the simulated window and the question labels reach it by name:
// any top-level window named "FrmTm" stands for it.

class QWidget;

namespace exam {

// The question window when it is loaded, else nullptr.
QWidget *questionWindow();

} // namespace exam
