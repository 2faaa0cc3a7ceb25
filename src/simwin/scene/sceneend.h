#pragma once
// The last two stages of the scene builder as plain decisions: what the
// step's operation code does to the scene (auto-advance, collapsed targets,
// the question's final scene, the typing-box variants, typing hints, list
// steps), and the finish (red-box and hint-box visibility, bars, hint line
// breaks). The window applies the results to its controls.

#include "run/runstate.h"
#include "simwin/scene/cursorshape.h"
#include "simwin/scene/scenerules.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

namespace scene {

// ---- The question's final scene ("9999") -----------------------------------

// A question's state with the completed bit (4): added only while the state
// is below 4, so reaching the final scene again changes nothing.
int completedState(int state);
// The current question TmNo's TmState with the completed bit (none outside
// questions 1 to MaxQuestions).
void completeCurrentQuestion();

// The question window's list of unfinished questions: "未完成的题目", then
// " " and the number of every question 1..tmSum whose state is below 4.
QString unfinishedCaption(const std::array<qint16, run::MaxQuestions + 1> &states, int tmSum);

// The question window's header with every "(未完成)" turned into "(已完成)".
QString completedHeader(QString header);

// ---- Typing hints and list steps ---------------------------------------------

// A typing step's hint: alternative answers ("|") read as a list of choices.
QString typingAlternatives(QString caption);

// The items of a list step (code "L" + the answer-text line of its items)
// and the item selected at the start (chars 106-108, from 0).
struct ListStep
{
    QStringList items; // the line split at every "|"; empty when there is no line
    int selected = -1; // -1: the start index names no item
    QString selectedText; // the simulated list's text cell shows it
};
// The items are looked up in the answer-text file at answerFile. "000" names
// no line (an empty list), and a file that cannot be read gives no items;
// rules.listReadsToTheEnd: "000" reads to the file's last line, and a file
// that cannot be read gives one empty item.
ListStep listStep(QStringView stepLine, const QString &answerFile, const SceneRules &rules = SimulatedWindowRules);

// ---- Operation-code stage ----------------------------------------------------

struct CodeStage
{
    int stepType = 0;     // StepType: chars 8-11 as a number (0 for a letter first)
    bool timer3 = false;  // Timer3 enabled ("8888" advances by itself)
    // Handle-drag codes ("80.."): Label1 and Label4 shrink to 1 by 1
    // (unscaled), so only the handle can be used.
    bool collapseTargets = false;

    // "9999": the question is complete. The window then sets TmState(TmNo)
    // to completedState(), the question window's LblUnit caption to
    // unfinishedCaption() and its LblBiao caption to completedHeader().
    bool finalScene = false;
    // Final scene outside the exam: LblSuccess shown, LHelp hidden.
    bool showSuccess = false;

    // "0021": Text2 takes Text1's text, left, top, height and width and is
    // shown, Text1 hidden; otherwise Text2 hidden.
    bool useText2 = false;
    // "0027": Text3 takes Text1's text, place, size, font size and name,
    // colours and bold, and is shown, Text1 hidden; otherwise Text3 hidden.
    bool useText3 = false;

    // rules.demoTypingHints, "0028": the edit-line box Text4 is shown at its
    // place; otherwise hidden.
    bool useText4 = false;

    // Typing steps with a wording: Text1's selection length becomes 0.
    bool clearText1Selection = false;
    // rules.demoTypingHints, "002" codes: the text the demonstration types,
    // the hint as it stood (its "|" kept).
    std::optional<QString> typeText;

    bool shape1Visible = false; // Shape1's visibility after the stage
    QString hint;               // LHelp's caption after the stage
    bool hintVisible = false;   // LHelp's visibility after the stage

    // List step: LstLA and its four border strips shown at Text1's place
    // (listBorders), Text1 hidden, items and selection from here, LblXXK(0)
    // showing the selected item at the list's width. Otherwise: LstLA and the
    // strips hidden and LblXXK(0)'s caption emptied.
    std::optional<ListStep> list;
};

// hint, hintVisible: LHelp's caption and visibility as the earlier stages
// left them; answerMode: 1 hints, 2 practice, 3 exam; answerFile: the run's
// answer-text file (a list step's items).
CodeStage operationCodeStage(QStringView stepLine, const QString &hint, bool hintVisible, int answerMode,
                             const QString &answerFile, const SceneRules &rules = SimulatedWindowRules);

// The four border strips of the simulated list (15 twips thick, the sides
// scaled by xScale, top and bottom by yScale), window twips.
struct ListBorders
{
    QRectF left, right, top, bottom;
};
ListBorders listBorders(const QRectF &list, double xScale, double yScale);

// A hint caption with every "|" turned into a line break.
QString hintLines(const QString &hint);

// ---- Finish stage --------------------------------------------------------------

// The bars the bar field (chars 6-7) shows; the extra panel stays only if
// the panel layout that runs after it keeps it.
struct BarsShown
{
    bool PicMenu = false, PicTool = false, PicHui = false, PicElse = false;
    bool operator==(const BarsShown &) const = default;
};
// rules.barsFromBothFields: only "A" and "B" show bars, from characters 6-7
// and again from 4-5.
BarsShown barsShown(QStringView stepLine, const SceneRules &rules = SimulatedWindowRules);

struct FinishStage
{
    bool hideShape1 = false;   // Label1 hidden or at most 10 twips high
    bool shape2Visible = false; // Shape2 follows LHelp
    scene::PointerChoice label1Pointer; // Label1's mouse pointer
    BarsShown bars;
    QString hint;              // LHelp's caption with every "|" a line break
};
// label1Height in window twips.
FinishStage finishStage(QStringView stepLine, bool label1Visible, double label1Height, const QString &hint,
                        bool hintVisible, const SceneRules &rules = SimulatedWindowRules);

// ---- The bar path of a "7000" step -----------------------------------------

// The path the demonstration replays: the target field at 125-134 when
// character 125 is "H", else the one at 86-95, whatever its first
// character. Hot spot (its characters 2-3), item (4-5; item 86 stands for
// 57), sub-item (6-7) and jump digit (10). nullopt for any other code.
struct BarPath
{
    int hotSpot = 0;
    int item = 0;
    int subItem = 0;
    QString jump = QStringLiteral("0");
};
std::optional<BarPath> barPath(QStringView stepLine);

} // namespace scene
