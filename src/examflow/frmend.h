#pragma once
// The hand-in confirmations of a mock exam: FrmEnd1 asks whether to hand in
// (and warns about questions left untouched or still marked), FrmEnd2 warns
// that handing in ends the exam. Both are modal, loaded anew at every show,
// and close only through their buttons: confirm (Command1) goes on, cancel
// (Command2) returns to the exam with the question window docked.

#include "foundation/ui/form.h"

#include <QWidget>

class QLabel;
class kvelButton;

// The design the two windows share.
class HandInBox : public QWidget
{
    Q_OBJECT
public:
    QWidget *Frame1 = nullptr;
    QLabel *Label1 = nullptr;
    kvelButton *Command1 = nullptr;
    kvelButton *Command2 = nullptr;

protected:
    HandInBox(const QString &name, const QString &text);
    // Icon, button pictures and sizes.
    void loadDesign();
    // Neither Escape nor the window system closes it: only its buttons do.
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
};

class FrmEnd1 : public HandInBox, public Form<FrmEnd1>
{
    Q_OBJECT
    friend class Form<FrmEnd1>;

public:
    // The message for the states of questions 1 to 40.
    static QString message();

private:
    FrmEnd1();
    void formLoad();
};

class FrmEnd2 : public HandInBox, public Form<FrmEnd2>
{
    Q_OBJECT
    friend class Form<FrmEnd2>;

private:
    FrmEnd2();
    void formLoad();
};

namespace exam {

// Shows a window modally (centred) and returns once it is hidden or gone.
void runModal(QWidget *w);

// Shows FrmEnd1 modally and returns when the hand-in is decided. Does nothing
// while a confirmation is already open: the open one stays the one hand-in.
void askHandIn();
// True while FrmEnd1 or FrmEnd2 is open.
bool handInOpen();

} // namespace exam
