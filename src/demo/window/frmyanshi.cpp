// The demonstration window: its controls, its load, its own layer of the
// scene set-up, the step advance, the stop and the end.
#include "demo/window/frmyanshi.h"

#include "bank/bankfiles.h"
#include "demo/player/motion.h"
#include "demo/window/lineshape.h"
#include "examflow/frmtm.h"
#include "foundation/blanks.h"
#include "foundation/globals.h"
#include "foundation/numparse.h"
#include "foundation/picture.h"
#include "foundation/programfolder.h"
#include "platform/ui/windoworder.h"
#include "run/runstate.h"
#include "simwin/checks/popupmenu.h"
#include "simwin/chrome/menutables.h"
#include "simwin/scene/linecache.h"
#include "simwin/scene/sceneend.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/twips.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QTextEdit>
#include <cmath>

using demo::LineShape;
using fnd::XBiLi;
using fnd::YBiLi;
using simwin::FrameShape;
using simwin::HotSpot;
using simwin::PictureBox;

namespace {

double &paceFactor()
{
    static double pace = 1.0;
    return pace;
}

// The timers' intervals in the window's definition, milliseconds.
constexpr int TimerIntervals[12] = {0, 500, 100, 1000, 200, 100, 100, 200, 100, 100, 100, 100};
constexpr int MenuTimerInterval = 100; // TimerRM, TimerRS, TimEnd

// The cascade mark: a black right-pointing triangle, 4 x 7 pixels, on white.
QPixmap cascadeMark()
{
    QPixmap pm(4, 7);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setPen(Qt::black);
    for (int c = 0; c < 4; ++c)
        p.drawLine(c, c, c, 6 - c);
    return pm;
}

QLabel *menuLabel(QWidget *parent, const QString &name, bool opaque)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    // Entries show the context-menu file's text as written, and are measured so.
    l->setTextFormat(Qt::PlainText);
    if (opaque) {
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, Qt::white);
        l->setPalette(p);
    }
    l->hide();
    return l;
}

} // namespace

double FrmYanShi::pace() { return paceFactor(); }

bool FrmYanShi::setPace(double factor)
{
    if (!(factor > 0) || !std::isfinite(factor))
        return false;
    paceFactor() = factor;
    if (FrmYanShi *w = loaded())
        w->applyPace();
    return true;
}

void FrmYanShi::enable(QTimer *t)
{
    if (t && !t->isActive())
        t->start();
}

FrmYanShi::FrmYanShi() : SceneWindow(scene::DemoWindowRules, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FrmYanShi"));
    OwnControls own;
    own.afterText2 = [this] {
        Text4 = new QLineEdit(this);
        Text4->setObjectName(QStringLiteral("Text4"));
        Text4->setFrame(false);
        Text4->hide();
    };
    buildSceneControls(own);
    buildOwnControls();
    buildPopup();

    // The player's timers, all off in the window's definition.
    auto timer = [this](const QString &name) {
        auto *t = new QTimer(this);
        t->setObjectName(name);
        t->setTimerType(Qt::PreciseTimer);
        return t;
    };
    for (int i = 1; i <= 11; ++i)
        Timer[i] = timer(QStringLiteral("Timer%1").arg(i));
    TimerRM = timer(QStringLiteral("TimerRM"));
    TimerRS = timer(QStringLiteral("TimerRS"));
    TimEnd = timer(QStringLiteral("TimEnd"));
    TimTool = timer(QStringLiteral("TimTool")); // no tick handler
    applyPace();
    void (FrmYanShi::*const ticks[])() = {nullptr,
                                          &FrmYanShi::Timer1_Timer,
                                          &FrmYanShi::Timer2_Timer,
                                          &FrmYanShi::Timer3_Timer,
                                          &FrmYanShi::Timer4_Timer,
                                          &FrmYanShi::Timer5_Timer,
                                          &FrmYanShi::Timer6_Timer,
                                          &FrmYanShi::Timer7_Timer};
    for (int i = 1; i <= 7; ++i)
        connect(Timer[size_t(i)], &QTimer::timeout, this, ticks[i]);
    connect(TimerRM, &QTimer::timeout, this, &FrmYanShi::TimerRM_Timer);
    connect(TimerRS, &QTimer::timeout, this, &FrmYanShi::TimerRS_Timer);
    connect(TimEnd, &QTimer::timeout, this, &FrmYanShi::TimEnd_Timer);

    // The stops: a double-click on the background or a picture area, and
    // the keys' releases wherever the keyboard is. Labels, pictures and bars
    // take their own double-click and do nothing with it.
    for (int k = 1; k <= 5; ++k)
        connect(Image[size_t(k)], &simwin::MouseTarget::dblClicked, this, &FrmYanShi::stop);
    LHelp->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    for (QWidget *c : findChildren<QWidget *>())
        c->installEventFilter(this);
}

void FrmYanShi::buildOwnControls()
{
    // The note over the scene.
    ImgLogo = new demo::NoteLabel(this);
    ImgLogo->setObjectName(QStringLiteral("ImgLogo"));
    ImgLogo->setAutoFillBackground(true);
    {
        QPalette p = ImgLogo->palette();
        p.setColor(QPalette::Window, QColor(255, 255, 192));
        p.setColor(QPalette::WindowText, p.color(QPalette::ButtonText));
        ImgLogo->setPalette(p);
    }

    // The drop-downs: plain pictures, their item cells on the window.
    auto panel = [this](const char *name) {
        auto *box = new PictureBox(this, QString::fromLatin1(name));
        box->hide();
        return box;
    };
    Pic1J = panel("Pic1J");
    Img1J = new PictureBox(this, QStringLiteral("Img1J"));
    Img1J->hide();
    for (int i = 0; i <= MenuItems; ++i)
        Lbl1J[size_t(i)] = new HotSpot(this, QStringLiteral("Lbl1J"), i);
    Pic2J = panel("Pic2J");
    for (int i = 1; i <= MenuItems; ++i)
        Lbl2J[size_t(i)] = new HotSpot(this, QStringLiteral("Lbl2J"), i);
    // Item cells lie parked, with no area, until a layout places them.
    for (int i = 0; i <= MenuItems; ++i)
        for (HotSpot *item : {Lbl1J[size_t(i)], Lbl2J[size_t(i)]})
            if (item) {
                item->setPaintsCaptionOnly();
                simwin::setTwipsRect(item, chrome::resetItem());
            }

    // The drawn right-click menu: its panel under its entries, marks and
    // separators; the cascade sub-menu over it.
    const QColor silver(192, 192, 192);
    LRightMMenu = menuLabel(this, QStringLiteral("LRightMMenu"), true);
    ShapeRMain = new FrameShape(this, QStringLiteral("ShapeRMain"), silver, 1);
    ShapeRMain->hide();
    const QPixmap mark = cascadeMark();
    for (int k : {1, 3, 5, 7, 8}) {
        LRMJL[size_t(k)] = menuLabel(this, QStringLiteral("LRMJL_%1").arg(k), false);
        ImgJLSanjiao[size_t(k)] = new PictureBox(this, QStringLiteral("ImgJLSanjiao"), k);
        ImgJLSanjiao[size_t(k)]->setBasePicture(mark);
        ImgJLSanjiao[size_t(k)]->hide();
    }
    const std::pair<std::array<QLabel *, 10> *, const char *> groups[] = {
        {&LRM2, "LRM2"}, {&LRM4, "LRM4"}, {&LRM6, "LRM6"}, {&LRM9, "LRM9"}};
    for (const auto &[array, name] : groups)
        for (int i = 0; i < 10; ++i)
            (*array)[size_t(i)] = menuLabel(this, QStringLiteral("%1_%2").arg(QString::fromLatin1(name)).arg(i), false);
    for (int i = 0; i < 10; ++i) {
        LRFGX[size_t(i)] = new LineShape(this, QStringLiteral("LRFGX_%1").arg(i), silver, 1);
        LRFGX[size_t(i)]->hide();
    }
    LRightSub = menuLabel(this, QStringLiteral("LRightSub"), true);
    ShapeRSUB = new FrameShape(this, QStringLiteral("ShapeRSUB"), silver, 1);
    ShapeRSUB->hide();
    for (int i = 0; i < 10; ++i)
        LRS[size_t(i)] = menuLabel(this, QStringLiteral("LRS_%1").arg(i), false);
    for (int i = 0; i < 6; ++i) {
        LRSFgx[size_t(i)] = new LineShape(this, QStringLiteral("LRSFgx_%1").arg(i), silver, 1);
        LRSFgx[size_t(i)]->hide();
    }

    // Over both menus: the red target box, the click ring, the drag picture
    // and the pointer (its white fill under its black outline).
    Shape1->raise();
    Shape5 = new FrameShape(this, QStringLiteral("Shape5"), QColor(255, 0, 0), 2);
    // The ring keeps the window's design size at any scale; only moved after.
    simwin::resizeTwips(Shape5, 375, 375);
    Shape5->hide();
    ImgICO = new PictureBox(this, QStringLiteral("ImgICO"));
    ImgICO->hide();
    for (int i = 0; i < 6; ++i) {
        LPoinB[size_t(i)] = new LineShape(this, QStringLiteral("LPoinB_%1").arg(i), Qt::white, 2);
        LPoinB[size_t(i)]->setLine(-100, 0, -100, 0);
    }
    for (int i = 0; i < 8; ++i) {
        LPoint[size_t(i)] = new LineShape(this, QStringLiteral("LPoint_%1").arg(i), Qt::black, 1);
        LPoint[size_t(i)]->setLine(-100, 0, -100, 0);
    }
}

void FrmYanShi::setUpMotion()
{
    const demo::Motion m = demo::motionSetUp(PointX, PointY, MbX, MbY);
    StepLen = m.StepLen;
    StepX = m.StepX;
    StepY = m.StepY;
}

void FrmYanShi::applyPace()
{
    auto set = [](QTimer *t, int ms) { t->setInterval(std::max(1, int(std::lround(ms * paceFactor())))); };
    for (int i = 1; i <= 11; ++i)
        set(Timer[size_t(i)], TimerIntervals[i]);
    for (QTimer *t : {TimerRM, TimerRS, TimEnd})
        set(t, MenuTimerInterval);
}

void FrmYanShi::resetPlayerState()
{
    DemoStep = 1;
    PointX = qint32(std::nearbyint(7680 * XBiLi));
    PointY = qint32(std::nearbyint(5760 * YBiLi));
    MbX = MbY = 0;
    StepLen = 0;
    StepX = StepY = 0;
    TickCount = 0;
    DragPhase = false;
    TypeText.clear();
    TypePos = 0;
    AimZHU = Aim1J = Aim2J = 0;
    JumpStep = QStringLiteral("0");
    PopMenuNo = 0;
    StepsShown.clear();
}

void FrmYanShi::formLoad()
{
    // Each step goes on whatever the one before it did.
    QPixmap icon;
    if (fnd::loadPictureInto(icon, fnd::dataFile(QStringLiteral("l62011"))))
        setWindowIcon(icon);
    resetPlayerState();
    run::AnswerMode = 1;
    Label1->setText(QString());
    simwin::setTwipsRect(this, 0, 0, 12000 * XBiLi, 9000 * YBiLi);
    // The note: the question's text over the scene, one 180-twip line per 14
    // characters.
    {
        QFont f = ImgLogo->font();
        f.setPointSizeF(9 * XBiLi);
        ImgLogo->setFont(f);
        const QString note = FrmTm::loaded() ? fnd::trimBlanks(FrmTm::loaded()->RtbTM->toPlainText()) : QString();
        ImgLogo->setText(note);
        const double h = 180.0 * (note.size() / 14 + 1) + 15;
        simwin::setTwipsRect(ImgLogo, 9420 * XBiLi, 7620 * YBiLi, 2535 * XBiLi, h * YBiLi);
        ImgLogo->setLineHeight(fnd::yTwipsToPx(180 * YBiLi));
    }
    plat::makeTopmost(this);
    // Over the simulated window while it has its normal size; centred
    // otherwise.
    if (const QScreen *s = QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        move(g.x() + (g.width() - width()) / 2, g.y() + (g.height() - height()) / 2);
    }
    if (const FrmMain *w = FrmMain::loaded(); w && w->windowState() == Qt::WindowNoState)
        move(w->pos());
    setSceneFonts();
    addPopupElements();
    ExamDataPath = fnd::programFolder() + QStringLiteral("/examdata/");
    DemoStep = 1;
    CSH();
    setData();
}

// ---- The scene set-up: the window's own layer ------------------------------------

void FrmYanShi::setData()
{
    StepsShown.append(DemoStep);
    buildScene();
}

// Line StepStart(TmNo) + DemoStep - 1 of the step file: past the question's
// steps the next question's, past the file its last line.
int FrmYanShi::sceneRecordLine() const
{
    return run::StepStart[std::clamp<int>(run::TmNo, 0, run::MaxQuestions)] + DemoStep - 1;
}

// The click ring red, the drawn menus closed while the player variables
// still hold the last step's values, then the player's per-step resets.
void FrmYanShi::sceneBegins()
{
    Shape5->setBorderColor(QColor(255, 0, 0));
    CSH();
    TypePos = 0;
    Img1J->hide();
    TickCount = 0;
    DragPhase = false;
    AimZHU = Aim1J = Aim2J = 0;
    JumpStep = QStringLiteral("0");
}

// The whole line, as the player types it.
void FrmYanShi::initialTextLine(const QString &line) { TypeText = line; }

// The drag mover waits for the player.
void FrmYanShi::operationCodeRead(const scene::CodeStage &) { Timer[3]->stop(); }

void FrmYanShi::finalScene(const scene::CodeStage &) { armEnd(); }

// "0028": the edit-line box; the typing steps' text to type.
void FrmYanShi::typingBoxes(const scene::CodeStage &c)
{
    if (c.useText4) {
        simwin::setTwipsRect(Text4, 2880 * XBiLi, 1560 * YBiLi, 8865 * XBiLi, 225 * YBiLi);
        QFont f = Text4->font();
        f.setPointSizeF(11 * XBiLi);
        Text4->setFont(f);
        Text4->show();
    } else {
        Text4->hide();
    }
    if (c.typeText)
        TypeText = *c.typeText;
}

// The bar path of a "7000" step, then the hand-over.
void FrmYanShi::sceneEnds()
{
    if (const auto path = scene::barPath(scene::StepLine)) {
        AimZHU = qint16(path->hotSpot);
        Aim1J = qint16(path->item);
        Aim2J = qint16(path->subItem);
        JumpStep = path->jump;
    }
    CSH();
    ToolCSH();
    ElseToolCSH();
    MuBiaoWei();
}

// The family by the menu file's rule (3, 4, 5 and 6 or 8 give families 1 to
// 4), the menu PopMenuNo; lines the file does not hold are empty texts.
void FrmYanShi::systemMenu()
{
    if (!run::YanShiRun)
        return;
    chk::MenuBlock block = chk::readMenuBlock(chk::menuFilePath(), chk::menuFamily(StepType), PopMenuNo);
    for (auto &line : block.lines)
        if (!line)
            line = QString();
    fillPopup(chk::popupFromBlock(block), 1);
}

// ---- Steps, the stop and the end ---------------------------------------------------

// The question file's line of the question, or the line the question
// window read when the file no longer has it.
int FrmYanShi::questionSteps() const
{
    const auto lines = scene::cachedLines(run::TmFile);
    const QString line = lines && run::TmNo >= 1 && run::TmNo <= lines->size() ? lines->at(run::TmNo - 1) : run::TmLine;
    return fnd::leadingInt(bank::chars(line, bank::Tm.stepCount));
}

void FrmYanShi::endAtFinalStep()
{
    Timer[2]->stop();
    simwin::moveTwips(Shape5, -500, -500);
    PointX = PointY = -500;
    armEnd();
}

void FrmYanShi::doNext()
{
    if (!run::YanShiRun)
        return;
    for (int i = 1; i <= 11; ++i)
        Timer[size_t(i)]->stop();
    // The final scene, and a demonstration never leaves its question.
    if (scene::stepTypeText(scene::StepLine) == u"9999" || DemoStep + 1 > questionSteps()) {
        endAtFinalStep();
        return;
    }
    ++DemoStep;
    setData();
}

void FrmYanShi::GoStep(const QString &cStep)
{
    if (cStep == u"0")
        return;
    const int n = scene::jumpStep(cStep);
    if (n < 1 || n > questionSteps()) {
        endAtFinalStep();
        return;
    }
    DemoStep = qint16(n);
    setData();
}

void FrmYanShi::endStep()
{
    if (JumpStep == u"0")
        doNext();
    else
        GoStep(JumpStep);
}

void FrmYanShi::armEnd()
{
    if (!TimEnd->isActive())
        endTicks_ = 0;
    enable(TimEnd);
}

void FrmYanShi::stop() { armEnd(); }

void FrmYanShi::mouseDoubleClickEvent(QMouseEvent *e)
{
    e->accept();
    stop();
}

namespace {
bool isStopKey(const QKeyEvent *e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape: return true;
    default: return false;
    }
}
} // namespace

void FrmYanShi::keyReleaseEvent(QKeyEvent *e)
{
    if (isStopKey(e))
        stop();
    e->accept();
}

// A stop key released while a text box or the list has the keyboard stops
// too; a label's double-click ends at the label.
bool FrmYanShi::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() == QEvent::KeyRelease && watched != this && isStopKey(static_cast<QKeyEvent *>(e))) {
        stop();
        return false;
    }
    if (e->type() == QEvent::MouseButtonDblClick && qobject_cast<QLabel *>(watched) &&
        !qobject_cast<simwin::MouseTarget *>(watched))
        return true;
    return false;
}

// The end, on the fourth tick counted on from the shared TickCount, and at
// the latest on its own tenth tick.
void FrmYanShi::TimEnd_Timer()
{
    simwin::moveTwips(Shape5, -500, -500);
    ++endTicks_;
    if (++TickCount < 4 && endTicks_ < 10)
        return;
    for (int i = 1; i <= 9; ++i)
        Timer[size_t(i)]->stop();
    TickCount = 0;
    DemoStep = 1;
    run::YanShiRun = false;
    TimEnd->stop();
    unload();
    // The run's windows come back unless the run ended meanwhile.
    if (FrmMain *w = FrmMain::loaded())
        w->show();
    if (FrmTm *tm = FrmTm::loaded()) {
        tm->TimerREDO->start();
        tm->show();
    }
}
