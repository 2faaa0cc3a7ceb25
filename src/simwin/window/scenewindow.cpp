// The scene module: the shared scene controls and the scene set-up. Every
// stage is independent: an operation that fails (a missing picture, an
// unreadable file, a refused focus) is skipped and the next one runs.
#include "simwin/window/scenewindow.h"

#include "bank/bankfiles.h"
#include "examflow/frmtm.h"
#include "foundation/globals.h"
#include "foundation/numparse.h"
#include "foundation/picture.h"
#include "foundation/showntext.h"
#include "platform/ui/windoworder.h"
#include "run/runstate.h"
#include "simwin/checks/popupmenu.h"
#include "simwin/chrome/clickplaces.h"
#include "simwin/chrome/hotspotlayout.h"
#include "simwin/chrome/menutables.h"
#include "simwin/scene/cursorshape.h"
#include "simwin/scene/linecache.h"
#include "simwin/scene/sceneend.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/scene/tabstrip.h"
#include "simwin/window/twips.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>

using fnd::XBiLi;
using fnd::YBiLi;

namespace simwin {

namespace {
QLineEdit *makeTextBox(QWidget *parent, const char *name)
{
    auto *t = new QLineEdit(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setFrame(false);
    t->hide();
    return t;
}

void call(const std::function<void()> &f)
{
    if (f)
        f();
}
} // namespace

SceneWindow::SceneWindow(const scene::SceneRules &rules, Qt::WindowFlags flags)
    : QWidget(nullptr, flags), rules_(rules)
{
    setMouseTracking(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, BackColor);
    setPalette(pal);
    // The paint event fills only what the screenshot leaves uncovered.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// ---- Controls ---------------------------------------------------------------------

void SceneWindow::buildSceneControls(const OwnControls &own)
{
    // Stacking from bottom to top: pictures and drawn frames, then labels
    // (hot spots above what they cover), then the controls with windows of
    // their own, then the bars.
    call(own.underPictures);
    for (int k = 1; k <= 5; ++k) {
        Image[k] = new PictureBox(this, QStringLiteral("Image%1").arg(k));
        Image[k]->hide();
    }
    Shape4 = new FrameShape(this, QStringLiteral("Shape4"), QColor(0, 255, 0), 2);
    Shape1 = new FrameShape(this, QStringLiteral("Shape1"), QColor(255, 0, 0), 2);
    Shape2 = new FrameShape(this, QStringLiteral("Shape2"), QColor(255, 255, 0), 2);
    Shape6 = new FrameShape(this, QStringLiteral("Shape6"), QColor(0, 0, 0), 1, true);
    for (auto *s : {Shape1, Shape2, Shape4, Shape6})
        s->hide();
    // The hint's frame keeps the window's design place (unscaled twips, past
    // the right edge of the 800-pixel window); no scene moves it.
    setTwipsRect(Shape2, 12840, 2640, 2295, 375);

    LHelp = new QLabel(this);
    LHelp->setObjectName(QStringLiteral("LHelp"));
    LHelp->setTextFormat(Qt::PlainText); // the answer-text file's hint, as written
    LHelp->setAutoFillBackground(true);
    {
        QPalette p = LHelp->palette();
        p.setColor(QPalette::Window, QColor(255, 255, 192));
        p.setColor(QPalette::WindowText, QColor(255, 0, 0));
        LHelp->setPalette(p);
        QFont f(QStringLiteral("宋体"));
        f.setBold(true);
        LHelp->setFont(f);
    }
    LHelp->setAttribute(Qt::WA_TransparentForMouseEvents);
    LHelp->hide();
    call(own.overHint);

    Label4 = new HotSpot(this, QStringLiteral("Label4"));
    Label1 = new HotSpot(this, QStringLiteral("Label1"));
    for (int i = 0; i < TabCells; ++i)
        LblXXK[i] = new HotSpot(this, QStringLiteral("LblXXK"), i);
    for (HotSpot *h : LblXXK)
        h->setPaintsCaptionOnly();
    for (HotSpot *h : {Label1, Label4})
        h->setPaintsCaptionOnly();
    call(own.overTabCells);

    Image[6] = new PictureBox(this, QStringLiteral("Image6"));
    Image[6]->setFocusPolicy(Qt::ClickFocus);
    Image[6]->hide();
    Text1 = makeTextBox(this, "Text1");
    Text2 = makeTextBox(this, "Text2");
    call(own.afterText2);
    LstLA = new QListWidget(this);
    LstLA->setObjectName(QStringLiteral("LstLA"));
    LstLA->setFrameShape(QFrame::NoFrame);
    LstLA->hide();
    QWidget **strips[] = {&PicLeft, &PicTop, &PicRight, &PicBottom};
    const char *stripNames[] = {"PicLeft", "PicTop", "PicRight", "PicBottom"};
    for (int i = 0; i < 4; ++i) {
        auto *b = new PictureBox(this, QString::fromLatin1(stripNames[i]));
        b->setAutoSize(false);
        b->setBackColor(QColor(127, 157, 185));
        b->hide();
        *strips[i] = b;
    }

    // Bars lie above the scene; the extra panel above the bars. Their
    // pressed-picture images and cells lie in them, or above all of them on
    // the window.
    const bool onWindow = rules_.cellsOnWindow;
    auto bar = [this, &own, onWindow](const char *name, const char *overlay, PictureBox *&box, PictureBox *&img) {
        box = new PictureBox(this, QString::fromLatin1(name));
        box->setBackColor(BackColor);
        box->setFocusPolicy(Qt::ClickFocus);
        box->hide();
        if (onWindow)
            return;
        img = new PictureBox(box, QString::fromLatin1(overlay));
        if (own.inBar)
            own.inBar(box);
    };
    bar("PicHui", "ImgHui", PicHui, ImgHui);
    bar("PicTool", "ImgTool", PicTool, ImgTool);
    bar("PicMenu", "ImgMenu", PicMenu, ImgMenu);
    bar("PicElse", "ImgElse", PicElse, ImgElse);
    if (onWindow) {
        ImgHui = new PictureBox(this, QStringLiteral("ImgHui"));
        ImgTool = new PictureBox(this, QStringLiteral("ImgTool"));
        ImgMenu = new PictureBox(this, QStringLiteral("ImgMenu"));
        ImgElse = new PictureBox(this, QStringLiteral("ImgElse"));
    }
    PicMenu->setBasePicture(chrome::menuBarPicture());
    PicTool->setBasePicture(chrome::toolBarPicture());
    PicHui->setBasePicture(chrome::drawingBarPicture());
    PicElse->setBasePicture(chrome::extraPanelPicture());
    // Cells above the overlay image, higher numbers above lower ones.
    for (int i = 0; i <= LastHotSpot; ++i) {
        QWidget *box = this;
        if (!onWindow) {
            switch (chrome::barOf(i)) {
            case chrome::Bar::Menu: box = PicMenu; break;
            case chrome::Bar::Hui: box = PicHui; break;
            case chrome::Bar::Tool: box = PicTool; break;
            default: box = PicElse; break;
            }
        }
        LblZHU[i] = new HotSpot(box, QStringLiteral("LblZHU"), i);
        LblZHU[i]->setPaintsCaptionOnly();
    }
    // Cell 0 keeps the place the window's definition gives it.
    LblZHU[0]->setGeometry(fnd::twipsToPx(3720), fnd::twipsToPx(720), fnd::twipsToPx(495), fnd::twipsToPx(375));
}

void SceneWindow::buildPopup()
{
    // wm100 holds, in order: cascade 1 with its items, items 1, cascade 2,
    // items 2, cascade 3, items 3, cascade 4, cascade 5, items 4. Each item
    // array is defined with element 0; the load adds elements 1 to 10.
    wm100 = new QMenu(this);
    wm100->setObjectName(QStringLiteral("wm100"));
    auto cascade = [this](int n) {
        sKvelMain[n] = wm100->addMenu(QString());
        sKvelMain[n]->setObjectName(QStringLiteral("sKvelMain%1").arg(n));
        sKvelMain[n]->menuAction()->setObjectName(QStringLiteral("sKvelMain%1").arg(n));
        auto *a = sKvelMain[n]->addAction(QString());
        a->setObjectName(QStringLiteral("sKvelSub%1_0").arg(n));
        sKvelSub[n].append(a);
    };
    auto items = [this](int n) {
        auto *a = wm100->addAction(QString());
        a->setObjectName(QStringLiteral("sKvelInde%1_0").arg(n));
        sKvelInde[n].append(a);
    };
    cascade(1);
    items(1);
    cascade(2);
    items(2);
    cascade(3);
    items(3);
    cascade(4);
    cascade(5);
    items(4);
}

void SceneWindow::addPopupElements()
{
    for (int n = 1; n < PopupSlots; ++n) {
        auto addInde = [&](int k) {
            QAction *a = new QAction(wm100);
            a->setObjectName(QStringLiteral("sKvelInde%1_%2").arg(k).arg(n));
            QAction *before = sKvelInde[k].last();
            const auto acts = wm100->actions();
            const qsizetype at = acts.indexOf(before);
            wm100->insertAction(at + 1 < acts.size() ? acts.at(at + 1) : nullptr, a);
            sKvelInde[k].append(a);
        };
        auto addSub = [&](int k) {
            QAction *a = sKvelMain[k]->addAction(QString());
            a->setObjectName(QStringLiteral("sKvelSub%1_%2").arg(k).arg(n));
            sKvelSub[k].append(a);
        };
        for (int k = 1; k <= 4; ++k)
            addInde(k);
        for (int k = 1; k <= 5; ++k)
            addSub(k);
    }
}

const QList<QAction *> &SceneWindow::itemArray(const chk::PopupArrayInfo &a) const
{
    return a.cascade ? sKvelSub[a.cascade] : sKvelInde[a.group];
}

void SceneWindow::fillPopup(const chk::PopupModel &model, int firstElement)
{
    // Everything hidden first, so nothing of the last filling shows.
    for (int n = 1; n <= chk::MenuCascades; ++n)
        sKvelMain[n]->menuAction()->setVisible(false);
    for (const chk::PopupArrayInfo &a : chk::kPopupArrays) {
        const QList<QAction *> &row = itemArray(a);
        for (qsizetype i = firstElement; i < row.size(); ++i)
            row[i]->setVisible(false);
    }
    for (int n = 1; n <= chk::MenuCascades; ++n) {
        if (!model.cascades[n].visible)
            continue;
        sKvelMain[n]->setTitle(model.cascades[n].caption);
        sKvelMain[n]->menuAction()->setVisible(true);
    }
    for (const chk::PopupArrayInfo &a : chk::kPopupArrays) {
        const QList<QAction *> &row = itemArray(a);
        for (int i = 0; i < chk::MenuSlots && firstElement + i < row.size(); ++i) {
            const chk::PopupSlot &s = model.arrays[a.arrayDigit][i];
            if (!s.visible)
                continue;
            QAction *element = row[firstElement + i];
            element->setText(s.caption);
            element->setSeparator(s.isSeparator());
            element->setVisible(true);
        }
    }
}

void SceneWindow::setSceneFonts()
{
    QFont f = LHelp->font();
    f.setPointSizeF(11 * XBiLi);
    LHelp->setFont(f);
    QFont lf = LstLA->font();
    lf.setPointSizeF(11 * XBiLi);
    LstLA->setFont(lf);
}

bool SceneWindow::loadPicture(const QString &path)
{
    QPixmap pm;
    if (!fnd::loadPictureInto(pm, path))
        return false;
    picture_ = pm;
    pictureName_ = QFileInfo(path).completeBaseName();
    picturePath_ = path;
    update();
    return true;
}

void SceneWindow::paintEvent(QPaintEvent *e)
{
    QPainter p(this);
    // The back colour only where no opaque screenshot covers the window.
    const QRect shot = picture_.hasAlphaChannel() ? QRect()
                                                  : QRect(QPoint(0, 0), picture_.deviceIndependentSize().toSize());
    paintByRectangles(p, e->region(), [&](const QRect &r) {
        for (const QRect &b : QRegion(r) - shot)
            p.fillRect(b, BackColor);
        if (!picture_.isNull())
            p.drawPixmap(0, 0, picture_);
    });
}

QString SceneWindow::examDataPicture(const QString &name) const { return ExamDataPath + name + QStringLiteral(".mxy"); }

// ---- Bars -------------------------------------------------------------------------

void SceneWindow::placeBarCells()
{
    moveTwips(PicMenu, 0, chrome::MenuBarTop * YBiLi);
    syncTwipsFromPixels(PicMenu);
    moveTwips(PicTool, 0, chrome::ToolBarTop * YBiLi);
    syncTwipsFromPixels(PicTool);
    moveTwips(PicHui, 0, chrome::DrawingBarTop * YBiLi);
    syncTwipsFromPixels(PicHui);
    const chrome::CellLayout cells =
        chrome::cellLayout(XBiLi, YBiLi, rules_.cellsOnWindow ? chrome::CellFrame::Window : chrome::CellFrame::Bar);
    for (int i = 1; i <= LastHotSpot; ++i) {
        if (i >= 32 && i <= 40)
            continue;
        setTwipsRect(LblZHU[i], cells[size_t(i)]);
    }
}

chrome::PanelPlace SceneWindow::panelPlaceOf(QStringView line) const
{
    return chrome::panelPlace(scene::extraPanel(line), scene::extraPanelLeft(line), scene::extraPanelTop(line),
                              panelProfile(), XBiLi, YBiLi);
}

QStringList SceneWindow::panelPictures(QStringView line, const chrome::PanelPlace &place) const
{
    if (!place.cell)
        return {};
    if (place.preset)
        return {examDataPicture(chrome::dropDownPicture(place.cell))};
    QStringList pictures{examDataPicture(chrome::panelPicture(place.cell))};
    const QStringView pane = scene::paneField(line);
    if (pane.size() == 2 && pane[0] == u'X')
        pictures << examDataPicture(chrome::paneSetPicture(pane[1], "00"));
    return pictures;
}

bool SceneWindow::placeExtraPanel(PictureBox *dropDown)
{
    for (int i = 32; i <= 40; ++i)
        setTwipsRect(LblZHU[size_t(i)], 0, 0, 0, 0);
    PicElse->hide();
    const chrome::PanelPlace place = panelPlaceOf(scene::StepLine);
    const QStringList pictures = panelPictures(scene::StepLine, place);
    bool preset = false;
    if (place.cell) {
        moveTwips(PicElse, place.at.x(), place.at.y());
        if (place.preset) {
            // The step's preset drop-down, in place of the panel.
            moveTwips(dropDown, place.at.x(), place.at.y());
            dropDown->loadPicture(pictures.first());
            syncTwipsFromPixels(dropDown);
            dropDown->show();
            preset = true;
        } else {
            // The panel, then its pane set over it.
            for (const QString &picture : pictures)
                PicElse->loadPicture(picture);
            syncTwipsFromPixels(PicElse);
            PicElse->show();
        }
        resizeTwips(LblZHU[size_t(place.cell)], place.cellSize.width(), place.cellSize.height());
    }
    // Cells on the window lie at the panel's corner; in it, at (0, 0).
    if (rules_.cellsOnWindow)
        for (int i = 32; i <= 40; ++i)
            moveTwips(LblZHU[size_t(i)], twipsLeft(PicElse), twipsTop(PicElse));
    return preset;
}

// ---- The scene set-up ---------------------------------------------------------------

void SceneWindow::setHintCaption(const QString &caption)
{
    const QString shown = fnd::shownText(caption);
    if (LHelp->text() == shown)
        return;
    LHelp->setText(shown);
    LHelp->adjustSize();
    syncTwipsFromPixels(LHelp);
}

void SceneWindow::orderWindows()
{
    plat::makeTopmost(FrmTm::loaded());
    if (rules_.leaveTopmostBand)
        plat::leaveTopmostBand(this);
    else
        plat::bringToTop(this);
}

void SceneWindow::buildScene()
{
    // The pictures of the scene before go back to the cache as its most
    // recently used; the new scene keeps those it shows when it is complete.
    fnd::keepShownPictures({});
    stageSetUp();
    stageRecord();
    stagePictures();
    stageTextBox();
    stageHint();
    stageMainTarget();
    stageTabStrip();
    stageSecondTarget();
    if (stageOperationCode())
        stageFinish();
    hideBarsLeft();
    keepShownPictures();
    decodeNextPictures();
}

void SceneWindow::formUnload() { fnd::keepShownPictures({}); }

// The pictures on show stay cached while the steps to come are decoded.
void SceneWindow::keepShownPictures()
{
    QStringList shown{picturePath_};
    for (const PictureBox *box : {Image[1], Image[2], Image[3], Image[4], Image[5], Image[6], PicElse})
        if (!box->isHidden())
            shown << box->picturePath();
    shown.removeAll(QString());
    fnd::keepShownPictures(shown);
}

// While this scene is shown, the pictures of the next two steps of the
// question (at its final scene, of the next question's first step), their
// tab pages and extra panels included, are decoded on the worker thread.
void SceneWindow::decodeNextPictures()
{
    constexpr int StepsAhead = 2;
    const int q = std::clamp<int>(run::TmNo, 0, run::MaxQuestions);
    const auto lines = scene::cachedLines(run::StepFile);
    if (!lines)
        return;
    int from = sceneRecordLine() + 1, to = from + StepsAhead - 1;
    if (q < run::TmSum && q < run::MaxQuestions) {
        const int next = run::StepStart[q + 1];
        if (scene::stepTypeText(scene::StepLine) == u"9999")
            from = to = next;
        else
            to = std::min(to, next - 1);
    }
    QStringList paths;
    for (int n = std::max(from, 1); n <= to && n <= lines->size(); ++n) {
        const QString &line = lines->at(n - 1);
        for (const QString &name : scene::loadedPictures(line))
            paths << fnd::dataFile(name);
        if (const QString page = scene::tabPagePicture(line); !page.isEmpty())
            paths << fnd::dataFile(page);
        paths << panelPictures(line, panelPlaceOf(line));
    }
    fnd::decodeAhead(paths);
}

// Window order, the window's own resets, working-file names, bars and the
// drag outline, text-box font size.
void SceneWindow::stageSetUp()
{
    orderWindows();
    sceneBegins();
    const bank::WorkFiles files = bank::workFiles(run::PaperType, run::TaoNo);
    run::StepFile = fnd::dataFile(files.step);
    run::TmFile = fnd::dataFile(files.tm);
    // The bars are hidden. The menu bar and the toolbars are hidden when the
    // set-up ends without them: one the scene shows again is not hidden and
    // shown, which would touch every cell in it. A bar that holds the focus
    // is hidden at once, so the focus moves on as it did.
    PicElse->hide();
    barsToHide_.clear();
    const QWidget *focus[] = {QApplication::focusWidget(), focusWidget()};
    for (PictureBox *bar : {PicMenu, PicTool, PicHui}) {
        if (std::any_of(std::begin(focus), std::end(focus),
                        [bar](const QWidget *f) { return f && (f == bar || bar->isAncestorOf(f)); }))
            bar->hide();
        else
            barsToHide_ << bar;
    }
    if (rules_.emptyOverlaysFirst)
        for (PictureBox *img : {ImgMenu, ImgElse, ImgTool, ImgHui})
            img->clearPicture();
    if (rules_.shape6SizedNotHidden)
        resizeTwips(Shape6, 10, 10);
    else
        Shape6->hide();
    for (QLineEdit *t : {Text1, Text2}) {
        QFont f = t->font();
        f.setPointSizeF(9 * XBiLi);
        t->setFont(f);
    }
}

// The record (the last line of a shorter file; StepLine unchanged when the
// file cannot be read); the tab cells lose their captions. Nothing reads the
// cells' places before the tab-strip stage, which places or parks all of
// them.
void SceneWindow::stageRecord()
{
    if (const auto line = scene::cachedLineClamped(run::StepFile, sceneRecordLine()))
        scene::StepLine = *line;
    recordRead();
    for (HotSpot *cell : LblXXK)
        cell->setText(QString());
}

// Background and the six picture areas; the drag limits.
void SceneWindow::stagePictures()
{
    const QString &line = scene::StepLine;
    const QString bg = scene::background(line).toString();
    if (bg != scene::KeepPicture) {
        loadPicture(fnd::dataFile(bg));
        picturePlaced(0, bg, true, 0, 0);
    }
    for (int k = 1; k <= 6; ++k) {
        const scene::PictureArea a = scene::pictureArea(line, k);
        PictureBox *img = Image[k];
        if (a.absent) {
            img->hide();
            continue;
        }
        const double left = a.left * XBiLi, top = a.top * YBiLi;
        moveTwips(img, left, top);
        if (!a.keep)
            img->loadPicture(fnd::dataFile(a.name));
        syncTwipsFromPixels(img);
        img->show();
        picturePlaced(k, a.name, !a.keep, left, top);
    }
    DragEndX = qint16(scene::dragLimitX(line));
    DragEndY = qint16(scene::dragLimitY(line));
}

// The typing box with its initial text, caret and font.
void SceneWindow::stageTextBox()
{
    const QString &line = scene::StepLine;
    const scene::BoxSpec box = scene::text1Box(line);
    if (box.absent) {
        Text1->hide();
        Text2->hide();
        return;
    }
    Text1->show();
    setTwipsRect(Text1, box.left * XBiLi, box.top * YBiLi, box.width * XBiLi, box.height * YBiLi);
    const QStringView field = scene::initialTextField(line);
    fillBox(Text1, scene::initialBoxText(run::CommonDataFile, field));
    if (field != u"000")
        if (const auto whole = scene::cachedLineClamped(run::CommonDataFile, fnd::leadingInt(field)))
            initialTextLine(*whole);
    Text1->setFocus();
    const int length = int(Text1->text().size());
    if (rules_.caretAfterText) {
        Text1->deselect();
        Text1->setCursorPosition(length);
    } else {
        Text1->setSelection(0, length);
    }

    const scene::FontSpec font = scene::fontSpec(line, rules_);
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

// The hint label's place and text, and the teaching aids by mode.
void SceneWindow::stageHint()
{
    const QString &line = scene::StepLine;
    if (!scene::hintKeepsPlace(line)) {
        moveTwips(LHelp, scene::hintLeft(line) * XBiLi, scene::hintTop(line) * YBiLi);
        const QStringView field = scene::hintField(line);
        if (field == u"000") {
            LHelp->setText(QString());
        } else {
            // A missing answer-text file gives an empty hint.
            HintText = fnd::shownText(scene::lookup(run::CommonDataFile, field).value_or(QString()));
            LHelp->setText(HintText);
        }
        LHelp->adjustSize();
        syncTwipsFromPixels(LHelp);
    }
    const bool hints = run::AnswerMode == 1;
    for (QWidget *w : {static_cast<QWidget *>(LHelp), static_cast<QWidget *>(Shape1),
                       static_cast<QWidget *>(Shape2), static_cast<QWidget *>(Shape4)})
        w->setVisible(hints);
}

// The main target area and its red box.
void SceneWindow::stageMainTarget()
{
    const QString &line = scene::StepLine;
    resizeTwips(Label1, 1, 1);
    const scene::BoxSpec box = scene::label1Box(line);
    if (box.absent) {
        Label1->hide();
        Shape1->hide();
    } else {
        Label1->show();
        moveTwips(Label1, box.left * XBiLi, box.top * YBiLi);
        Label1Width = box.width;
        Label1Height = box.height;
        setTwipsWidth(Label1, Label1Width * XBiLi);
        if (Label1Height != 0)
            setTwipsHeight(Label1, Label1Height * YBiLi);
    }
    // A target without height is never clickable.
    if (Label1Height == 0) {
        resizeTwips(Label1, 1, 1);
        Shape1->hide();
    }
    setTwipsRect(Shape1, twipsRect(Label1));
}

// Dialog tab strip and Cancel spot.
void SceneWindow::stageTabStrip()
{
    scene::TabStageInput in;
    in.form = {TabLayout, TabCount, TabTarget, TabImage, TabRow, TabLeft, TabTop, BackSpec};
    for (int k = 1; k <= 5; ++k)
        in.areaPos[k] = QPointF(twipsLeft(Image[k]), twipsTop(Image[k]));
    in.label1 = twipsRect(Label1);
    in.hintText = HintText;
    in.label1BoxWidth = Label1Width;
    in.label1BoxHeight = Label1Height;
    in.xScale = XBiLi;
    in.yScale = YBiLi;
    const scene::TabStage s = scene::tabStripStage(scene::StepLine, in);

    TabLayout = s.form.TabLayout;
    TabCount = s.form.TabCount;
    TabTarget = s.form.TabTarget;
    TabImage = s.form.TabImage;
    TabRow = s.form.TabRow;
    TabLeft = s.form.TabAreaLeft;
    TabTop = s.form.TabAreaTop;
    BackSpec = s.form.BackSpec;
    if (s.strip && rules_.tabStepHidesShape4)
        Shape4->hide();
    // Most scenes have no strip: their cells stay parked where the last scene
    // left them.
    for (int i = 0; i < TabCells; ++i)
        if (twipsRect(LblXXK[i]) != s.cells[i])
            setTwipsRect(LblXXK[i], s.cells[i]);
    if (!s.pagePicture.isEmpty() && TabImage >= 1 && TabImage <= 5)
        Image[TabImage]->loadPicture(fnd::dataFile(s.pagePicture));
    if (s.hint)
        setHintCaption(*s.hint);
    setTwipsRect(Label1, s.label1);
    setTwipsRect(Shape1, s.shape1);
}

void SceneWindow::hideBarsLeft()
{
    for (PictureBox *bar : std::exchange(barsToHide_, {}))
        bar->hide();
}

void SceneWindow::DoubleXXK()
{
    const QList<double> tops = scene::tabCellTops(TabLayout, TabCount, TabRow, TabTop, YBiLi);
    for (int i = 1; i <= TabCount && i < TabCells && i <= tops.size(); ++i)
        setTwipsTop(LblXXK[i], tops[i - 1]);
}

// The second target area and its box.
void SceneWindow::stageSecondTarget()
{
    const scene::BoxSpec box = scene::label4Box(scene::StepLine);
    if (!box.absent) {
        Label4->show();
        setTwipsRect(Label4, box.left * XBiLi, box.top * YBiLi, box.width * XBiLi, box.height * YBiLi);
    } else {
        setTwipsRect(Label4, -1, twipsTop(Label4), 1, 1);
    }
    setTwipsRect(Shape4, twipsRect(Label4));
}

// The operation code: collapsed targets, the final scene, the typing-box
// variants, typing hints, list steps.
bool SceneWindow::stageOperationCode()
{
    const QString &line = scene::StepLine;
    const scene::CodeStage c = scene::operationCodeStage(line, LHelp->text(), !LHelp->isHidden(), run::AnswerMode,
                                                         run::CommonDataFile, rules_);
    StepType = c.stepType;
    operationCodeRead(c);
    if (c.collapseTargets) {
        resizeTwips(Label1, 1, 1);
        resizeTwips(Label4, 1, 1);
    }
    if (c.finalScene) {
        if (rules_.finalSceneEndsSetUp) {
            setHintCaption(QStringLiteral("操作成功！"));
            Shape1->hide();
            finalScene(c);
            return false;
        }
        finalScene(c);
    }

    // The second typing box takes Text1's place (its own change handling
    // runs on the copied text, as on a user's change).
    if (c.useText2) {
        fillBox(Text2, Text1->text());
        setTwipsRect(Text2, twipsRect(Text1));
        Text2->show();
        Text1->hide();
    } else {
        Text2->hide();
    }
    typingBoxes(c);

    // An empty selection at its start: the caret stays where the text begins.
    if (c.clearText1Selection && Text1->hasSelectedText())
        Text1->setCursorPosition(Text1->selectionStart());
    setHintCaption(c.hint);
    LHelp->setVisible(c.hintVisible);
    Shape1->setVisible(c.shape1Visible);

    HotSpot *listText = LblXXK[0];
    QWidget *strips[] = {PicLeft, PicRight, PicTop, PicBottom};
    if (c.list) {
        const QRectF listRect = twipsRect(Text1);
        setTwipsRect(LstLA, listRect);
        const scene::ListBorders b = scene::listBorders(listRect, XBiLi, YBiLi);
        const QRectF rects[] = {b.left, b.right, b.top, b.bottom};
        for (int i = 0; i < 4; ++i) {
            setTwipsRect(strips[i], rects[i]);
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
        setTwipsWidth(listText, listRect.width());
    } else {
        LstLA->hide();
        for (QWidget *w : strips)
            w->hide();
        listText->setText(QString());
    }
    return true;
}

// Final red-box visibility, pointer, bars, hint line breaks, then the
// window's last calls.
void SceneWindow::stageFinish()
{
    const scene::FinishStage f = scene::finishStage(scene::StepLine, !Label1->isHidden(), twipsHeight(Label1),
                                                    LHelp->text(), !LHelp->isHidden(), rules_);
    if (f.hideShape1)
        Shape1->hide();
    Shape2->setVisible(f.shape2Visible);
    if (const auto cursor = scene::cursorFor(f.label1Pointer))
        Label1->setCursor(*cursor);
    // The set-up hid every bar; the extra panel's own layout decides last.
    const std::pair<PictureBox *, bool> bars[] = {{PicMenu, f.bars.PicMenu}, {PicTool, f.bars.PicTool}, {PicHui, f.bars.PicHui}};
    for (const auto &[bar, shown] : bars) {
        if (shown) {
            barsToHide_.removeAll(bar);
            bar->show();
        }
    }
    hideBarsLeft();
    if (f.bars.PicElse)
        PicElse->show();
    setHintCaption(f.hint);
    // A control the scene hid keeps no focus: the keys go to the window.
    if (const QWidget *fw = focusWidget(); fw && fw != this && !fw->isVisibleTo(this))
        setFocus();
    sceneEnds();
}

// ---- Default layers ----------------------------------------------------------------

void SceneWindow::picturePlaced(int, const QString &, bool, double, double) {}
void SceneWindow::fillBox(QLineEdit *box, const QString &text) { box->setText(text); }
void SceneWindow::initialTextLine(const QString &) {}
void SceneWindow::operationCodeRead(const scene::CodeStage &) {}
void SceneWindow::finalScene(const scene::CodeStage &) {}
void SceneWindow::typingBoxes(const scene::CodeStage &) {}

} // namespace simwin
