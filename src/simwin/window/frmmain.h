#pragma once
// src/simwin/window/ (layer 5, UI library, namespace simwin for its helpers):
// all of FrmMain (this header and the frmmain_*.cpp files), its control
// kinds, twips geometry, the pop-up chooser and the scene description.
//
// FrmMain: the simulated editor window on which every operation question is
// answered. Its background is the scene's screenshot; everything the
// candidate acts on is an invisible hot spot, a picture over the screenshot,
// a bar drawn from pictures, or one of a few real text boxes and a list.
//
// Other windows reach it only through its controls, pictures, timers,
// placement and visibility; its public procedures are the scene engine's.
//
// The implementation lies in this folder, one file per part:
// frmmain_load.cpp (controls and load), frmmain_setdata.cpp (its own layer
// of the scene set-up, whose stages it shares with the demonstration window
// in scenewindow.h), frmmain_steps.cpp (steps and keys), frmmain_mouse.cpp (mouse
// handlers), frmmain_typing.cpp (typing handlers), frmmain_bars.cpp (bars).
// The decisions the handlers act on are plain functions in simwin/checks/
// and simwin/scene/. Event handlers are named Control_Event as the window's
// own; the bars' drop-downs and sub-menus are laid out from the tables of
// simwin/chrome/ (Tool1JCSH, Tool2JCSH).

#include "foundation/ui/form.h"
#include "simwin/window/controls.h"
#include "simwin/window/scenewindow.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

class QLineEdit;
class QListWidget;
class QMenu;
class QAction;
class QKeyEvent;
class QMoveEvent;
namespace chk {
struct PopupArrayInfo;
struct StepMove;
}

class FrmMain : public simwin::SceneWindow, public Form<FrmMain>
{
    Q_OBJECT
    friend class Form<FrmMain>;

public:
    static constexpr int MenuItems = 44;  // Lbl1J / Lbl2J 1 to 44

    // ---- Public procedures ---------------------------------------------------
    // Builds the scene of step StepNo of question TmNo.
    void setData();
    // Next step after a right action; jump to the step a JumpDigit names.
    void doNext();
    void GoStep(const QString &cStep);
    // What an accepted action does: doNext, GoStep, or nothing.
    void advance(const chk::StepMove &move);
    // A key press that may perform the step's operation.
    void KeyClick(int keyCode, int shift);
    // Chrome: close drop-downs and hover pictures; lay out the step's extra
    // panel; lay out the bar cells (once, at load); lay out drop-down items.
    void frmCsh();
    void ElseToolCSH();
    void ToolCSH();
    void Tool1JCSH();
    void Tool2JCSH();
    // Fills the right-click pop-up for PopMenuNo; moves the rows of a
    // two-row tab strip.
    void systemMenu();
    // Opens the right-click pop-up of menu menuNo the one way every opener
    // does: PopMenuNo, systemMenu, then wm100 at the pointer through
    // simwin::execPopup. Returns once an item was chosen (and its check made)
    // or the pop-up was dismissed.
    void openPopup(int menuNo);

    // Docks the question window, when it is loaded, at this window's
    // bottom-right corner.
    void dockQuestionWindow();

    // True while setData runs (checks that the scene's own filling of a box
    // raises can tell it from the user's change).
    bool buildingScene() const { return building_; }
    // Counts the scenes built. A handler notes it when its gesture begins and
    // does nothing more once it changed: one gesture advances at most one step.
    quint64 sceneSerial() const { return sceneSerial_; }

    // ---- Form-level values ----------------------------------------------------
    // The scene's values under this window's names (StepType, TabLayout,
    // TabCount, TabTarget, TabImage, TabRow, BackSpec and HintText keep the
    // shared names).
    int &TabAreaLeft = TabLeft;
    int &TabAreaTop = TabTop;
    int &Label1BoxWidth = Label1Width;
    int &Label1BoxHeight = Label1Height;
    qint16 &DragLimitX = DragEndX;
    qint16 &DragLimitY = DragEndY;
    qint32 DragX = 0;
    qint16 DragY = 0;
    // The drag source: press point (window twips) and a drag under way.
    qint32 DragStartX = 0, DragStartY = 0;
    bool Dragging = false;
    int CurZHU = 0, Cur1J = 0;
    int PopMenuNo = 0;
    // The size rule kept the window maximised at the top-left corner.
    bool maximisedByRule() const { return maximised_; }
    // The size rule: a screen's height against 650 pixels at the layout
    // scale; 1 higher, 0 as high, -1 lower. A higher screen gets a normal
    // window; the drag strip moves the window on one at least as high.
    static int sizeRule(double yScale, int screenHeightPx);
    static bool dragStripMoves(double yScale, int screenHeightPx);

    // ---- Controls of its own (object names as the window's own; the scene
    // controls are the scene module's) -------------------------------------------
    QLineEdit *Text3 = nullptr;
    simwin::KeptLabel *LblSuccess = nullptr;
    simwin::PictureBox *ImgLogo = nullptr;
    simwin::HotSpot *lblMove = nullptr;
    QTimer *Timer2 = nullptr;
    QTimer *Timer3 = nullptr;
    QTimer *TimerDisFK = nullptr;
    QTimer *TimTool = nullptr;

    // The bars' hint frames and the drop-down panels.
    simwin::FrameShape *ShapeMenu = nullptr, *ShapeTool = nullptr, *ShapeHui = nullptr, *ShapeElse = nullptr;
    simwin::PictureBox *Pic1J = nullptr, *Pic2J = nullptr;
    std::array<simwin::HotSpot *, MenuItems + 1> Lbl1J{}; // 1 .. 44
    std::array<simwin::HotSpot *, MenuItems + 1> Lbl2J{}; // 1 .. 44
    simwin::PictureBox *Img1J = nullptr, *Img1jBK = nullptr, *Img2J = nullptr;

    // The tooltip of a bar cell, by LblZHU index (empty: none).
    static QString toolTipText(int hotSpot);
    // The bar highlight image over a cell's bar (none for cell 0).
    simwin::PictureBox *highlightImage(int hotSpot) const;

protected:
    void mouseMoveEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void moveEvent(QMoveEvent *e) override;

private:
    FrmMain();
    ~FrmMain() override;
    void formLoad();
    void buildControls();
    void buildDropDowns();
    void wireEvents();

    // Its own layer of the scene set-up.
    int sceneRecordLine() const override;
    const chrome::PanelProfile &panelProfile() const override;
    void sceneBegins() override;
    void recordRead() override;
    void picturePlaced(int k, const QString &name, bool loaded, double left, double top) override;
    void fillBox(QLineEdit *box, const QString &text) override;
    void operationCodeRead(const scene::CodeStage &c) override;
    void finalScene(const scene::CodeStage &c) override;
    void typingBoxes(const scene::CodeStage &c) override;
    void sceneEnds() override;

    // ---- Event handlers -----------------------------------------------------------
    // Scene engine: timers, keys, the bare window, the drag strip.
    void Timer2_Timer();
    void Timer3_Timer();
    void Form_KeyDown(QKeyEvent *e);
    void Form_MouseMove(int button, int shift, double x, double y);
    void lblMove_MouseDown(int button, int shift, double x, double y);
    // Operation checks.
    void Label1_MouseDown(int button, int shift, double x, double y);
    void Label1_MouseMove(int button, int shift, double x, double y);
    void Label1_MouseUp(int button, int shift, double x, double y);
    void Label1_DblClick();
    void Label4_MouseDown(int button, int shift, double x, double y);
    void Label4_MouseMove(int button, int shift, double x, double y);
    void Label4_MouseUp(int button, int shift, double x, double y);
    void Image_MouseDown(int index, int button, int shift, double x, double y);
    void Image_MouseMove(int index, int button, int shift, double x, double y);
    void Image_MouseUp(int index, int button, int shift, double x, double y);
    void Image_Click(int index);
    void Image6_KeyDown(QKeyEvent *e);
    void Text1_Change();
    void Text1_KeyUp(QKeyEvent *e);
    void Text1_MouseUp(int button, int shift);
    void Text1_GotFocus();
    void Text2_Change();
    void Text3_Change();
    void Text3_GotFocus();
    void LstLA_Click();
    void LblXXK_Click(int index);
    void PicTool_MouseUp(int button, int shift, double x, double y);
    void TimerDisFK_Timer();
    // A pop-up item chosen: slot index of the item array with that digit.
    void wm100_Click(int arrayDigit, int index);
    // Chrome.
    void LblZHU_MouseMove(int index, int button, int shift, double x, double y);
    void openSubMenu(int item);
    void openDropDown(int cell, double left, const std::function<double()> &top);
    void LblZHU_MouseUp(int index, int button, int shift, double x, double y);
    void Lbl1J_MouseMove(int index, int button, int shift, double x, double y);
    void Lbl1J_Click(int index);
    void Lbl2J_MouseMove(int index, int button, int shift, double x, double y);
    void Lbl2J_Click(int index);
    void TimTool_Timer();
    void Bar_KeyDown(QKeyEvent *e);

    bool eventFilter(QObject *watched, QEvent *event) override;

    // Mouse handlers (frmmain_mouse.cpp). One gesture, one step: a press (or
    // double click) notes the scene; its release, and the click that follows
    // the release, do nothing once the scene changed.
    void beginGesture();
    bool releaseSpent();
    // The drag source's pointer number (0 default, 99 custom) and shape; the
    // scene builder resets it with every scene.
    void setLabel4Pointer(int mousePointer, const QString &cursorFile);
    quint64 gestureSerial_ = 0;
    bool gestureOpen_ = false;
    quint64 releaseSerial_ = 0;
    bool releaseSpent_ = false;
    int label4Pointer_ = 0;

    // Change and list checks raised by the scene's own filling of a box or
    // the list while setData runs are held back; each runs once when the
    // scene is complete (the call at the end of setData).
    enum DeferredCheck : unsigned { DeferText1 = 1, DeferText2 = 2, DeferText3 = 4, DeferList = 8 };
    bool deferWhileBuilding(DeferredCheck check);
    void runDeferredChecks();
    unsigned deferredChecks_ = 0;
    // Scenes built, one inside the other, by checks their own filling passed.
    int selfAdvances_ = 0;

    bool building_ = false;
    quint64 sceneSerial_ = 0;
    bool maximised_ = false;
    bool movingByStrip_ = false;
};
