#pragma once
// src/auxiliary/update/ (layer 5, UI library, namespace updwin): the update
// window (this header) and the online update it runs.
//
// FrmUpdata: the small frameless window behind the cover's update button. Its
// load shows the installed bank version with the texts of a check that finds
// nothing newer, and refreshes the cover's advert file; its one-shot timer
// then runs the update TKUP once per load. A declined update leaves the
// window loaded and hidden; a performed update ends the program.

#include "foundation/ui/form.h"
#include "platform/ui/download.h"
#include "update/manifest.h"

#include <QPixmap>
#include <QWidget>

class QLabel;
class QTimer;
class kvelButton;

namespace updwin {

// Set to 1 by the cover's update button before it shows the window; the
// window's tick shows the window when it is not 0 and hides it when it is.
inline qint16 ShowUpdate = 0;

// How long a download may last, how large it may be and the slowest pace it
// may keep: the advert (10 s for the whole load), the manifest and the
// listed files. Tests shorten them.
inline plat::DownloadLimits AdLimits{10000, 1 << 20, std::nullopt};
inline plat::DownloadLimits ManifestLimits{120000, upd::MaxManifestBytes, plat::TransferPace{}};
inline plat::DownloadLimits FileLimits{30 * 60000, plat::MaxDownloadBytes, plat::TransferPace{}};

// The manifest as downloaded ("ksdata/288895.mxy"), the hand-off file that
// names a downloaded program file, and the outside program that replaces it.
QString newManifestFile();
inline const QString HandOffFile = QStringLiteral("uprun.dll");
inline const QString ReplacementProgram = QStringLiteral("kvitpk.rar");

} // namespace updwin

class FrmUpdata : public QWidget, public Form<FrmUpdata>
{
    Q_OBJECT
    friend class Form<FrmUpdata>;

public:
    // The update: run once per load by Timer1's tick. Returns when there is
    // nothing newer, no usable answer, the user declines, or the window or
    // the cover went away during the check; otherwise ends the program.
    void TKUP();

    QLabel *Label4 = nullptr;
    QLabel *lblMove = nullptr;
    QLabel *ImgLogo1 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *LblVer = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    kvelButton *Command1 = nullptr;
    QTimer *Timer1 = nullptr;

protected:
    void paintEvent(QPaintEvent *e) override;
    bool event(QEvent *e) override;

private:
    FrmUpdata();
    void formLoad();
    void Timer1_Timer();

    QPixmap background_;
    // While TKUP runs, the window's deletion waits for its end (it may be
    // closed during the check's wait, which runs the event loop).
    bool running_ = false;
    bool deleteAfterRun_ = false;
};
