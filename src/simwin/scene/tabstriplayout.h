#pragma once
// The sixteen dialog tab-strip layouts "A" to "P": each the 155-character
// string the scene builder and the tab clicks read, and its decoded form.
// Places are twips relative to the picture area that shows the dialog.
//
// No widget header: the bank tools use it too.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

namespace tabstrip {

constexpr int LayoutLength = 155;

// The layout string of a letter "A" to "P"; empty for any other character.
QString layoutString(QChar letter);

struct TabStripLayout {
    QChar letter;
    int tabCount = 0;        // 1 to 13 (char 2: "1" to "9", "A" to "D")
    int rowTop = 0;          // chars 3-6
    int tabHeight = 0;       // chars 7-9
    QStringList pages;       // page picture of tab i at index i - 1
    std::vector<int> lefts;  // left edge of tab i at index i - 1, then the end edge
    int cancelLeft = 0, cancelTop = 0, cancelWidth = 0, cancelHeight = 0;
};
// Decodes a layout string; nullopt when it is shorter than a layout or its
// tab count is not 1 to 13.
std::optional<TabStripLayout> decode(QStringView layout);
// The layout of a letter "A" to "P".
std::optional<TabStripLayout> layout(QChar letter);

} // namespace tabstrip
