#pragma once
// src/cover/ (layer 5, UI library, namespace cover): the cover window (this
// header) and the start of a practice or exam run.
//
// The cover, the program's main window between runs. For now it does what the
// start-up needs of it: it lays itself out, reads the bank version and checks
// that the data folder belongs to this module; a data folder of another
// module ends the program at once, silently.

#include "foundation/ui/form.h"

#include <QWidget>

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
    QLabel *LblInfo_0;

private:
    FrmFengmian();
    void formLoad();
};
