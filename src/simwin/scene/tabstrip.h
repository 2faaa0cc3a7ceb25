#pragma once
// Dialog tab strips: the sixteen fixed layouts of the editor's tabbed
// dialogs, and the scene builder's tab-strip stage as a plain computation
// over the step record and the window's current values. The window copies the
// result onto its controls; the clicks on the cells are judged by
// checks/tabclick.h, which reads the same layout strings.
//
// Geometry: every rectangle returned here is in window twips, ready for the
// controls. Layout and record values are design twips and are multiplied by
// the scale factors given (x and widths by xScale, y and heights by yScale);
// the picture area's place (TabAreaLeft, TabAreaTop) is already a window
// position and is added as it is. The parked 1 by 1 sizes are unscaled.

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace scene {

// ---- Layouts ------------------------------------------------------------

// A layout string: 155 characters. 1 letter; 2 tab count ("1"-"9", "A"-"D"
// for 10-13); 3-6 row top; 7-9 tab height; for tab i (1-13) 10i..10i+5 its
// page picture and 10i+6..10i+9 its left edge; after the last tab, the next
// slot's left edge is the end edge; 140-155 Cancel spot left, top, width,
// height.
constexpr int TabLayoutLength = 155;
constexpr int MaxTabs = 13;

// The layout of letter "A" to "P"; nullopt for any other letter.
std::optional<QString> tabLayout(QChar letter);

int tabCount(QStringView layout);   // char 2, "A"-"D" = 10-13
int tabRowTop(QStringView layout);  // chars 3-6
int tabHeight(QStringView layout);  // chars 7-9
// Page picture of tab i (1-13): six characters at 10i; empty for i < 1.
QString tabPage(QStringView layout, int i);
// Left edge of slot i (1-14): four characters at 10i+6. Slot count+1 holds
// the end edge.
int tabLeftEdge(QStringView layout, int i);
int tabEndEdge(QStringView layout);
// The Cancel spot of the layout's dialog, design twips relative to the
// dialog area (chars 140-155).
QRect tabCancelSpot(QStringView layout);

// A strip of more than nine tabs has two rows: tabs 1-6 and 7 onward.
inline bool isTwoRow(int count) { return count > 9; }

// Tops of the tab cells 1..count (result index 0 is cell 1), twips: the row
// holding the chosen tab lies 300 design twips below the layout's row top.
QList<double> tabCellTops(const QString &layout, int count, int row, int areaTop, double yScale);

// The hint line of a wrong tab: "请选择第" n "个选项卡".
QString wrongTabHint(int target);

// ---- The scene builder's tab-strip stage -----------------------------------

// The window's tab-strip form variables (same names as on the window).
struct TabForm
{
    QString TabLayout;
    int TabCount = 0;
    int TabTarget = 0;
    int TabImage = 0;
    int TabRow = 1;
    int TabAreaLeft = 0;
    int TabAreaTop = 0;
    QString BackSpec = QStringLiteral("NONO");
};

// What the stage reads besides the record.
struct TabStageInput
{
    TabForm form;                     // the values the previous scene left
    std::array<QPointF, 6> areaPos{}; // current left/top of Image1..Image5 ([1]..[5]), window twips
    QRectF label1;                    // Label1 as stage 7 left it, window twips
    QString hintText;                 // HintText (stage 6)
    int label1BoxWidth = 0;           // Label1BoxWidth, Label1BoxHeight (design twips)
    int label1BoxHeight = 0;
    double xScale = 1;
    double yScale = 1;
};

struct TabStage
{
    TabForm form; // the new form variables

    // True when the record shows a strip (char 130 "X").
    bool strip = false;

    // The rectangles of LblXXK(0) to (13), window twips, captions empty.
    // Cells the stage does not place are given their parked place (1 by 1 at
    // -1 x xScale, -1 x yScale), so the window can apply all fourteen.
    std::array<QRectF, MaxTabs + 1> cells{};

    // Page picture to load into picture area form.TabImage (a ScenePicture
    // name); empty: load nothing.
    QString pagePicture;

    // The hint line's new caption; nullopt leaves it.
    std::optional<QString> hint;

    // Label1's new rectangle (window twips); only its size changes. Shrunk to
    // 1 by 1 while the dialog shows another tab than the target, given its
    // box size again when it shows the target tab. Visibility is not touched.
    QRectF label1;

    // The red box Shape1's new rectangle (visibility not touched): Label1's,
    // or the target tab's cell while another tab is shown.
    QRectF shape1;
};

TabStage tabStripStage(QStringView stepLine, const TabStageInput &in);

// The page picture the stage loads that the record alone names: the shown
// tab's page, when the strip shows another tab than its target on picture
// area 1 to 5 of a known layout. Empty when there is none (a letter without
// a layout keeps the scene's layout, which the record does not tell).
QString tabPagePicture(QStringView stepLine);

} // namespace scene
