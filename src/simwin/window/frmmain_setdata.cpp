// The scene builder: turns step StepNo of question TmNo into a scene. Every
// stage is independent: an operation that fails (a missing picture, an
// unreadable file, a refused focus) is skipped and the next one runs.
#include "simwin/window/frmmain.h"

#include "bank/bankfiles.h"
#include "examflow/frmtm.h"
#include "foundation/globals.h"
#include "foundation/numparse.h"
#include "run/runstate.h"
#include "simwin/checks/tabclick.h"
#include "simwin/scene/cursorshape.h"
#include "simwin/scene/linecache.h"
#include "simwin/scene/sceneend.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/scene/tabstrip.h"
#include "simwin/window/twips.h"

#include <QLineEdit>
#include <QListWidget>
#include <QScopedValueRollback>

using fnd::XBiLi;
using fnd::YBiLi;
using simwin::HotSpot;
using simwin::PictureBox;

void FrmMain::setHintCaption(const QString &caption)
{
    if (LHelp->text() == caption)
        return;
    LHelp->setText(caption);
    LHelp->adjustSize();
    simwin::syncTwipsFromPixels(LHelp);
}

void FrmMain::setData()
{
    QScopedValueRollback<bool> guard(building_, true);
    ++sceneSerial_;
    stageSetUp();
    stageLoadRecord();
    stageFirstStep();
    stagePictures();
    stageTextBox();
    stageHint();
    stageMainTarget();
    stageTabStrip();
    stageSecondTarget();
    stageOperationCode();
    stageFinish();
    runDeferredChecks();
}

// Stage 1: success label, window order, drop-down parked, working-file names,
// bars hidden, text-box font size, Label4's pointer.
void FrmMain::stageSetUp()
{
    LblSuccess->hide();
    orderWindows();
    simwin::moveTwips(Pic1J, 30000 * XBiLi, 30000 * YBiLi);
    const bank::WorkFiles files = bank::workFiles(run::PaperType, run::TaoNo);
    run::StepFile = fnd::dataFile(files.step);
    run::TmFile = fnd::dataFile(files.tm);
    for (QWidget *w : {static_cast<QWidget *>(PicMenu), static_cast<QWidget *>(PicTool),
                       static_cast<QWidget *>(PicHui), static_cast<QWidget *>(PicElse),
                       static_cast<QWidget *>(Shape6)})
        w->hide();
    for (QLineEdit *t : {Text1, Text2}) {
        QFont f = t->font();
        f.setPointSizeF(9 * XBiLi);
        t->setFont(f);
    }
    setLabel4Pointer(0, QString());
}

// Stage 2: line StepStart(TmNo) + StepNo - 1 of the step file; the last line
// of a shorter file; StepLine unchanged when the file cannot be read.
void FrmMain::stageLoadRecord()
{
    const int tm = std::clamp<int>(run::TmNo, 0, run::MaxQuestions);
    const int n = run::StepStart[tm] + scene::StepNo - 1;
    if (const auto line = scene::cachedLineClamped(run::StepFile, n))
        scene::StepLine = *line;
}

// Stage 3: the first step of a question clears the hot-spot pictures; the
// question resumes here; the tab cells lose their captions. Nothing reads the
// cells' places before the tab-strip stage, which places or parks all of
// them.
void FrmMain::stageFirstStep()
{
    const int tm = std::clamp<int>(run::TmNo, 0, run::MaxQuestions);
    if (scene::StepNo == 1)
        for (int k = 1; k <= 6; ++k)
            Image[k]->clearPicture();
    scene::TmStep[tm] = scene::StepNo;
    for (HotSpot *cell : LblXXK)
        cell->setText(QString());
}

// Stage 4: background and the six picture areas; drag start and limits.
void FrmMain::stagePictures()
{
    const QString &line = scene::StepLine;
    const int tm = std::clamp<int>(run::TmNo, 0, run::MaxQuestions);
    const QString bg = scene::background(line).toString();
    if (bg != scene::KeepPicture) {
        loadPicture(fnd::dataFile(bg));
        scene::TmPics[tm][0] = bg;
    }
    for (int k = 1; k <= 6; ++k) {
        const scene::PictureArea a = scene::pictureArea(line, k);
        PictureBox *img = Image[k];
        if (a.absent) {
            img->hide();
            continue;
        }
        const double left = a.left * XBiLi, top = a.top * YBiLi;
        simwin::moveTwips(img, left, top);
        if (!a.keep) {
            img->loadPicture(fnd::dataFile(a.name));
            scene::TmPics[tm][k] = a.name;
        }
        simwin::syncTwipsFromPixels(img);
        img->show();
        if (k == 5) {
            // Twips stored in integers are rounded, halves to even, as the
            // handle's own moves and restores are.
            DragX = qint32(fnd::roundHalfEven(left));
            DragY = qint16(fnd::roundHalfEven(top));
        }
    }
    DragLimitX = qint16(scene::dragLimitX(line));
    DragLimitY = qint16(scene::dragLimitY(line));
}

// Stage 5: the typing box with its initial text, selection and font.
void FrmMain::stageTextBox()
{
    const QString &line = scene::StepLine;
    const scene::BoxSpec box = scene::text1Box(line);
    if (box.absent) {
        Text1->hide();
        Text2->hide();
        return;
    }
    Text1->show();
    simwin::setTwipsRect(Text1, box.left * XBiLi, box.top * YBiLi, box.width * XBiLi, box.height * YBiLi);
    // The initial text's line before its first "|" ("000", or no answer-text
    // file: empty).
    const auto initial = scene::lookup(run::CommonDataFile, scene::initialTextField(line));
    fillBox(Text1, scene::beforeFirstBar(initial.value_or(QString())), DeferText1);
    Text1->setFocus();
    Text1->setSelection(0, int(Text1->text().size()));

    const scene::FontSpec font = scene::fontSpec(line);
    Qt::Alignment align = Qt::AlignLeft;
    if (font.align == scene::FontSpec::Right)
        align = Qt::AlignRight;
    else if (font.align == scene::FontSpec::Center)
        align = Qt::AlignHCenter;
    Text1->setAlignment(align | Qt::AlignVCenter);
    QFont f = Text1->font();
    f.setPointSizeF(font.pointSize * XBiLi);
    if (font.style >= 0) {
        f.setBold(font.style & 1);
        f.setItalic(font.style & 2);
        f.setUnderline(font.style & 4);
    }
    if (!font.family.isEmpty())
        f.setFamily(font.family);
    Text1->setFont(f);
    QPalette pal = Text1->palette();
    if (font.textColor >= 0)
        pal.setColor(QPalette::Text, QColor::fromRgb(QRgb(font.textColor)));
    pal.setColor(QPalette::Base, QColor::fromRgb(QRgb(font.backColor)));
    Text1->setPalette(pal);
}

// Stage 6: the hint label's place and text, and the teaching aids by mode.
void FrmMain::stageHint()
{
    const QString &line = scene::StepLine;
    if (!scene::hintKeepsPlace(line)) {
        simwin::moveTwips(LHelp, scene::hintLeft(line) * XBiLi, scene::hintTop(line) * YBiLi);
        const QStringView field = scene::hintField(line);
        if (field == u"000") {
            LHelp->setText(QString());
        } else {
            // A missing answer-text file gives an empty hint.
            HintText = scene::lookup(run::CommonDataFile, field).value_or(QString());
            LHelp->setText(HintText);
        }
        LHelp->adjustSize();
        simwin::syncTwipsFromPixels(LHelp);
    }
    const bool hints = run::AnswerMode == 1;
    for (QWidget *w : {static_cast<QWidget *>(LHelp), static_cast<QWidget *>(Shape1),
                       static_cast<QWidget *>(Shape2), static_cast<QWidget *>(Shape4)})
        w->setVisible(hints);
}

// Stage 7: the main target area and its red box.
void FrmMain::stageMainTarget()
{
    const QString &line = scene::StepLine;
    simwin::resizeTwips(Label1, 1, 1);
    const scene::BoxSpec box = scene::label1Box(line);
    if (box.absent) {
        Label1->hide();
        Shape1->hide();
    } else {
        Label1->show();
        simwin::moveTwips(Label1, box.left * XBiLi, box.top * YBiLi);
        Label1BoxWidth = box.width;
        Label1BoxHeight = box.height;
        simwin::setTwipsWidth(Label1, Label1BoxWidth * XBiLi);
        if (Label1BoxHeight != 0)
            simwin::setTwipsHeight(Label1, Label1BoxHeight * YBiLi);
    }
    // A target without height is never clickable.
    if (Label1BoxHeight == 0) {
        simwin::resizeTwips(Label1, 1, 1);
        Shape1->hide();
    }
    simwin::setTwipsRect(Shape1, simwin::twipsRect(Label1));
}

// Stage 8: dialog tab strip and Cancel spot.
void FrmMain::stageTabStrip()
{
    scene::TabStageInput in;
    in.form = {TabLayout, TabCount, TabTarget, TabImage, TabRow, TabAreaLeft, TabAreaTop, BackSpec};
    for (int k = 1; k <= 5; ++k)
        in.areaPos[k] = QPointF(simwin::twipsLeft(Image[k]), simwin::twipsTop(Image[k]));
    in.label1 = simwin::twipsRect(Label1);
    in.hintText = HintText;
    in.label1BoxWidth = Label1BoxWidth;
    in.label1BoxHeight = Label1BoxHeight;
    in.xScale = XBiLi;
    in.yScale = YBiLi;
    const scene::TabStage s = scene::tabStripStage(scene::StepLine, in);

    TabLayout = s.form.TabLayout;
    TabCount = s.form.TabCount;
    TabTarget = s.form.TabTarget;
    TabImage = s.form.TabImage;
    TabRow = s.form.TabRow;
    TabAreaLeft = s.form.TabAreaLeft;
    TabAreaTop = s.form.TabAreaTop;
    BackSpec = s.form.BackSpec;
    // Most scenes have no strip: their cells stay parked where the last scene
    // left them.
    for (int i = 0; i < TabCells; ++i)
        if (simwin::twipsRect(LblXXK[i]) != s.cells[i])
            simwin::setTwipsRect(LblXXK[i], s.cells[i]);
    if (!s.pagePicture.isEmpty() && TabImage >= 1 && TabImage <= 5)
        Image[TabImage]->loadPicture(fnd::dataFile(s.pagePicture));
    if (s.hint)
        setHintCaption(*s.hint);
    simwin::setTwipsRect(Label1, s.label1);
    simwin::setTwipsRect(Shape1, s.shape1);
}

// The rows of a two-row tab strip: the row holding the chosen tab (TabRow)
// lies next to the page, the other row behind it. Cell 0 never moves.
void FrmMain::DoubleXXK()
{
    const QList<double> tops = scene::tabCellTops(TabLayout, TabCount, TabRow, TabAreaTop, YBiLi);
    for (int i = 1; i <= TabCount && i < TabCells && i <= tops.size(); ++i)
        simwin::setTwipsTop(LblXXK[i], tops[i - 1]);
}

// Stage 9: the second target area and its box.
void FrmMain::stageSecondTarget()
{
    const scene::BoxSpec box = scene::label4Box(scene::StepLine);
    if (!box.absent) {
        Label4->show();
        simwin::setTwipsRect(Label4, box.left * XBiLi, box.top * YBiLi, box.width * XBiLi, box.height * YBiLi);
    } else {
        simwin::setTwipsRect(Label4, -1, simwin::twipsTop(Label4), 1, 1);
    }
    simwin::setTwipsRect(Shape4, simwin::twipsRect(Label4));
}

// Stage 10: operation code (auto-advance, collapsed targets, completion, the
// typing-box variants, typing hints, list steps).
void FrmMain::stageOperationCode()
{
    const QString &line = scene::StepLine;
    const scene::CodeStage c =
        scene::operationCodeStage(line, LHelp->text(), !LHelp->isHidden(), run::AnswerMode, run::CommonDataFile);

    StepType = c.stepType;
    // An "8888" scene after another keeps the running timer: one tick a second.
    if (!c.timer3)
        Timer3->stop();
    else if (!Timer3->isActive())
        Timer3->start();

    if (c.collapseTargets) {
        simwin::resizeTwips(Label1, 1, 1);
        simwin::resizeTwips(Label4, 1, 1);
    }

    if (c.finalScene) {
        scene::completeCurrentQuestion();
        // The question window's list and header follow (it is loaded
        // throughout a run).
        if (FrmTm *tm = FrmTm::loaded()) {
            FrmTm::setCaption(tm->LblUnit, scene::unfinishedCaption(run::TmState, run::TmSum));
            FrmTm::setCaption(tm->LblBiao, scene::completedHeader(tm->LblBiao->text()));
        }
    }
    if (c.showSuccess)
        LblSuccess->show();

    // The typing-box variants take Text1's place (their own change handling
    // runs on the copied text, as on a user's change).
    if (c.useText2) {
        fillBox(Text2, Text1->text(), DeferText2);
        simwin::setTwipsRect(Text2, simwin::twipsRect(Text1));
        Text2->show();
        Text1->hide();
    } else {
        Text2->hide();
    }
    if (c.useText3) {
        fillBox(Text3, Text1->text(), DeferText3);
        simwin::setTwipsRect(Text3, simwin::twipsRect(Text1));
        QFont f = Text3->font();
        const QFont &from = Text1->font();
        f.setPointSizeF(from.pointSizeF());
        f.setFamily(from.family());
        f.setBold(from.bold());
        Text3->setFont(f);
        QPalette pal = Text3->palette();
        pal.setColor(QPalette::Text, Text1->palette().color(QPalette::Text));
        pal.setColor(QPalette::Base, Text1->palette().color(QPalette::Base));
        Text3->setPalette(pal);
        Text3->show();
        Text1->hide();
    } else {
        Text3->hide();
    }

    // An empty selection at its start: the caret stays where the text begins.
    if (c.clearText1Selection && Text1->hasSelectedText())
        Text1->setCursorPosition(Text1->selectionStart());
    setHintCaption(c.hint);
    LHelp->setVisible(c.hintVisible);
    Shape1->setVisible(c.shape1Visible);

    HotSpot *listText = LblXXK[0];
    QWidget *strips[] = {PicLeft, PicRight, PicTop, PicBottom};
    if (c.list) {
        const QRectF listRect = simwin::twipsRect(Text1);
        simwin::setTwipsRect(LstLA, listRect);
        const scene::ListBorders b = scene::listBorders(listRect, XBiLi, YBiLi);
        const QRectF rects[] = {b.left, b.right, b.top, b.bottom};
        for (int i = 0; i < 4; ++i) {
            simwin::setTwipsRect(strips[i], rects[i]);
            strips[i]->show();
        }
        LstLA->show();
        Text1->hide();
        {
            // Refilling is not a choice; setting the start index below is,
            // and runs the list's own check once.
            const QSignalBlocker quiet(LstLA);
            LstLA->clear();
            LstLA->addItems(c.list->items);
        }
        if (c.list->selected >= 0)
            LstLA->setCurrentRow(c.list->selected);
        listText->setText(c.list->selectedText);
        simwin::setTwipsWidth(listText, listRect.width());
    } else {
        LstLA->hide();
        for (QWidget *w : strips)
            w->hide();
        listText->setText(QString());
    }
}

// Stage 11: final red-box visibility, pointer, bars, hint line breaks, window
// order, chrome reset, hint frames.
void FrmMain::stageFinish()
{
    const scene::FinishStage f = scene::finishStage(scene::StepLine, !Label1->isHidden(), simwin::twipsHeight(Label1),
                                                    LHelp->text(), !LHelp->isHidden());
    if (f.hideShape1)
        Shape1->hide();
    Shape2->setVisible(f.shape2Visible);
    if (const auto cursor = scene::cursorFor(f.label1Pointer))
        Label1->setCursor(*cursor);
    // Stage 1 hid every bar; the extra panel's own layout decides last.
    if (f.bars.PicMenu)
        PicMenu->show();
    if (f.bars.PicTool)
        PicTool->show();
    if (f.bars.PicHui)
        PicHui->show();
    if (f.bars.PicElse)
        PicElse->show();
    setHintCaption(f.hint);
    // A control the scene hid keeps no focus: the keys go to the window.
    if (const QWidget *fw = focusWidget(); fw && fw != this && !fw->isVisibleTo(this))
        setFocus();
    orderWindows();
    frmCsh();
    ElseToolCSH();
    TimerDisFK->start();
}
