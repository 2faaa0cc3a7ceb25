#pragma once
// FrmTm: the question window. A small borderless window that stays on top at
// the simulated window's bottom-right corner during a run: the question's
// header and text, twelve function buttons, the unfinished-question list or
// the exam clock, the language-bar indicator, and two panels that take the
// main panel's place on demand (the question chooser and the candidate
// information).
//
// It acts on FrmMain only through its pictures, StepNo, Timer2 and showing
// it. frmtm.cpp holds the controls and the load; frmtm_question.cpp the
// question loading, the demonstration start, the mode layout and the
// chooser.

#include "foundation/ui/form.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

class kvelButton;
class QAction;
class QCloseEvent;
class QKeyEvent;
class QMenu;
class QTextEdit;
class FrmMain;
namespace simwin {
class HotSpot;
class PictureBox;
}

class FrmTm : public QWidget, public Form<FrmTm>
{
    Q_OBJECT
    friend class Form<FrmTm>;

public:
    static constexpr int Buttons = 12;    // CmdGN 0 to 11
    static constexpr int ChooserCells = 40; // CmTNO 1 to 40
    static constexpr int ImeItems = 10;   // mCn1 to mCn10

    // ---- Public procedures ---------------------------------------------------
    // Loads question TmNo: text, header, unfinished list, the scene it was
    // left in onto FrmMain, its resume step, Timer2 armed.
    void DqExam();
    // Fills chooser page YeMianNo and shows the chooser.
    void dqYeMian();
    // Starts a demonstration of the current question: the picture window
    // closed, the question line read again with its "|" marks kept,
    // YanShiRun set and TimStartYS armed, whose second tick swaps the run's
    // windows for the demonstration window.
    void StartYanShi();
    void TimStartYS_Timer();
    // The exam clock's row: "剩余" n "分钟" and the elapsed share of PTime
    // for LeftMinutes; the clock's tick (one minute).
    void showClock();
    void TimeKS_Timer();
    // Gives the keyboard back to the simulated window: FrmMain in the normal
    // state and shown.
    void focusReturn();
    // FrmMain in the normal state and shown (a window the size rule keeps
    // maximised stays so), at the front and active.
    static void showNormalState(FrmMain &main);
    // The window shrinks to its bar at FrmMain's bottom-left corner; and
    // back to full size docked at FrmMain's bottom-right corner.
    void collapse();
    void restore();
    // Full size, docked at main's bottom-right corner when main is given,
    // the bar hidden.
    void fullSize(const QWidget *main);
    // The unload is refused while TmCanUnload is false.
    bool queryUnload() const;

    // ---- Form-level values ----------------------------------------------------
    qint16 YeMianNo = 0;
    qint16 YeMianMax = 0;
    qint16 ImeCount = 1;
    std::array<qint32, 17> HklList{}; // 1 .. 16
    qint16 TimStartYSTicks = 0;

    // ---- Controls (object names as the window's own) ---------------------------
    simwin::PictureBox *ImgLogo1 = nullptr;
    QLabel *LblBiao = nullptr;
    simwin::HotSpot *lblMove = nullptr;
    kvelButton *LblZXH = nullptr;
    kvelButton *LblClose = nullptr;
    QWidget *FrmZhuYa = nullptr;
    QTextEdit *RtbTM = nullptr;
    kvelButton *Image2 = nullptr;
    std::array<kvelButton *, Buttons> CmdGN{};
    QLabel *LblTime = nullptr;
    QWidget *PTime = nullptr;
    QLabel *LblTimeJD = nullptr;
    QLabel *LblName = nullptr;
    QLabel *LblIME = nullptr;
    kvelButton *CmdEn = nullptr;
    QWidget *PicUnit = nullptr;
    QLabel *LblUnit = nullptr;
    QWidget *FrmSelect = nullptr;
    std::array<kvelButton *, ChooserCells + 1> CmTNO{}; // 1 .. 40
    kvelButton *CmdSelFH = nullptr, *CmdSelLast = nullptr, *CmdSelNext = nullptr;
    QWidget *FrmKSXX = nullptr;
    simwin::PictureBox *Image1 = nullptr;
    std::array<QLabel *, 6> Label1{};
    QLabel *KsName1 = nullptr, *KsZWH1 = nullptr, *KsCC1 = nullptr, *KsDAH1 = nullptr, *KsKM1 = nullptr,
           *KsSFZ1 = nullptr;
    kvelButton *CmdKSFH = nullptr;
    simwin::PictureBox *FrmZXH = nullptr;
    simwin::HotSpot *Label2 = nullptr, *Command2 = nullptr;
    QTimer *TimKsModel = nullptr;
    QTimer *TimeKS = nullptr;
    QTimer *TimerREDO = nullptr;
    QTimer *TimStartYS = nullptr;
    QMenu *mIme = nullptr;
    QAction *mEng = nullptr;
    std::array<QAction *, ImeItems + 1> mCn{}; // 1 .. 10

    // The window's background picture's name (empty: none).
    QString pictureName() const { return pictureName_; }

    // The screen point of a press at (x, y) twips on a control.
    static QPoint pressPoint(QWidget *handle, double x, double y);

    // A label's caption, sized to its text as the window's labels are.
    static void setCaption(QLabel *label, const QString &text);

protected:
    void paintEvent(QPaintEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FrmTm();
    ~FrmTm() override;
    void formLoad();
    void buildControls();
    void wireEvents();
    void placeButtons();
    // The language-bar menu's fill at the load; it changes nothing yet.
    void fillImeMenu();
    void LblIME_Click();
    void chooseLayout(const QAction *item);

    void TimKsModel_Timer();
    void TimerREDO_Timer();
    void CmTNO_Click(int index);
    void CmdSelLast_Click();
    void CmdSelNext_Click();
    void CmdGN_Click(int index);
    // Ends a practice: the run merged into the records, both windows
    // unloaded, the cover shown on the page the run came from.
    void QuitLianXi();
    void Image2_Click();
    // Collapses the window as LblZXH does, then shows the input-method
    // notice modally; the notice's closing brings the window back.
    void CmdEn_Click();
    void lblMove_MouseDown(int button, double x, double y);
    void FrmZXH_MouseDown(QWidget *handle, int button, double x, double y, bool thenFocus);
    // A left press drags the window; `then` runs once the drag is over.
    void dragThen(QWidget *handle, const QPoint &pressGlobal, std::function<void()> then);
    void setCommand2Border(bool on);

    QPixmap picture_;
    QString pictureName_;
};

// FrmPicture: the question picture of a picture question, in a borderless
// window of its own, hidden until the question window's picture button
// shows it.
class FrmPicture : public QWidget, public Form<FrmPicture>
{
    Q_OBJECT
    friend class Form<FrmPicture>;

public:
    simwin::PictureBox *Image1 = nullptr;
    // Sizes the window to the picture with its red margin and centres it on
    // the screen, after the load and after every show from the toggle.
    QTimer *Timer1 = nullptr;

private:
    FrmPicture();
    void formLoad();
    void Timer1_Timer();
};
