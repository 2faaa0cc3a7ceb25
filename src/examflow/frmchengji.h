#pragma once
// FrmChengji: the score window a mock exam ends in. Its load scores the exam
// and writes the learner records, once; it shows the score text, and its
// back button returns to the cover's papers page.

#include "foundation/ui/form.h"

#include <QWidget>

class QLabel;
class kvelButton;

class FrmChengji : public QWidget, public Form<FrmChengji>
{
    Q_OBJECT
    friend class Form<FrmChengji>;

public:
    void Command2_Click();

    QLabel *Label1 = nullptr;
    kvelButton *Command2 = nullptr;

private:
    FrmChengji();
    void formLoad();
};
