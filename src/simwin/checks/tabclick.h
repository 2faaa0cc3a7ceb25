#pragma once
// Clicks on the cells of a dialog's tab strip and on its Cancel spot, as
// data: which page to show, which row of a two-row strip goes in front, what
// the hint line and the red box become, where a Cancel goes back to.

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace chk {

// The strip as the scene builder left it (its form variables).
struct TabStrip
{
    QString layout;   // the 155-character layout string
    int count = 0;    // number of tabs, 1-13
    int target = 0;   // the tab the step asks for
    int image = 0;    // picture area 1-5 showing the dialog
    int areaTop = 0;  // top of that area, twips
    QString hintText; // the step's hint text
};

// A click on tab cell index (1-13; the Cancel spot 0 is cancelStep).
struct TabClick
{
    // Pictures to load, in this order, into picture area `image` (empty: none;
    // both are empty when the area is not 1-5): the clicked tab's page, then
    // for the right tab the step record's own picture of that area, loaded
    // by name whatever it is ("000000" and "888888" too); a missing file
    // leaves the page.
    QString pagePicture;
    QString ownPicture;
    std::optional<int> newRow; // two-row strip: TabRow becomes this, then place rows
    // Right tab: Label1 visible with its box size again (left and top kept)
    // and the red box on Label1's rectangle. Wrong tab: Label1 shrinks to 1
    // by 1 twip (visibility kept) and the red box takes cell `target`'s
    // rectangle. Choosing the right tab does not advance the step.
    bool rightTab = false;
    QString hint; // the hint line's new caption
};
TabClick tabClick(int index, const TabStrip &strip, QStringView stepLine);

// The Cancel spot (cell 0): the step to rebuild. backSpec "Q" + four
// characters goes back by its last character's number (0 counts as 1), any
// other value back by one; never below step 1.
int cancelStep(const QString &backSpec, int stepNo);

} // namespace chk
