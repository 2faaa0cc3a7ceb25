#pragma once
// src/demo/window/ (layer 5, UI library): the demonstration window
// FrmYanShi (this header), the copy of the simulated window on which a
// question's steps are replayed.
//
// FrmYanShi: one program-wide instance, loaded when the question window's
// demonstration start makes it visible. It covers the simulated window,
// shows the question's text as a note and ends the demonstration on the
// fourth tick of TimEnd: the run's windows come back and the question is
// reloaded at the step it was left in. A demonstration records nothing.

#include "foundation/ui/form.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

class FrmYanShi : public QWidget, public Form<FrmYanShi>
{
    Q_OBJECT
    friend class Form<FrmYanShi>;

public:
    // ---- Form-level values ----------------------------------------------------
    qint16 TickCount = 0;

    // ---- Controls (object names as the window's own) ---------------------------
    QLabel *ImgLogo = nullptr; // the note: the question's text over the scene
    QTimer *TimEnd = nullptr;

private:
    FrmYanShi();
    void formLoad();
    void TimEnd_Timer();
};
