#pragma once
// src/demo/window/ (layer 5, UI library, namespace demo for its helpers):
// the demonstration window FrmYanShi (this header), the copy of the
// simulated window on which a question's steps are replayed, and its
// description for the probe (demoinfo.h).
//
// FrmYanShi: one program-wide instance, loaded when the question window's
// demonstration start makes it visible. Frameless, at FrmMain's place and
// size. Its scene set-up is the scene module's (scenewindow.h) under the
// demonstration's rules; its own layer keeps the player's variables, the
// end of the demonstration (TimEnd) and the hand-over to the player
// (MuBiaoWei). The pointer does not move yet: an automatic advance ("8888")
// pauses and goes on, every other step waits for doNext or GoStep. A
// demonstration records nothing.

#include "foundation/ui/form.h"
#include "simwin/window/scenewindow.h"

#include <QLabel>
#include <QTimer>
#include <array>

class FrmYanShi : public simwin::SceneWindow, public Form<FrmYanShi>
{
    Q_OBJECT
    friend class Form<FrmYanShi>;

public:
    // ---- Public procedures ---------------------------------------------------
    // Builds the scene of step DemoStep of question TmNo and hands it to the
    // player.
    void setData();
    // The next step, or at "9999" the end; nothing unless a demonstration
    // runs.
    void doNext();
    // The step a JumpDigit names ("0" nothing; "1"-"9"; "A"-"Z" 10-35).
    void GoStep(const QString &cStep);
    // While a demonstration runs: the drop-downs hidden and the bars'
    // overlay images emptied.
    void CSH();
    // The bar cells at the simulated window's fixed geometry.
    void ToolCSH();
    // The step's extra panel, as the simulated window places it.
    void ElseToolCSH();
    // The pointer's target of the step: an automatic advance ("8888")
    // pauses with Timer4 and goes on; nothing else moves yet.
    void MuBiaoWei();
    // Fills wm100 for PopMenuNo from the context-menu file; never pops it up.
    void systemMenu();

    // ---- Player state (the scene's values are the scene module's) --------------
    qint16 DemoStep = 1;
    QString TypeText;
    qint16 TypePos = 0;
    qint16 TickCount = 0;
    bool DragPhase = false;
    qint16 AimZHU = 0, Aim1J = 0, Aim2J = 0;
    QString JumpStep = QStringLiteral("0");
    int PopMenuNo = 0;

    // ---- Controls of its own (object names as the window's own) ----------------
    QLabel *ImgLogo = nullptr; // the note: the question's text over the scene
    QLineEdit *Text4 = nullptr;
    simwin::PictureBox *Pic1J = nullptr, *Img1J = nullptr, *Pic2J = nullptr;
    simwin::FrameShape *Shape5 = nullptr; // the click ring
    std::array<QTimer *, 12> Timer{};     // Timer1 .. Timer11; [0] unused
    QTimer *TimerRM = nullptr, *TimerRS = nullptr, *TimEnd = nullptr;

protected:
    int sceneRecordLine() const override;
    void sceneBegins() override;
    void initialTextLine(const QString &line) override;
    void operationCodeRead(const scene::CodeStage &c) override;
    void finalScene(const scene::CodeStage &c) override;
    void typingBoxes(const scene::CodeStage &c) override;
    void sceneEnds() override;

private:
    FrmYanShi();
    void formLoad();
    void Timer4_Timer();
    void TimEnd_Timer();
};
