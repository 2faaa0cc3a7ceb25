#pragma once
// src/bank/ (layer 0, core library, namespace bank): this header alone.
//
// The bank's definition, written once for the program, the generator, the
// checker and the tests: the names of the data folder's and the record
// folder's files by meaning, the working files of a run, and the step
// record's fields as {first character, width}.
//
// File names here are bare ("288890"); a data-folder file's path is
// fnd::dataFile(name). The run's own paths (run::StepFile, run::TmFile,
// run::CommonDataFile) are made from them. Qt only: every layer may use it.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <algorithm>
#include <array>

namespace bank {

// ---- The data folder (DataPath & name & ".mxy") ----------------------------

inline const QString CommonDataFile = QStringLiteral("288890"); // answer, list and hint texts
inline const QString PaperListFile = QStringLiteral("288891");  // paper and unit counts, the papers' ids
inline const QString FirstRunFile = QStringLiteral("288892");   // "0" until the install record is written
inline const QString BankVersionFile = QStringLiteral("288895"); // a copy of the last update manifest
inline const QString ModuleNoFile = QStringLiteral("288899");   // the data folder's module number
inline const QString ProductInfoFile = QStringLiteral("288901"); // product information lines

// The question window's pictures: background, function buttons (with the
// exam variants of mark and unmark), the picture toggle, the language
// button, the chooser's state cells and the chooser's and candidate panel's
// buttons.
inline const QStringList QuestionWindowPictures{
    QStringLiteral("l01000"), QStringLiteral("l01001"), QStringLiteral("l01002"), QStringLiteral("l01003"),
    QStringLiteral("l01004"), QStringLiteral("l01005"), QStringLiteral("l01006"), QStringLiteral("l01007"),
    QStringLiteral("l01008"), QStringLiteral("l01009"), QStringLiteral("l01010"), QStringLiteral("l01011"),
    QStringLiteral("l01053"), QStringLiteral("l01054"), QStringLiteral("l01043"), QStringLiteral("l01044"),
    QStringLiteral("l01030"), QStringLiteral("l01031"), QStringLiteral("l01032"), QStringLiteral("l01045"),
    QStringLiteral("l01047"), QStringLiteral("l01048"), QStringLiteral("l01046")};

// The mock exam's pictures: the logon's two pages, the hand-in
// confirmations' hand-in and cancel buttons, the score window's panel, its
// completed and not completed number cells and its three buttons, the
// show-answer prompt's two buttons.
inline const QStringList ExamPictures{
    QStringLiteral("9l0056"), QStringLiteral("9l0057"), QStringLiteral("l01041"), QStringLiteral("l01042"),
    QStringLiteral("9l0058"), QStringLiteral("l01033"), QStringLiteral("l01034"), QStringLiteral("l01035"),
    QStringLiteral("l01036"), QStringLiteral("l01037"), QStringLiteral("l01038"), QStringLiteral("l01039")};

// ---- Working files of a run: "2888" & two digits ---------------------------

// The question set kinds whose numbers name files of their own.
inline constexpr int FixedPaperSet = 0; // paper p runs on its own files p and p + 50
inline constexpr int ComposedSet = 19;  // every set composed for a run (PaperType + TaoNo)
inline constexpr int UnitSet = 20;      // a whole unit: its own files 20 + u and 70 + u
// The question file's number is the step file's plus this.
inline constexpr int QuestionFileOffset = 50;

// The last two characters of "00" followed by the decimal value of n.
inline QString twoDigits(int n) { return (QStringLiteral("00") + QString::number(n)).right(2); }

struct WorkFiles
{
    QString step; // StepFile: step records, one line per scene
    QString tm;   // TmFile: question lines, one per question
};
// The working pair number n: "2888" & the two digits of n, and of n + 50.
inline WorkFiles workFilesNumbered(int n)
{
    return {QStringLiteral("2888") + twoDigits(n), QStringLiteral("2888") + twoDigits(n + QuestionFileOffset)};
}
// The step file and the question file of the set PaperType + TaoNo.
inline WorkFiles workFiles(int paperType, int taoNo) { return workFilesNumbered(paperType + taoNo); }
// The files of unit u (from 0), which the whole-unit practice runs on and
// every composed set is copied from.
inline WorkFiles unitFiles(int unit) { return workFiles(UnitSet, unit); }
// The working files fixed paper p (from 0) runs on.
inline WorkFiles paperFiles(int paper) { return workFiles(FixedPaperSet, paper); }

// ---- The record folder ("ksdata" in the program folder) --------------------

// A record file is program folder & "/ksdata/" & name & ".mxy".
inline const QString RecordFolder = QStringLiteral("ksdata");

// The record folder reuses numbers of the data folder for other files.
inline const QString ImeOptionFile = QStringLiteral("288890");   // "1": automatic input-method switching
inline const QString RandomPaperFile = QStringLiteral("288891"); // one id list per random paper
inline const QString ShiJuanHisFile = QStringLiteral("288892"); // three lines per paper slot
inline const QString UnitProgressFile = QStringLiteral("288893"); // one flag string per unit
inline const QString BiaoZhiIdFile = QStringLiteral("288862");   // marked questions
inline const QString BiaoZhiFlagFile = QStringLiteral("288872"); // their reviewed flags
inline const QString CuoTiIdFile = QStringLiteral("288863");     // wrong-question collection
inline const QString CuoTiFlagFile = QStringLiteral("288873");   // its reviewed flags
inline const QString AdFile = QStringLiteral("170100");          // advertisement text
// The questions of paper slot s (0 to 29) left not completed in its last
// exam: "1824" & the last two characters of "0" & s.
inline QString ShiJuanCuoTiFile(int slot) { return QStringLiteral("1824") + twoDigits(slot); }

// ---- The step record --------------------------------------------------------

// A field: its first character (from 1) and its width.
struct Field
{
    int first = 0;
    int width = 0;
    constexpr int last() const { return first + width - 1; }
    // A part of this field given relative to it ({1, w} is its start).
    constexpr Field part(Field sub) const { return {first + sub.first - 1, sub.width}; }
};

// A record has at least this many characters; nothing past it is read.
inline constexpr int StepRecordLength = 212;

// The parts of the fields that hold several values, relative to the field
// ({1, w} is its start).
struct BoxParts // Label1, Text1, Label4: 20 characters
{
    Field left{1, 5}, jump{6, 1}, top{7, 4}, width{11, 5}, height{16, 5};
    Field size{11, 10}; // width and height together
};
struct AreaParts // picture areas: 16 characters
{
    Field left{1, 5}, jump{6, 1}, top{7, 4}, name{11, 6};
};
struct TargetParts // targets: 10 characters
{
    Field kind{1, 1}, hotSpot{2, 2}, item{4, 2}, subItem{6, 2}, stem{7, 4}, jump{10, 1};
};
struct KeyAltParts // key alternatives: 5 characters
{
    Field mark{1, 1}, code{2, 4};
};
struct PanelParts // the extra panel's cell (in the menu override's place)
{
    Field mark{1, 1}, cell{2, 2};
};
struct MenuOverrideParts
{
    Field mark{1, 1}, code{2, 4}, family{2, 1}, item{3, 3};
};
struct CursorParts
{
    Field kind{1, 1}, number{4, 2};
};
struct FontParts // 10 characters
{
    Field size{2, 3}, align{5, 1}, style{7, 1}, family{8, 1}, textColor{9, 1}, backColor{10, 1};
};
struct TabParts // 5 characters
{
    Field mark{1, 1}, layout{2, 1}, shown{3, 1}, target{4, 1}, area{5, 1};
};
inline constexpr BoxParts Box{};
inline constexpr AreaParts Area{};
inline constexpr TargetParts Target{};
inline constexpr KeyAltParts KeyAlt{};
inline constexpr PanelParts Panel{};
inline constexpr MenuOverrideParts MenuOverride{};
inline constexpr CursorParts Cursor{};
inline constexpr FontParts Font{};
inline constexpr TabParts Tabs{};

struct StepFields
{
    Field pane{4, 2};        // "X" + pane set, or "EE"
    Field bars{6, 2};        // "A", "B" or "C" + bar bits, or "EE"
    Field code{8, 4};        // the operation code
    Field background{12, 6}; // the scene's screenshot
    // Picture areas 1 to 6 ([0] unused), 16 characters each (AreaParts).
    std::array<Field, 7> area{{{}, {18, 16}, {34, 16}, {50, 16}, {135, 16}, {151, 16}, {197, 16}}};
    Field label1{66, 20}; // main target box (BoxParts)
    Field text1{86, 20};  // typing box; the same characters hold the overlays below
    // Targets 1 to 3 ([0] unused), ten characters each (TargetParts): "H"
    // hot-spot path or "D" marked drop-down item.
    std::array<Field, 4> target{{{}, {125, 10}, {86, 10}, {96, 10}}};
    // Key alternatives 1 to 3 ([0] unused): "P" and a four-digit code
    // (KeyAltParts).
    std::array<Field, 4> keyAlt{{{}, {86, 5}, {91, 5}, {96, 5}}};
    Field menuOverride{86, 5}; // "R" and the menu code (MenuOverrideParts)
    Field extraPanel{86, 3};   // "H" and the panel's cell 32 to 40 (PanelParts)
    Field panelLeft{96, 5};
    Field panelTop{102, 4};
    Field cursor{101, 5};      // "S" standard or "M" custom pointer (CursorParts)
    Field dropJump{102, 1};
    Field initialText{106, 3}; // answer-text line of the box's first text
    Field answer{109, 3};      // answer-text line of the expected text
    Field hintPlace{112, 10}; // left and top; all "0": the hint stays as it is
    Field hintLeft{112, 5};
    Field hintTop{117, 5};
    Field hintText{122, 3};    // answer-text line of the hint
    Field font{125, 10};       // the typing box's font (FontParts)
    Field backSpec{125, 5};    // "Q" and the steps a Cancel goes back
    Field tabs{130, 5};        // a dialog's tab strip (TabParts)
    Field dragLimitX{167, 5};
    Field dragLimitY{172, 5};
    Field label4{177, 20};     // second target box (BoxParts)
};
inline constexpr StepFields Step{};

// ---- The question line ------------------------------------------------------

// A question file's line: four characters not read, the question's step
// count, then its text; a text that begins "picture" names a picture in the
// six characters after that word, and the text proper follows it.
struct TmFields
{
    Field id{1, 4};
    Field stepCount{5, 2};
    Field pictureMark{7, 7};
    Field pictureName{14, 6};
};
inline constexpr TmFields Tm{};

// A field's characters, as many as the line holds.
inline QStringView chars(QStringView line, Field f)
{
    const qsizetype start = f.first - 1;
    if (f.first < 1 || f.width <= 0 || start >= line.size())
        return {};
    return line.mid(start, std::min<qsizetype>(f.width, line.size() - start));
}


} // namespace bank
