#pragma once
// src/auxiliary/ime/ (layer 5, UI library): the input-method notice.
//
// FrmIME explains what to do when an input method the user installed does
// not work with the program, and holds the program's one user option, the
// check box Check1 ("调用输入法"): automatic input-method switching. The
// option lives in run::UseIME and in the record folder's option file, which
// this window alone writes ("1" or "0" and CR LF, through an atomic replace;
// UseIME follows each successful write). The question window opens it
// modally after collapsing itself; however the notice closes, the simulated
// window is back in its normal state and active and the question window at
// full size at its bottom-right corner, as far as those windows are loaded.
//
//   FrmIME::showModal(); // returns once the notice has closed
//
// Either button and the system's close command unload it.

#include "foundation/ui/picturedialog.h"

#include <array>

class QCheckBox;
class QLabel;
class kvelButton;

class FrmIME : public fnd::PictureWindow<FrmIME>
{
    Q_OBJECT
    friend class Form<FrmIME>;

public:
    // Close buttons: 0 at the top right, 1 at the bottom right.
    std::array<kvelButton *, 2> LblClick{};
    // 0 the notice, 2 the title in the header strip; there is no label 1.
    std::array<QLabel *, 3> Label1{};
    QCheckBox *Check1 = nullptr;

private:
    FrmIME();
    void formLoad();
    void formUnload();
    // Stores the box's state: the option file, then UseIME.
    void Check1_Click(bool ticked);
};
