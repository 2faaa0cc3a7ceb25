#pragma once
// The sample question bank as data: units of questions, each a list of step
// records built from named fields, with the texts of the answer-text file
// and the pictures that the records name. The unit tables live in
// unit_*.cpp; samplebank.cpp writes the files.

#include "scenedraw.h"
#include "steprecord.h"

#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace bankgen {

struct Question {
    QString text;       // "|" breaks a line
    QString picture;    // picture question: the illustration's name, else empty
    std::vector<StepRecord> steps;

    Question &operator<<(const StepRecord &s) { steps.push_back(s); return *this; }
};

struct Unit {
    QString name;
    std::vector<Question> questions;
};

// The status line of the editor window in a question's final scene.
inline const QString kDone = QStringLiteral("完成");

// Where a step's hint text stands unless the step says otherwise.
constexpr int kHintLeft = 2700;
constexpr int kHintTop = 7830;

class SampleBank
{
public:
    PictureSet pics;

    // The line of the answer-text file that holds s (added on first use).
    int text(const QString &s);
    // A hint at the usual place, for StepRecord::hint.
    StepRecord hinted(const QString &code, const QString &hintText);

    // An editor-window scene (background) drawn by page over the plain window.
    QString editor(const QString &key, const QString &fileName, const QString &status,
                   const PictureSet::Painter &page);
    // A dialog picture of the given size; content draws in dialog twips.
    QString dialog(const QString &key, const Tw &size, const QString &title, const PictureSet::Painter &content);
    // A small hot-spot picture (handle, button, tooltip).
    QString piece(const QString &key, const Tw &size, const PictureSet::Painter &content);
    // A picture box picture (area 6): its name reads as a number other than 0.
    QString boxPiece(const QString &key, const Tw &size, const PictureSet::Painter &content);
    // A picture question's illustration.
    QString illustration(const QString &key, const Tw &size, const PictureSet::Painter &content);

    const QStringList &answerLines() const { return lines_; }
    std::vector<Unit> units;

private:
    QStringList lines_;
    std::map<QString, int> lineOf_;
};

// A dialog tab-strip layout as the scene builder knows it: tab count, row
// top, tab height, the left edges (and the end edge), page picture names and
// the Cancel spot.
struct TabLayout {
    QChar letter;
    int count = 0;
    int rowTop = 0;
    int tabHeight = 0;
    std::vector<int> lefts; // count + 1 edges; the last is the end edge
    QStringList pages;
    Tw cancel;
};
TabLayout tabLayout(QChar letter);

// Registers every page picture of a layout: the dialog frame, the strip with
// tab i chosen, OK and Cancel buttons, and page(i) for the page's controls.
// Returns the picture size.
Tw addTabPages(SampleBank &b, QChar letter, const QString &title, const QStringList &captions,
               const std::function<void(QPainter &, int tab)> &page);
// Draws a layout's dialog with tab `tab` chosen (also for the step's own
// variants of a page).
void drawTabDialog(QPainter &p, const TabLayout &L, const QString &title, const QStringList &captions, int tab);
Tw tabDialogSize(const TabLayout &L);
// The OK button of a tab dialog, left of its Cancel spot.
Tw tabDialogOk(const TabLayout &L);

// The editor's document pages, in window twips.
namespace page {
constexpr int kLeft = 2700;                  // text column
// Folder pane rows: index.htm, a.htm, b.htm, c.htm, d.htm, photo.jpg, logo.gif, images.
Tw fileRow(int i);
void highlightFile(QPainter &p, int i);

struct Home {
    bool selWelcome = false, boldWelcome = false;
    bool selPhrase = false, boldPhrase = false;
    bool selHeading = false, italicHeading = false;
    bool selLink = false;
    bool logo = true, logoSelected = false, logoBig = false;
    bool linkTip = false;
    bool rule = false;
    QColor background = Qt::white;
    bool logoGuide = false; // a dashed frame where the logo is to be stretched to
};
// Places of the home page.
Tw heading();
Tw welcome();
Tw phraseLine();
Tw link();
Tw logo(bool big = false);
void home(QPainter &p, const Home &h);

struct Table {
    int firstColWidth = 1800;
    int height = 600; // row height
    int selRow1 = 0;  // cells of row 1 selected (from the left)
    int selColA = 0;  // cells of column A selected (from the top)
    bool merged = false, clearedA = false, photoB2 = false, copyA3 = false;
    bool colA = false, colC = false; // whole columns selected
    QColor shading = Qt::white;      // of cell B2
    bool widthGuide = false, heightGuide = false;
    bool thickBorder = false;
    bool form = false;               // a form field under the table
};
Tw cell(const Table &t, int row, int col);
Tw tableRect(const Table &t);
void table(QPainter &p, const Table &t);

struct Frames {
    int leftWidth = 2700;    // width of the contents frame
    int topHeight = 0;       // height of a banner frame, 0 = none
    Tw inner{};              // an inline frame, empty = none
    QColor border = QColor(120, 120, 120);
    bool leftGuide = false, topGuide = false;
    Tw innerGuide{};
    bool twoRows = false;
    QString footer;          // text at the main frame's foot
};
void frames(QPainter &p, const Frames &f);
} // namespace page

// The "另存为" dialog, used by more than one unit.
namespace saveas {
extern const Tw kSize, kName, kSave, kCancel;
QString picture(SampleBank &b);
} // namespace saveas

// The three units.
Unit unitBasics(SampleBank &b);
Unit unitTables(SampleBank &b);
Unit unitFrames(SampleBank &b);

} // namespace bankgen
