#pragma once
// The scene module shared by the simulated window FrmMain and the
// demonstration window FrmYanShi: the scene controls both windows have, made
// by one builder with the same kinds, stacking and names, and the scene
// set-up (setData's stages) as one code path over them.
//
// Where the two windows differ, a rule of scene::SceneRules decides (each
// window gives its rules at construction); what only one window does is its
// own thin layer, reached through the hooks below: FrmMain's step-1
// clearing, resume step and pictures, drag start, completion, deferred
// checks and hint frames; FrmYanShi's player variables, end timer and the
// hand-over to the player.
//
// The values a scene leaves for the window's handlers carry the
// demonstration's names here; FrmMain binds its own names to them.

#include "simwin/scene/scenerules.h"
#include "simwin/window/controls.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>

class QAction;
class QLineEdit;
class QListWidget;
class QMenu;
namespace chk {
struct PopupArrayInfo;
struct PopupModel;
}
namespace scene {
struct CodeStage;
}
namespace chrome {
struct PanelPlace;
struct PanelProfile;
}

namespace simwin {

class SceneWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr QColor BackColor{195, 217, 249};
    static constexpr int LastHotSpot = 88;
    static constexpr int TabCells = 14;   // LblXXK 0 to 13
    static constexpr int PopupSlots = 11; // elements 0 to 10 of each item array

    const scene::SceneRules &rules() const { return rules_; }

    // The window's picture (the scene's screenshot).
    bool loadPicture(const QString &path);
    const QPixmap &picture() const { return picture_; }
    QString pictureName() const { return pictureName_; }

    // The rows of a two-row tab strip: the row holding the shown tab (TabRow)
    // lies next to the page, the other row behind it. Cell 0 never moves.
    void DoubleXXK();

    // A chrome picture's file in the "examdata" folder.
    QString examDataPicture(const QString &name) const;

    // The question window topmost; then this window on top (the simulated
    // window) or out of the topmost band (the demonstration).
    void orderWindows();

    // As the window is unloaded (it is deleted later, from the event loop):
    // its pictures are no longer on show, and the cache may let them go to
    // what loads next (the cover, at a practice's end).
    void formUnload();

    // ---- Values the scene leaves --------------------------------------------------
    int StepType = 0;
    QString TabLayout;
    int TabCount = 0, TabTarget = 0, TabImage = 0, TabRow = 1;
    int TabLeft = 0, TabTop = 0; // the tab pages' picture area, window twips
    QString BackSpec = QStringLiteral("NONO");
    QString HintText;
    int Label1Width = 0, Label1Height = 0; // Label1's box, design twips
    qint16 DragEndX = 0, DragEndY = 0;     // characters 167-171 and 172-176, unscaled
    QString ExamDataPath;

    // ---- Scene controls (object names as the windows' own) ----------------------
    std::array<PictureBox *, 7> Image{}; // Image[1] .. Image[6]; [0] unused
    HotSpot *Label1 = nullptr;
    HotSpot *Label4 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QListWidget *LstLA = nullptr;
    QWidget *PicLeft = nullptr, *PicTop = nullptr, *PicRight = nullptr, *PicBottom = nullptr;
    std::array<HotSpot *, TabCells> LblXXK{};
    QLabel *LHelp = nullptr;
    FrameShape *Shape1 = nullptr, *Shape2 = nullptr, *Shape4 = nullptr, *Shape6 = nullptr;
    // Bars: boxes, their overlay images and cells.
    PictureBox *PicMenu = nullptr, *PicTool = nullptr, *PicHui = nullptr, *PicElse = nullptr;
    PictureBox *ImgMenu = nullptr, *ImgTool = nullptr, *ImgHui = nullptr, *ImgElse = nullptr;
    std::array<HotSpot *, LastHotSpot + 1> LblZHU{};
    // The right-click pop-up: five cascades and nine item arrays.
    QMenu *wm100 = nullptr;
    std::array<QMenu *, 6> sKvelMain{};         // 1 .. 5
    std::array<QList<QAction *>, 6> sKvelSub;  // 1 .. 5, elements 0 .. 10
    std::array<QList<QAction *>, 5> sKvelInde; // 1 .. 4, elements 0 .. 10
    // The actions of an item array of the pop-up (its cascade's items or its
    // group of plain items).
    const QList<QAction *> &itemArray(const chk::PopupArrayInfo &a) const;

protected:
    SceneWindow(const scene::SceneRules &rules, Qt::WindowFlags flags);

    // A window's own controls, made where they lie among the shared ones.
    struct OwnControls
    {
        std::function<void()> underPictures; // below everything
        std::function<void()> overHint;      // above the hint, below the targets
        std::function<void()> overTabCells;  // above the tab cells, below Image6
        std::function<void()> afterText2;    // between the text boxes and the list
        // In each bar box, above its overlay image and below its cells.
        std::function<void(PictureBox *bar)> inBar;
    };
    void buildSceneControls(const OwnControls &own);
    // wm100 with element 0 of every item array; then elements 1 to 10, in
    // the windows' order.
    void buildPopup();
    void addPopupElements();
    // Hides elements firstElement to 10 of every array and every cascade,
    // then shows the model's slots 0 to 9 as elements firstElement onwards.
    void fillPopup(const chk::PopupModel &model, int firstElement);
    // The hint's and the list's font at the load: 11 points x XBiLi.
    void setSceneFonts();

    // ---- The scene set-up -------------------------------------------------------------
    // Builds the scene of the record sceneRecordLine() of the step file.
    void buildScene();
    // LHelp takes the caption and sizes to it; a caption it already shows
    // leaves it as it is.
    void setHintCaption(const QString &caption);
    // The bars at their tops and the cells 1-31 and 41-88 at the fixed
    // geometry of the chrome's cell module.
    void placeBarCells();
    // The step's extra panel (characters 86-88) placed by the window's
    // profile, or its preset drop-down shown in dropDown; true when the
    // preset drop-down was shown.
    bool placeExtraPanel(PictureBox *dropDown);

    // ---- The window's own layer ------------------------------------------------------
    // The step file's line this scene is built from.
    virtual int sceneRecordLine() const = 0;
    // Where the window places a step's extra panel.
    virtual const chrome::PanelProfile &panelProfile() const = 0;
    // The window's own resets before the record is read.
    virtual void sceneBegins() {}
    // Right after the record was read.
    virtual void recordRead() {}
    // Picture k (0 the background, 1-6 the areas) placed at (left, top),
    // window twips; loaded is false for "888888" (kept).
    virtual void picturePlaced(int k, const QString &name, bool loaded, double left, double top);
    // The builder's filling of a text box.
    virtual void fillBox(QLineEdit *box, const QString &text);
    // The whole initial-text line of the text box (not for "000").
    virtual void initialTextLine(const QString &line);
    // The operation code was read (StepType set).
    virtual void operationCodeRead(const scene::CodeStage &c);
    // The "9999" scene.
    virtual void finalScene(const scene::CodeStage &c);
    // The window's own text boxes of the typing steps, before the hint's
    // wording is shown.
    virtual void typingBoxes(const scene::CodeStage &c);
    // The set-up's last calls.
    virtual void sceneEnds() = 0;

    void paintEvent(QPaintEvent *e) override;

private:
    void stageSetUp();
    void stageRecord();
    void stagePictures();
    void stageTextBox();
    void stageHint();
    void stageMainTarget();
    void stageTabStrip();
    void stageSecondTarget();
    bool stageOperationCode(); // false: the set-up ends here
    void stageFinish();
    void decodeNextPictures();
    void keepShownPictures();
    // The extra panel of a step record, and the chrome pictures it loads
    // (the preset drop-down's, or the panel's and its pane set's).
    chrome::PanelPlace panelPlaceOf(QStringView line) const;
    QStringList panelPictures(QStringView line, const chrome::PanelPlace &place) const;
    // The bars the set-up is to hide that no stage has shown yet.
    void hideBarsLeft();
    QList<PictureBox *> barsToHide_;

    scene::SceneRules rules_;
    QPixmap picture_;
    QString pictureName_;
    QString picturePath_;
};

} // namespace simwin
