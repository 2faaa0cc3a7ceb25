#pragma once
// src/cover/ (layer 5, UI library, namespace cover): the cover window (this
// header) and the start of a practice or exam run.
//
// The cover, the program's main window between runs. Its initialisation
// (FengMainCsh) reads the data folder and the learner records at every load:
// the bank version, the module check (a data folder of another module ends
// the program at once, silently), the input-method option, the paper and
// unit counts, the random papers, the unit progress (repaired to each unit's
// question count) and the exam history; the pages are built from them.

#include "foundation/ui/form.h"

#include <QWidget>
#include <array>

class QLabel;

class FrmFengmian : public QWidget, public Form<FrmFengmian>
{
    Q_OBJECT
    friend class Form<FrmFengmian>;

public:
    // Reads the data folder's version and module number (and ends the program
    // when the module number is not ours).
    void FengMainCsh();

    QLabel *LblCaption;
    // Info lines 0 to 3: the bank version, web address, telephone and chat.
    std::array<QLabel *, 4> LblInfo{};
    QLabel *LblInfo_0 = nullptr; // LblInfo[0]

    // Set at every initialisation.
    qint16 SuiJiCount = 0;              // random papers stored
    std::array<QString, 101> ShiJuanHis; // exam history lines 1 to 100

private:
    FrmFengmian();
    void formLoad();
};
