#pragma once
// FrmCZTS: the show-answer prompt of a mock exam (the question window's
// button 10). It warns that looking at the answers ends the exam as an exam;
// its return button (or a click anywhere on it, or Return) closes it, and
// "see the answer now", once confirmed, turns the run into practice and
// starts the demonstration.

#include "foundation/ui/form.h"

#include <QWidget>

class QFrame;
class QLabel;
class kvelButton;

class FrmCZTS : public QWidget, public Form<FrmCZTS>
{
    Q_OBJECT
    friend class Form<FrmCZTS>;

public:
    static inline const QString Note = QStringLiteral(
        "1.正式考试时不能看答案。\n\n"
        "2.如果有不会做的题目，在结束考试后，可以点“本次错题复习”或者“本次考题复习”，这时，所有试题都可以查看答案（手把手教和操作演示都可以）。\n\n"
        "3.如果你实在等不及了，可以点“我想立即看答案”。");

    void Command2_Click();

    QFrame *Shape1 = nullptr, *Shape2 = nullptr;
    QLabel *Label3 = nullptr, *Label2 = nullptr;
    kvelButton *Command1 = nullptr, *Command2 = nullptr;

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FrmCZTS();
    void formLoad();
};

namespace exam {
// Button 10: the picture window closed, then the prompt, modally.
void showAnswerPrompt();
// A time-up closes an open prompt as declined (a Yes/No box over it as No).
void closeAnswerPrompt();
} // namespace exam
