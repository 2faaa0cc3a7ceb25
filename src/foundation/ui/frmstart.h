#pragma once
// The start-up window: refuses a second instance, loads the product
// information, fixes the layout scale and shows the splash; its one-shot timer
// then hands over to the cover (UpdataExe) and the window unloads for good.

#include "foundation/ui/form.h"

#include <QPixmap>
#include <QWidget>

class QLabel;
class QTimer;

class FrmStart : public QWidget, public Form<FrmStart>
{
    Q_OBJECT
    friend class Form<FrmStart>;

public:
    // Shows the cover, names this run's error log and unloads this window.
    void UpdataExe();
    // The operating system's "major.minor" version, or "Unknown".
    static QString GetOSVersionOF();

    QLabel *Label1;
    QTimer *Timer1;

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    FrmStart();
    void formLoad();
    void Timer1_Timer();

    bool StartPending = false;
    QPixmap background_;
};
