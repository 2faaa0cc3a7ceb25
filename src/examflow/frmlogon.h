#pragma once
// FrmLogon: the mock exam's logon. The run start shows it for a fixed or
// random paper. Page 1 takes the seat and identity numbers (nothing is
// checked); the log-in fills the candidate values, shows page 2 with them
// while its bar fills, and then opens the exam's question and simulated
// windows. The exit button asks, then goes back to the cover.

#include "foundation/ui/form.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QTimer;
namespace simwin {
class HotSpot;
class PictureBox;
}

class FrmLogon : public QWidget, public Form<FrmLogon>
{
    Q_OBJECT
    friend class Form<FrmLogon>;

public:
    // The identity number that pads a short entry from the left, and the
    // sample the box shows at first (both made up).
    // A short entry keeps the default's first characters as well as its last
    // ones: the default begins and ends alike.
    static inline const QString DefaultIdCard = QStringLiteral("110101200001011110");
    static inline const QString SampleIdCard = QStringLiteral("110101200001011234");

    void CmdLog_Click();
    void CmdExit_Click();

    simwin::PictureBox *Picture1 = nullptr;
    QLineEdit *TxtZwh = nullptr;
    QLineEdit *TxtSFZ = nullptr;
    simwin::HotSpot *CmdLog = nullptr;
    simwin::HotSpot *CmdExit = nullptr;
    simwin::PictureBox *Picture2 = nullptr;
    QLabel *LblName = nullptr, *LblZwh = nullptr, *LblCC = nullptr, *LblKm = nullptr, *LblSfz = nullptr,
           *LblDah = nullptr, *LblDate = nullptr;
    QWidget *P2 = nullptr;
    QLabel *LJD = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FrmLogon();
    void formLoad();
    void Timer1_Timer();
    void Timer2_Timer();
};
