#pragma once
// What the question window does to the simulated window when it loads
// question TmNo: the scene the question was left in goes back on FrmMain, the
// step becomes the question's resume step, and FrmMain's Timer2 builds the
// scene after the current event. Tests and tools drive runs with it until the
// question window takes over.

namespace exam {

// The question window's load: every question resumes at step 1, then the
// current question is loaded.
void openRun();

// Loads question TmNo onto FrmMain (pictures from TmPics, StepNo from TmStep,
// the visited bit, practice mode unless in an exam, Timer2 armed) and shows
// FrmMain in the normal state.
void loadQuestion();

} // namespace exam
