// The demonstration window: its controls, its load, its own layer of the
// scene set-up, the step advance and the end.
#include "demo/window/frmyanshi.h"

#include "examflow/frmtm.h"
#include "foundation/blanks.h"
#include "foundation/globals.h"
#include "foundation/numparse.h"
#include "foundation/picture.h"
#include "foundation/programfolder.h"
#include "platform/ui/windoworder.h"
#include "run/runstate.h"
#include "simwin/checks/popupmenu.h"
#include "simwin/scene/sceneend.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/twips.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTextEdit>

using fnd::XBiLi;
using fnd::YBiLi;
using simwin::FrameShape;
using simwin::PictureBox;

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
    // The drop-downs over the bars; the click ring and the note over all.
    auto panel = [this](const char *name) {
        auto *box = new PictureBox(this, QString::fromLatin1(name));
        box->hide();
        return box;
    };
    Pic1J = panel("Pic1J");
    Img1J = new PictureBox(Pic1J, QStringLiteral("Img1J"));
    Pic2J = panel("Pic2J");
    Shape5 = new FrameShape(this, QStringLiteral("Shape5"), QColor(255, 0, 0), 2);
    Shape5->hide();

    ImgLogo = new QLabel(this);
    ImgLogo->setObjectName(QStringLiteral("ImgLogo"));
    ImgLogo->setWordWrap(true);
    ImgLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ImgLogo->setAutoFillBackground(true);
    {
        QPalette p = ImgLogo->palette();
        p.setColor(QPalette::Window, QColor(255, 255, 192));
        p.setColor(QPalette::WindowText, p.color(QPalette::ButtonText));
        ImgLogo->setPalette(p);
    }
    ImgLogo->setAttribute(Qt::WA_TransparentForMouseEvents);
    buildPopup();

    // The player's timers, all off in the window's definition.
    auto timer = [this](const QString &name, int ms) {
        auto *t = new QTimer(this);
        t->setObjectName(name);
        t->setInterval(ms);
        return t;
    };
    const int intervals[12] = {0, 500, 100, 1000, 200, 100, 100, 200, 100, 100, 100, 100};
    for (int i = 1; i <= 11; ++i)
        Timer[i] = timer(QStringLiteral("Timer%1").arg(i), intervals[i]);
    TimerRM = timer(QStringLiteral("TimerRM"), 100);
    TimerRS = timer(QStringLiteral("TimerRS"), 100);
    TimEnd = timer(QStringLiteral("TimEnd"), 100);
    connect(Timer[4], &QTimer::timeout, this, &FrmYanShi::Timer4_Timer);
    connect(TimEnd, &QTimer::timeout, this, &FrmYanShi::TimEnd_Timer);
}

void FrmYanShi::formLoad()
{
    // Each step goes on whatever the one before it did.
    QPixmap icon;
    if (fnd::loadPictureInto(icon, fnd::dataFile(QStringLiteral("l62011"))))
        setWindowIcon(icon);
    run::AnswerMode = 1;
    TickCount = 0;
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

void FrmYanShi::setData() { buildScene(); }

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

void FrmYanShi::finalScene(const scene::CodeStage &) { TimEnd->start(); }

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

void FrmYanShi::CSH()
{
    if (!run::YanShiRun)
        return;
    Pic1J->hide();
    Pic2J->hide();
    for (PictureBox *img : {ImgMenu, ImgElse, ImgTool, ImgHui})
        img->clearPicture();
}

void FrmYanShi::ToolCSH() { placeBarCells(); }

void FrmYanShi::ElseToolCSH() { placeExtraPanel(Pic1J); }

void FrmYanShi::MuBiaoWei()
{
    if (!run::YanShiRun)
        return;
    if (scene::stepTypeText(scene::StepLine) == u"8888") {
        Timer[4]->start();
        Timer[2]->stop();
    }
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

// ---- Steps and the end ---------------------------------------------------------------

void FrmYanShi::doNext()
{
    if (!run::YanShiRun)
        return;
    for (int i = 1; i <= 11; ++i)
        Timer[i]->stop();
    if (scene::stepTypeText(scene::StepLine) == u"9999") {
        simwin::moveTwips(Shape5, -500, -500);
        TimEnd->start();
        return;
    }
    ++DemoStep;
    setData();
}

void FrmYanShi::GoStep(const QString &cStep)
{
    if (cStep == u"0")
        return;
    const QChar c = cStep.isEmpty() ? QChar() : cStep.front();
    const int n = c >= u'A' && c <= u'Z' ? c.unicode() - u'A' + 10 : fnd::leadingInt(cStep);
    if (n <= 0)
        return; // no step to go to
    DemoStep = qint16(n);
    setData();
}

// The pause of an automatic advance: the next step on the fifth tick.
void FrmYanShi::Timer4_Timer()
{
    if (++TickCount < 5)
        return;
    TickCount = 0;
    Timer[4]->stop();
    doNext();
}

// The end, on the fourth tick counted on from TickCount.
void FrmYanShi::TimEnd_Timer()
{
    simwin::moveTwips(Shape5, -500, -500);
    if (++TickCount < 4)
        return;
    for (int i = 1; i <= 9; ++i)
        Timer[i]->stop();
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
