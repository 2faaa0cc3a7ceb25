#pragma once
// FrmLogon: the mock exam's logon window, shown by the run start for a fixed
// or random paper. For now it does what the run start needs of it: its load
// names the run's files as the run start does, and the candidate's logon
// (logOn, or its button) starts the exam on the first question with the
// question and simulated windows.

#include "foundation/ui/form.h"

#include <QWidget>

class QPushButton;

class FrmLogon : public QWidget, public Form<FrmLogon>
{
    Q_OBJECT
    friend class Form<FrmLogon>;

public:
    // The candidate has logged on: question 1, the question window's reload
    // armed, the simulated and question windows shown; this window goes.
    void logOn();

    QPushButton *CmdLogon = nullptr;

private:
    FrmLogon();
    void formLoad();
};
