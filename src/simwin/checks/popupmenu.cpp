#include "simwin/checks/popupmenu.h"

#include "foundation/programfolder.h"
#include "simwin/scene/linecache.h"
#include "simwin/scene/steprecord.h"

namespace chk {

const std::array<PopupArrayInfo, MenuArrays> kPopupArrays{{
    {"sKvelSub1", 1, 3, 1, 0},
    {"sKvelInde1", 2, 4, 0, 1},
    {"sKvelSub2", 3, 6, 2, 0},
    {"sKvelInde2", 4, 7, 0, 2},
    {"sKvelSub3", 5, 9, 3, 0},
    {"sKvelInde3", 6, 10, 0, 3},
    {"sKvelSub4", 7, 12, 4, 0},
    {"sKvelSub5", 8, 14, 5, 0},
    {"sKvelInde4", 9, 15, 0, 4},
}};
const std::array<int, MenuCascades> kCascadeCaptionLines{2, 5, 8, 11, 13};

int menuFamily(int menuCode)
{
    switch (menuCode / 1000) {
    case 3: return 1;
    case 4: return 2;
    case 5: return 3;
    case 6:
    case 8: return 4;
    default: return 0;
    }
}

QString menuFilePath() { return fnd::inProgramFolder(QStringLiteral("sMenu.sys")); }

MenuBlock readMenuBlock(const QString &path, int family, int menu)
{
    MenuBlock block;
    if (family < 1 || family > 4 || menu < 1 || menu > 9)
        return block;
    const auto lines = scene::cachedLines(path);
    if (!lines)
        return block;
    const int base = (family - 1) * 135 + (menu - 1) * MenuBlockLines;
    for (int k = 1; k <= MenuBlockLines && base + k <= lines->size(); ++k)
        block.lines[k] = lines->at(base + k - 1);
    return block;
}

QStringList menuItems(const QString &line)
{
    QStringList pieces = line.split(u'|');
    if (pieces.size() > MenuSlots)
        pieces.resize(MenuSlots);
    return pieces;
}

bool PopupModel::isEmpty() const
{
    for (int c = 1; c <= MenuCascades; ++c)
        if (cascades[c].visible)
            return false;
    for (int a = 1; a <= MenuArrays; ++a)
        for (const PopupSlot &s : arrays[a])
            if (s.visible)
                return false;
    return true;
}

static bool absent(const std::optional<QString> &line)
{
    return !line || *line == QStringLiteral("0");
}

static void fill(std::array<PopupSlot, MenuSlots> &row, const std::optional<QString> &line)
{
    if (!line)
        return;
    const QStringList items = menuItems(*line);
    for (int i = 0; i < items.size(); ++i)
        row[i] = PopupSlot{items[i], true};
}

PopupModel popupFromBlock(const MenuBlock &block)
{
    PopupModel model;
    for (const PopupArrayInfo &a : kPopupArrays) {
        if (a.cascade != 0 || absent(block.lines[a.blockLine]))
            continue;
        fill(model.arrays[a.arrayDigit], block.lines[a.blockLine]);
    }
    for (const PopupArrayInfo &a : kPopupArrays) {
        if (a.cascade == 0)
            continue;
        const auto &caption = block.lines[kCascadeCaptionLines[a.cascade - 1]];
        if (absent(caption))
            continue;
        model.cascades[a.cascade] = PopupCascade{*caption, true};
        fill(model.arrays[a.arrayDigit], block.lines[a.blockLine]);
    }
    return model;
}

int menuCode(QStringView stepLine)
{
    return scene::menuCodeOverride(stepLine).value_or(scene::stepType(stepLine));
}

PopupModel buildPopup(const QString &menuFile, int menuCode, int popMenuNo)
{
    return popupFromBlock(readMenuBlock(menuFile, menuFamily(menuCode), popMenuNo));
}

bool menuItemIsRight(int menuCode, int popMenuNo, int arrayDigit, int slot)
{
    return menuCode % 10 == slot && (menuCode / 10) % 10 == arrayDigit
           && (menuCode / 100) % 10 == popMenuNo;
}

static int hundreds(int code) { return (code / 100) % 10; }

std::optional<int> overridePopupMenu(QStringView stepLine, int button)
{
    const auto code = scene::menuCodeOverride(stepLine);
    if (!code || button != 2)
        return std::nullopt;
    const int thousands = *code / 1000;
    if (thousands < 3 || thousands > 6)
        return std::nullopt;
    return hundreds(*code);
}

bool isMenuStep(int stepType)
{
    return (stepType >= 3000 && stepType <= 6000) || (stepType >= 8100 && stepType <= 8999);
}

std::optional<int> stepTypePopupMenu(int stepType, int button)
{
    if (!isMenuStep(stepType) || button != 2)
        return std::nullopt;
    return hundreds(stepType);
}

std::optional<int> toolbarPopupMenu(int stepType, int button)
{
    if (stepType <= 3000 || stepType >= 6000 || button != 2)
        return std::nullopt;
    return hundreds(stepType);
}

std::optional<int> hotSpotPopupMenu(int stepType, int button)
{
    if (stepType <= 3300 || stepType >= 3400 || button != 2)
        return std::nullopt;
    return hundreds(stepType);
}

} // namespace chk
