#pragma once
// The program's end. (Its start is the application layer's: src/app/.)

namespace fnd {
// Ends the program at once: no window is unloaded, nothing more is read or
// written (the single-instance lock is given up first). Exit code 0.
// While an EndCatcher lives the call is only counted and returns, so every
// caller returns right after it.
void endProgram();

// A driver of the program (the probe) learns of the end: the observer runs
// right before the process ends, and not while an EndCatcher lives.
void setEndObserver(void (*observer)());

// Tests: while one lives, endProgram() counts its calls instead of ending
// the process, so a test sees the end instead of vanishing with it.
class EndCatcher
{
public:
    EndCatcher();
    ~EndCatcher();
    EndCatcher(const EndCatcher &) = delete;
    EndCatcher &operator=(const EndCatcher &) = delete;
    int ends() const { return ends_; }

private:
    friend void endProgram();
    EndCatcher *previous_;
    int ends_ = 0;
};
} // namespace fnd
