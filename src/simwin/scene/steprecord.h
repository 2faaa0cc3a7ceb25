#pragma once
// src/simwin/scene/ (layer 3, core library, namespace scene): the
// simulated window's model: the step record (this header), the line cache,
// key codes, cursor shapes, tab-strip layouts, the step state and the scene
// builder's stages as plain computations.
//
// The step record: one line of a step file describing one scene and the
// operation expected in it, at fixed 1-based character positions. Every
// accessor here reads its field from the record text at the moment it is
// called and keeps nothing, because a check may advance the step (and so
// replace the record) in the middle of its own event handler.
//
// The fields' places are the bank's (bank::Step). Short records and letters
// in numeric fields give defined results: a field past the end of the line is
// the part of it the line holds (possibly empty), and a numeric field reads
// its leading digits (a letter first reads as 0).
//
// Also here: the answer-text lines (answers, initial texts, list items and
// hint texts) that records reference by three-digit line numbers.
//
// No widget header: this file is tested and fuzzed on its own.

#include "bank/bankfiles.h"
#include "simwin/scene/scenerules.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace scene {

// A record has at least this many characters; nothing past it is read.
constexpr int RecordLength = bank::StepRecordLength;

// Picture values with a meaning of their own wherever a picture name stands.
inline constexpr QStringView HidePicture = u"000000";
inline constexpr QStringView KeepPicture = u"888888";

// ---- Raw access ---------------------------------------------------------

// Characters pos .. pos+width-1 (pos from 1), as many as the line holds.
QStringView chars(QStringView line, int pos, int width);
// The character at pos (from 1), or QChar() past the end.
QChar charAt(QStringView line, int pos);
// A numeric field: its leading digits; a field that begins with anything
// else (or lies past the end) reads as 0.
int number(QStringView line, int pos, int width);
// The value of one character read as a number: a digit's value, else 0.
int digitValue(QChar c);

// ---- Jumps --------------------------------------------------------------

// The step a one-character jump names: "0" gives 0 (no jump: the next step);
// "1" to "9" steps 1 to 9; "A" to "Z" steps 10 to 35. Any other character
// (a lower-case letter, a blank) gives 9, an empty text 10 - the arithmetic
// of the jump procedure, kept so that every reader agrees with it.
int jumpStep(QStringView digit);

// ---- Pane and bar fields (chars 4-5, 6-7) --------------------------------

QStringView paneField(QStringView line);
// "X" followed by a digit d: the pane set d (0-9); otherwise -1.
int paneSet(QStringView line);
// "EE" in the pane field or in the bar field: a plain press on Label4 is not
// the step's operation.
bool paneOrBarIsEE(QStringView line);

enum BarBit { MenuBar = 1, StandardBars = 2, DrawingBar = 4 };
QStringView barField(QStringView line);
// The bars to show as a bit set (0 to 7): char 6 "A", "B" or "C" and char 7 a
// digit "1" to "7"; anything else shows no bar.
int barBits(QStringView line);
// Char 6 "B": the extra panel is shown with the bars (until the panel
// layout decides otherwise).
bool barShowsExtraPanel(QStringView line);

// ---- Operation code (chars 8-11) -----------------------------------------

QStringView stepTypeText(QStringView line);
// The code read as a number (0 for codes that begin with a letter).
int stepType(QStringView line);
// Codes "004x" (outline drag) and "005x" (pointer drag): drag-and-drop steps.
bool isOutlineDragStep(QStringView line);
bool isDragAndDropStep(QStringView line);
// "L" and three digits: a list step whose items are answer-text line ddd.
bool isListStep(QStringView line);
int listItemsLine(QStringView line);

// ---- Pictures -------------------------------------------------------------

QStringView background(QStringView line); // chars 12-17

struct PictureArea {
    int index = 0;   // 1 to 6
    int left = 0;    // design twips
    QChar jump;      // JumpDigit of a click on the picture
    int top = 0;     // design twips
    QString name;    // six characters (fewer in a short record)
    bool absent = false; // hidden, nothing else changes
    bool keep = false;   // "888888": keeps the picture it shows
};
// Area k (1-6) starts at 18, 34, 50, 135, 151, 197. Areas 1 to 5 are absent
// when the name is the text "000000"; area 6 when the name reads as the
// number 0.
PictureArea pictureArea(QStringView line, int k);
// The names of the pictures the record loads: its background, then areas 1
// to 6, leaving out what is kept or absent.
QStringList loadedPictures(QStringView line);

// ---- Boxes (20 characters: left, jump, top, width, height) ----------------

struct BoxSpec {
    int left = 0;
    QChar jump;
    int top = 0;
    int width = 0;
    int height = 0;
    bool absent = false;
};
// Label1 (chars 66-85): absent when all 20 characters are "0".
BoxSpec label1Box(QStringView line);
// Text1 (chars 86-105): present only when the 20 characters read as a number
// other than 0 (otherwise they hold the overlays below).
BoxSpec text1Box(QStringView line);
// Label4 (chars 177-196): absent when chars 187-196 are ten "0".
BoxSpec label4Box(QStringView line);

// ---- Overlays of chars 86-105 and 125-134 --------------------------------

struct TargetSpec {
    QString text;    // the ten characters
    QChar kind;      // 'H' hot-spot path, 'D' marked drop-down item, else none
    int hotSpot = 0; // chars 2-3: the LblZHU cell
    int item = 0;    // chars 4-5: item of its drop-down, 0 = the cell itself
    int subItem = 0; // chars 6-7 ('H'): sub-item, 0 = none
    QString stem;    // chars 7-10 ('D'): the marked item's picture stem, as it stands
    QChar jump;      // char 10 ('H'): JumpDigit when hit
    bool isPath() const { return kind == u'H'; }
    bool isMarkedItem() const { return kind == u'D'; }
};
// Start position of target k (1-3): 125, 86, 96.
int targetSpecPos(int k);
TargetSpec targetSpec(QStringView line, int k);

struct KeyAlt {
    bool present = false; // "P" and a code in the 6000s
    int code = 0;         // the last four characters as a number
    int shift = 0;        // hundreds digit: 1 Shift, 2 Ctrl, 4 Alt, summed
    int keyDigits = 0;    // last two digits, before any decoding by place
};
// Key alternative k (1-3) starts at 86, 91, 96.
KeyAlt keyAlt(QStringView line, int k);

// Chars 86-90: "R" and four digits gives that number; "R8" or "RA" and three
// digits gives 6000 + those digits. nullopt when char 86 is not "R". Letters
// read as 0, which names no menu family.
std::optional<int> menuCodeOverride(QStringView line);

// Chars 86-88: "H" and a cell number 32 to 40 names the step's extra panel;
// 0 when there is none.
int extraPanel(QStringView line);
int extraPanelLeft(QStringView line); // chars 96-100
int extraPanelTop(QStringView line);  // chars 102-105

struct CursorSpec {
    enum Kind { Default, Standard, Custom };
    Kind kind = Default;
    int number = 0; // chars 104-105: the standard pointer, or the "ico" file
    // The cursor file's two-character suffix ("ico" + it + ".CUR").
    QString fileDigits;
};
CursorSpec cursorSpec(QStringView line); // chars 101-105

QChar dropJump(QStringView line); // char 102

// ---- Text references -------------------------------------------------------

QStringView initialTextField(QStringView line); // chars 106-108
QStringView answerField(QStringView line);      // chars 109-111
int answerNumber(QStringView line);             // list steps: expected index
int initialNumber(QStringView line);            // list steps: first selection

// Chars 112-121 "0000000000": the hint keeps its place and text, and the
// hint field is not read.
bool hintKeepsPlace(QStringView line);
int hintLeft(QStringView line);            // chars 112-116
int hintTop(QStringView line);             // chars 117-121
QStringView hintField(QStringView line);   // chars 122-124

// ---- Text box font (chars 125-134) -----------------------------------------

struct FontSpec {
    double pointSize = 9; // design points (before the x scale)
    enum Align { Left, Right, Center };
    Align align = Left;
    int style = -1;       // bits 1 bold, 2 italic, 4 underline; -1 unchanged
    QString family;       // empty: unchanged
    int textColor = -1;   // 0xRRGGBB; -1 unchanged
    int backColor = 0xFFFFFF; // 0xRRGGBB, always set
};
// rules.textColour3: text colour digit 3 gives (85, 160, 153).
FontSpec fontSpec(QStringView line, const SceneRules &rules = SimulatedWindowRules);

// ---- Dialog parts ----------------------------------------------------------

// Chars 125-129 when char 125 is "Q" (the step has a Cancel spot), else
// "NONO".
QString backSpec(QStringView line);
bool hasBackSpec(QStringView line);

struct TabSpec {
    bool present = false; // char 130 "X"
    QChar layout;         // char 131, "A" to "P"
    int shownTab = 0;     // char 132
    int targetTab = 0;    // char 133
    int pictureArea = 0;  // char 134
};
// A tab number: a digit's value, "A" to "D" 10 to 13, anything else 0.
int tabNumber(QChar c);
TabSpec tabSpec(QStringView line);

int dragLimitX(QStringView line); // chars 167-171
int dragLimitY(QStringView line); // chars 172-176

// ---- Answer-text lines ----------------------------------------------------

// Line n (from 1) of an answer-text file (the run's is run::CommonDataFile),
// from its 4th character. A number past the end, or below 1, gives the last
// line. nullopt ("no text") when the file is missing, unreadable or empty:
// distinct from an empty text. Lines are kept per file and read again when
// the file changes.
std::optional<QString> commonDataText(const QString &path, int n);

// A three-character reference field: "000" is the empty text and is never
// looked up; anything else is looked up by its number in the answer-text
// file at path.
std::optional<QString> lookup(const QString &path, QStringView field);

// The text a text box starts with, by its reference field: the whole
// line's text before its first "|", from its 4th character on, so a line
// whose first "|" is among its first four characters gives an empty text
// ("000", or no answer-text file: empty too).
QString initialBoxText(const QString &path, QStringView field);

// The text before the first "|" (the whole text without one).
QString beforeFirstBar(const QString &text);
// The two alternatives at the first "|"; both the whole text without one.
std::pair<QString, QString> alternatives(const QString &text);
// List items: the text split at every "|".
QStringList listItems(const QString &text);

} // namespace scene
