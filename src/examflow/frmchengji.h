#pragma once
// FrmChengji: the score window a mock exam ends in. Its load scores the exam
// and writes the learner records, once, then shows the score, a grid of the
// 40 questions (completed or not) and the text of a clicked question. Its
// buttons review the wrong questions, review the whole exam, or go back to
// the cover's papers page.

#include "foundation/ui/form.h"

#include <QWidget>
#include <array>

class QLabel;
class QTimer;
class kvelButton;
namespace simwin {
class PictureBox;
}

class FrmChengji : public QWidget, public Form<FrmChengji>
{
    Q_OBJECT
    friend class Form<FrmChengji>;

public:
    static constexpr int Questions = 40;

    void Command1_Click(); // review this exam
    void Command2_Click(); // back to the cover
    void Command3_Click(); // review the wrong questions
    // The review set of the exam's wrong questions, started on the run
    // windows.
    void InitShiTi();

    simwin::PictureBox *Picture1 = nullptr;
    kvelButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr;
    QLabel *Label1 = nullptr;
    QWidget *Frame1 = nullptr;
    std::array<kvelButton *, Questions + 1> CmTNO{}; // 1 .. 40
    QLabel *LblTiMuYQ = nullptr;
    QTimer *Timer1 = nullptr;
    std::array<QString, Questions + 1> TmText;

private:
    FrmChengji();
    void formLoad();
};
