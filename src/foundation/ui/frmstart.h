#pragma once
// The start-up window: refuses a second instance, loads the product
// information, fixes the layout scale and shows the splash; its one-shot timer
// then hands over to what follows (UpdataExe) and the window unloads for good.
//
// What the window does beyond the foundation is handed in by the
// application layer (src/app/), so that it never reaches up: the pictures
// of what follows the splash (decoded on a worker thread while the splash
// waits), the run values its load resets, and what follows the splash (the
// cover).

#include "foundation/ui/form.h"

#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

class FrmStart : public QWidget, public Form<FrmStart>
{
    Q_OBJECT
    friend class Form<FrmStart>;

public:
    struct Wiring
    {
        // The pictures of what follows the splash, in the order a worker
        // thread is to decode them while the splash waits.
        std::function<QStringList()> picturesToCome;
        std::function<void()> atLoad;    // during the load, after the splash text
        std::function<void()> handOver;  // shows what follows the splash
        // Work for the splash's wait, once it is on the screen (building
        // what follows ahead of its load).
        std::function<void()> whileWaiting;
    };
    static void wire(Wiring wiring);

    // Hands over (shows the cover), names this run's error log and unloads
    // this window.
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
    bool painted_ = false;
    QPixmap background_;
};
