#pragma once
// The right-click pop-up of the simulated window as data: the menu file's
// 15-line blocks, the menu code a step asks for, the filling of the pop-up
// (five cascade entries, nine item arrays of ten slots) and the check of a
// chosen item. The window builds a real menu from a PopupModel and hands the
// chosen array digit and slot back to menuItemIsRight.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

namespace chk {

constexpr int MenuBlockLines = 15;
constexpr int MenuSlots = 10;   // slots 0-9 of every item array
constexpr int MenuArrays = 9;   // array digits 1-9
constexpr int MenuCascades = 5; // cascade entries 1-5

// The menu family of a menu code, from its thousands digit: 3, 4, 5, 6 and 8
// give 1, 2, 3, 4 and 4; any other digit names no family (0).
int menuFamily(int menuCode);

// One block of the menu file. lines[k] is block line k (1-15); nullopt where
// the file ended (or could not be read) before that line.
struct MenuBlock
{
    std::array<std::optional<QString>, MenuBlockLines + 1> lines;
};

// "sMenu.sys" in the program folder.
QString menuFilePath();

// Block of family f (1-4), menu m (1-9): file lines (f-1)*135 + (m-1)*15 + 1
// to + 15. A missing file, or a family or menu out of range, gives a block
// with no line read.
// The file's lines are kept and read again when it changes.
MenuBlock readMenuBlock(const QString &path, int family, int menu);

// An item line cut at every "|", at most the first ten pieces, untrimmed.
QStringList menuItems(const QString &line);

struct PopupSlot
{
    QString caption;
    bool visible = false;
    // A "-" slot is a separator line: it keeps its number but cannot be chosen.
    bool isSeparator() const { return caption == QStringLiteral("-"); }
};

struct PopupCascade
{
    QString caption;
    bool visible = false;
};

// Where each item array sits in the pop-up, top to bottom (array digits 1-9):
// its control name, its block line, and either the cascade entry (1-5) whose
// sub-menu holds it or the group (1-4) of plain items in the pop-up itself
// that it is (the other of the two 0).
struct PopupArrayInfo
{
    const char *name;
    int arrayDigit;
    int blockLine;
    int cascade;
    int group;
};
extern const std::array<PopupArrayInfo, MenuArrays> kPopupArrays;
// Caption block lines of the cascade entries 1-5.
extern const std::array<int, MenuCascades> kCascadeCaptionLines;

struct PopupModel
{
    std::array<PopupCascade, MenuCascades + 1> cascades; // 1-5; 0 unused
    std::array<std::array<PopupSlot, MenuSlots>, MenuArrays + 1> arrays; // digit 1-9; 0 unused

    // Nothing visible: what a missing menu file or an unknown menu gives.
    bool isEmpty() const;
};

// Fills the pop-up from a block. Groups whose line is exactly "0" stay hidden;
// a cascade whose caption line is exactly "0" stays hidden and its item line
// is not read. Lines the file did not reach count as absent.
PopupModel popupFromBlock(const MenuBlock &block);

// The step's menu code: the override of characters 86-90 when there is one
// ("R" + four digits; "R8" or "RA" + three digits give 6000 + them), else the
// step type. Read from the record at the moment of asking.
int menuCode(QStringView stepLine);

// The pop-up for a step: family from its menu code, block of menu popMenuNo.
PopupModel buildPopup(const QString &menuFile, int menuCode, int popMenuNo);

// The item check: the chosen slot of array arrayDigit, with menu popMenuNo
// open, is the step's item when units, tens and hundreds digits of the menu
// code say so. The family digit is not part of it.
bool menuItemIsRight(int menuCode, int popMenuNo, int arrayDigit, int slot);

// Openers. Each returns the menu number to set into PopMenuNo and open, or
// nothing. Buttons: 1 left, 2 right, 4 middle.
//  - main target release, the override step: an override whose thousands digit
//    is 3-6, right button;
std::optional<int> overridePopupMenu(QStringView stepLine, int button);
//  - main target release, the step's own code: a menu step, right;
bool isMenuStep(int stepType); // 3000-6000 or 8100-8999
std::optional<int> stepTypePopupMenu(int stepType, int button);
//  - toolbar picture outside its cells: above 3000 and below 6000, right;
std::optional<int> toolbarPopupMenu(int stepType, int button);
//  - a bar cell released with a button other than the left one: above 3300
//    and below 3400, right.
std::optional<int> hotSpotPopupMenu(int stepType, int button);

} // namespace chk
