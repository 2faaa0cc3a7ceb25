#pragma once
// src/auxiliary/about/ (layer 5, UI library): the about window.
//
// FrmAbout names the system and the module, repeats the cover's bank-version
// line, shows the program folder as a line that opens the folder, and the
// company line, on the frame of the program's picture windows. It is topmost;
// the cover opens it modally and waits until it has closed. It keeps nothing
// between openings: each one loads it anew and reads its texts again.
//
//   FrmAbout::showModal(); // returns once the window has closed
//
// Either button and the system's close command unload it.

#include "foundation/ui/picturedialog.h"

#include <array>

class QLabel;
class kvelButton;

class FrmAbout : public fnd::PictureWindow<FrmAbout>
{
    Q_OBJECT
    friend class Form<FrmAbout>;

public:
    // Close buttons: 0 at the top right, 1 at the bottom right.
    std::array<kvelButton *, 2> LblClick{};
    // 0 version line, 1 system title, 2 title in the header strip, 3 program
    // folder, 4 module line, 6 company line; there is no label 5.
    std::array<QLabel *, 7> Label1{};
    // The etched separator: 4 the grey upper line, 3 the white lower one.
    std::array<QWidget *, 5> Line1{};

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FrmAbout();
    void formLoad();
    void Label1_Click(int index);
};
