#pragma once
// src/demo/window/ (layer 5, UI library, namespace demo for its helpers):
// the demonstration window FrmYanShi (this header), the copy of the
// simulated window on which a question's steps are replayed, its line
// control (lineshape.h) and its description for the probe (demoinfo.h).
// The player's procedures are the window's too; they live in
// src/demo/player/.
//
// FrmYanShi: one program-wide instance, loaded when the question window's
// demonstration start makes it visible. Frameless, topmost, at FrmMain's
// place and 12000 x 9000 twips. Its scene set-up is the scene module's
// (scenewindow.h) under the demonstration's rules; its own layer keeps the
// player's state, its bars, drop-downs and clicks (the bar cells lie on the
// window), the step advance and the end (TimEnd). The user only watches
// and may stop it (double-click on the background or a picture area;
// release of Enter, Space or Esc). A demonstration records nothing.

#include "foundation/ui/form.h"
#include "demo/window/notelabel.h"
#include "simwin/window/scenewindow.h"

#include <QLabel>
#include <QTimer>
#include <array>

namespace chk {
struct MenuBlock;
}
namespace demo {
class LineShape;
}

class FrmYanShi : public simwin::SceneWindow, public Form<FrmYanShi>
{
    Q_OBJECT
    friend class Form<FrmYanShi>;

public:
    static constexpr int MenuItems = 44; // Lbl1J, Lbl2J 1 to 44

    // The player's pace: every timer's interval times this factor (0.05
    // plays 20 times faster). Set before the load by tests and the probe;
    // the program itself plays at 1.
    static double pace();
    // False (and nothing changed) for a factor that is not a positive number.
    static bool setPace(double factor);

    // ---- Public procedures ---------------------------------------------------
    // Builds the scene of step DemoStep of question TmNo and hands it to the
    // player.
    void setData();
    // The next step, or at "9999" (or past the question's last step) the
    // end; nothing unless a demonstration runs.
    void doNext();
    // The step a JumpDigit names ("0" nothing; "1"-"9"; "A"-"Z" 10-35; any
    // other character 9, empty 10); past the question's last step the end.
    void GoStep(const QString &cStep);
    // While a demonstration runs: the drawn menus hidden with empty
    // captions, the drop-downs hidden (a preset's kept for 33 and 34), the
    // pressed pictures removed.
    void CSH();
    // The bars and their cells at the simulated window's fixed geometry, on
    // the window.
    void ToolCSH();
    // The step's extra panel, or its preset drop-down for 33 and 34.
    void ElseToolCSH();
    // The items of AimZHU's open drop-down, on the window; then the glide
    // to item Aim1J (Timer6).
    void Tool1JCSH();
    // The items of the open sub-menu, on the window; then the glide to
    // sub-item Aim2J (Timer7).
    void Tool2JCSH();
    // The clicks the pointer's arrivals make on a bar cell, a drop-down item
    // and a sub-menu item.
    void ClickZHU(qint16 MM);
    void Click1J(qint16 II);
    void Click2J(qint16 SS);
    // The pointer's target of the step, and its move or pause.
    void MuBiaoWei();
    // The pointer drawn at (PointX, PointY), the window on top.
    void pointMove();
    // The drawn right-click menu of the step at the pointer, and the glide
    // to its entry (TimerRM).
    void RightKeyMenu();
    // The drawn cascade sub-menu beside it, and the glide to its sub-item
    // (TimerRS).
    void RightKeySub();
    // The player's ticks (public for tests and the benchmark).
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();
    void Timer6_Timer();
    void Timer7_Timer();
    void TimerRM_Timer();
    void TimerRS_Timer();
    // Fills wm100 for PopMenuNo from the context-menu file; never pops it up.
    void systemMenu();
    // The stop: the end timer on (a running one keeps its schedule).
    void stop();

    // ---- Player state --------------------------------------------------------------
    // The scene's values (StepType, TabTarget, TabImage, HintText,
    // Label1Width, Label1Height, DragEndX, DragEndY, ExamDataPath) are the
    // scene module's.
    qint16 DemoStep = 1;
    qint32 PointX = 0, PointY = 0; // the pointer's hot spot
    qint32 MbX = 0, MbY = 0;       // the target of the current move
    double StepLen = 0;
    qint16 StepX = 0, StepY = 0;
    qint16 TickCount = 0; // shared by TimEnd, Timer4, Timer5 and the item glides
    bool DragPhase = false;
    QString TypeText;
    int TypePos = 0; // wide enough for any line
    qint16 AimZHU = 0, Aim1J = 0, Aim2J = 0;
    QString JumpStep = QStringLiteral("0");
    int PopMenuNo = 0;
    // Back to the values of a fresh load (tests).
    void resetPlayerState();
    // Every scene's DemoStep, from the load on (the probe's `demo run`).
    QList<int> StepsShown;

    // ---- Controls of its own (object names as the window's own) ----------------
    demo::NoteLabel *ImgLogo = nullptr; // the note: the question's text over the scene
    QLineEdit *Text4 = nullptr;
    simwin::PictureBox *Pic1J = nullptr, *Img1J = nullptr, *Pic2J = nullptr;
    std::array<simwin::HotSpot *, MenuItems + 1> Lbl1J{}; // 0 .. 44
    std::array<simwin::HotSpot *, MenuItems + 1> Lbl2J{}; // 1 .. 44; [0] unused
    // The drawn right-click menu and its cascade sub-menu.
    QLabel *LRightMMenu = nullptr, *LRightSub = nullptr;
    simwin::FrameShape *ShapeRMain = nullptr, *ShapeRSUB = nullptr;
    std::array<QLabel *, 9> LRMJL{};                 // 1, 3, 5, 7, 8
    std::array<simwin::PictureBox *, 9> ImgJLSanjiao{}; // 1, 3, 5, 7, 8
    std::array<QLabel *, 10> LRM2{}, LRM4{}, LRM6{}, LRM9{};
    std::array<demo::LineShape *, 10> LRFGX{};
    std::array<QLabel *, 10> LRS{};
    std::array<demo::LineShape *, 6> LRSFgx{};
    // The pointer, its drag picture and the click ring.
    std::array<demo::LineShape *, 8> LPoint{};
    std::array<demo::LineShape *, 6> LPoinB{};
    simwin::PictureBox *ImgICO = nullptr;
    simwin::FrameShape *Shape5 = nullptr;
    std::array<QTimer *, 12> Timer{}; // Timer1 .. Timer11; [0] unused
    QTimer *TimerRM = nullptr, *TimerRS = nullptr, *TimEnd = nullptr, *TimTool = nullptr;

    // StepLen, StepX and StepY for the move from the pointer to (MbX, MbY).
    void setUpMotion();
    // A timer switched on; one already running keeps its schedule.
    static void enable(QTimer *t);

protected:
    int sceneRecordLine() const override;
    const chrome::PanelProfile &panelProfile() const override;
    void sceneBegins() override;
    void initialTextLine(const QString &line) override;
    void operationCodeRead(const scene::CodeStage &c) override;
    void finalScene(const scene::CodeStage &c) override;
    void typingBoxes(const scene::CodeStage &c) override;
    void sceneEnds() override;

    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    FrmYanShi();
    void formLoad();
    void buildOwnControls();
    void applyPace();
    // The step count of the current question (its question line's field).
    int questionSteps() const;
    // The end timer on, counting its own ticks from now when it was off.
    void armEnd();
    // The end as at "9999": pointer and ring parked, the end timer on.
    void endAtFinalStep();
    // The end of a menu path: the next step, or the jump.
    void endStep();
    void TimEnd_Timer();
    // The target at a control's centre, rounded half to even (window twips).
    void aimAtCentre(const QWidget *c);
    // One step of a glide, the pointer drawn; true on arrival.
    bool glideStep();
    // The click ring at the pointer, its blink started.
    void ringAtPointer();
    // Arrival actions of the pointer's move.
    void tabSwitch();
    void dragPickUp();
    void typingStart();
    // The step's right-click menu code, family and number (StepType,
    // PopMenuNo), and its block of the context-menu file.
    chk::MenuBlock rightMenuBlock();
    QString cursorFile_; // the drag picture loaded for the current drag
    bool rightMenuEntryDrawn_ = false; // the drawn menu has the aimed entry
    int endTicks_ = 0; // TimEnd's own ticks since it was switched on
};
