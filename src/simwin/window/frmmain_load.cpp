// The simulated window's controls, their wiring and the window's load.
#include "simwin/window/frmmain.h"

#include "examflow/frmtm.h"
#include "foundation/globals.h"
#include "foundation/picture.h"
#include "foundation/programfolder.h"
#include "platform/ui/windoworder.h"
#include "simwin/checks/popupmenu.h"
#include "simwin/scene/keycodes.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/twips.h"

#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

using simwin::FrameShape;
using simwin::HotSpot;
using simwin::PictureBox;

namespace {
QTimer *makeTimer(QObject *parent, const char *name, int ms, bool singleShot)
{
    auto *t = new QTimer(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setInterval(ms);
    t->setSingleShot(singleShot);
    return t; // all timers are off in the window's definition
}
} // namespace

FrmMain::FrmMain() : SceneWindow(scene::SimulatedWindowRules, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FrmMain"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    buildControls();
    buildDropDowns();
    buildPopup();
    wireEvents();
}

FrmMain::~FrmMain() = default;

void FrmMain::buildControls()
{
    OwnControls own;
    own.underPictures = [this] {
        ImgLogo = new PictureBox(this, QStringLiteral("ImgLogo"));
        ImgLogo->setAutoSize(false);
        ImgLogo->setStretch(true);
    };
    own.overHint = [this] {
        LblSuccess = new simwin::KeptLabel(QStringLiteral("操作成功！"), this);
        LblSuccess->setObjectName(QStringLiteral("LblSuccess"));
        LblSuccess->setAttribute(Qt::WA_TranslucentBackground);
        QPalette p = LblSuccess->palette();
        p.setColor(QPalette::WindowText, QColor(255, 0, 0));
        LblSuccess->setPalette(p);
        LblSuccess->setFont(QFont(QStringLiteral("宋体")));
        LblSuccess->setAttribute(Qt::WA_TransparentForMouseEvents);
    };
    own.overTabCells = [this] {
        lblMove = new HotSpot(this, QStringLiteral("lblMove"));
        lblMove->setPaintsCaptionOnly();
    };
    own.afterText2 = [this] {
        Text3 = new QLineEdit(this);
        Text3->setObjectName(QStringLiteral("Text3"));
        Text3->setFrame(false);
        Text3->hide();
    };
    // Each bar's red hint frame, above the bar's cells.
    own.inBar = [this](PictureBox *bar) {
        const QString name = QStringLiteral("Shape") + bar->objectName().mid(3);
        auto *frame = new FrameShape(bar, name, QColor(255, 0, 0), 2);
        frame->hide();
        (bar == PicMenu ? ShapeMenu : bar == PicTool ? ShapeTool : bar == PicHui ? ShapeHui : ShapeElse) = frame;
    };
    buildSceneControls(own);
    for (FrameShape *s : {ShapeMenu, ShapeTool, ShapeHui, ShapeElse})
        s->raise();

    Timer2 = makeTimer(this, "Timer2", 100, true);
    Timer3 = makeTimer(this, "Timer3", 1000, false);
    TimerDisFK = makeTimer(this, "TimerDisFK", 100, true);
    TimTool = makeTimer(this, "TimTool", 100, true);
}

void FrmMain::wireEvents()
{
    connect(Timer2, &QTimer::timeout, this, &FrmMain::Timer2_Timer);
    connect(Timer3, &QTimer::timeout, this, &FrmMain::Timer3_Timer);
    connect(TimerDisFK, &QTimer::timeout, this, &FrmMain::TimerDisFK_Timer);
    connect(TimTool, &QTimer::timeout, this, &FrmMain::TimTool_Timer);

    connect(Label1, &HotSpot::mouseDown, this, [this](int, int b, int s, double x, double y) { Label1_MouseDown(b, s, x, y); });
    connect(Label1, &HotSpot::mouseMove, this, [this](int, int b, int s, double x, double y) { Label1_MouseMove(b, s, x, y); });
    connect(Label1, &HotSpot::mouseUp, this, [this](int, int b, int s, double x, double y) { Label1_MouseUp(b, s, x, y); });
    connect(Label1, &HotSpot::dblClicked, this, [this](int) { Label1_DblClick(); });
    connect(Label4, &HotSpot::mouseDown, this, [this](int, int b, int s, double x, double y) { Label4_MouseDown(b, s, x, y); });
    connect(Label4, &HotSpot::mouseMove, this, [this](int, int b, int s, double x, double y) { Label4_MouseMove(b, s, x, y); });
    connect(Label4, &HotSpot::mouseUp, this, [this](int, int b, int s, double x, double y) { Label4_MouseUp(b, s, x, y); });
    connect(lblMove, &HotSpot::mouseDown, this, [this](int, int b, int s, double x, double y) { lblMove_MouseDown(b, s, x, y); });
    for (int k = 1; k <= 6; ++k) {
        PictureBox *img = Image[k];
        connect(img, &PictureBox::mouseDown, this, [this, k](int, int b, int s, double x, double y) { Image_MouseDown(k, b, s, x, y); });
        connect(img, &PictureBox::mouseMove, this, [this, k](int, int b, int s, double x, double y) { Image_MouseMove(k, b, s, x, y); });
        connect(img, &PictureBox::mouseUp, this, [this, k](int, int b, int s, double x, double y) { Image_MouseUp(k, b, s, x, y); });
        connect(img, &PictureBox::clicked, this, [this, k](int) { Image_Click(k); });
    }
    connect(Image[6], &PictureBox::keyDown, this, &FrmMain::Image6_KeyDown);
    for (int i = 0; i < TabCells; ++i)
        connect(LblXXK[i], &HotSpot::clicked, this, &FrmMain::LblXXK_Click);

    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    connect(Text2, &QLineEdit::textChanged, this, [this] { Text2_Change(); });
    connect(Text3, &QLineEdit::textChanged, this, [this] { Text3_Change(); });
    Text1->installEventFilter(this);
    Text3->installEventFilter(this);
    connect(LstLA, &QListWidget::currentRowChanged, this, [this] { LstLA_Click(); });

    for (int i = 0; i <= LastHotSpot; ++i) {
        connect(LblZHU[i], &HotSpot::mouseDown, this, [this] { beginGesture(); });
        connect(LblZHU[i], &HotSpot::mouseMove, this, &FrmMain::LblZHU_MouseMove);
        connect(LblZHU[i], &HotSpot::mouseUp, this, &FrmMain::LblZHU_MouseUp);
    }
    for (int i = 1; i <= MenuItems; ++i) {
        connect(Lbl1J[i], &HotSpot::mouseDown, this, [this] { beginGesture(); });
        connect(Lbl2J[i], &HotSpot::mouseDown, this, [this] { beginGesture(); });
        connect(Lbl1J[i], &HotSpot::mouseMove, this, &FrmMain::Lbl1J_MouseMove);
        connect(Lbl1J[i], &HotSpot::clicked, this, &FrmMain::Lbl1J_Click);
        connect(Lbl2J[i], &HotSpot::mouseMove, this, &FrmMain::Lbl2J_MouseMove);
        connect(Lbl2J[i], &HotSpot::clicked, this, &FrmMain::Lbl2J_Click);
    }
    connect(PicTool, &PictureBox::mouseUp, this, [this](int, int b, int s, double x, double y) { PicTool_MouseUp(b, s, x, y); });
    // Key-downs of the ten picture boxes go to the key handling.
    for (PictureBox *box : {PicMenu, PicTool, PicHui, PicElse, Pic1J, Pic2J})
        connect(box, &PictureBox::keyDown, this, &FrmMain::Bar_KeyDown);
    for (QWidget *w : {PicLeft, PicTop, PicRight, PicBottom})
        connect(static_cast<PictureBox *>(w), &PictureBox::keyDown, this, &FrmMain::Bar_KeyDown);
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1) {
        switch (event->type()) {
        case QEvent::KeyRelease:
            Text1_KeyUp(static_cast<QKeyEvent *>(event));
            break;
        case QEvent::MouseButtonRelease: {
            auto *me = static_cast<QMouseEvent *>(event);
            Text1_MouseUp(simwin::buttonOf(me->button()), scene::shiftState(me->modifiers()));
            break;
        }
        case QEvent::FocusIn:
            Text1_GotFocus();
            break;
        default:
            break;
        }
    } else if (watched == Text3 && event->type() == QEvent::FocusIn) {
        Text3_GotFocus();
    }
    return QWidget::eventFilter(watched, event);
}

int FrmMain::sizeRule(double yScale, int screenHeightPx)
{
    // The screen's height in twips is its pixels times 15 x yScale; both
    // sides are compared in single precision.
    const float screen = float(screenHeightPx * 15.0 * yScale / 15.0);
    const float limit = float(650 * yScale);
    return limit < screen ? 1 : limit > screen ? -1 : 0;
}

void FrmMain::formLoad()
{
    using fnd::XBiLi;
    using fnd::YBiLi;
    // 1. Icon.
    QPixmap icon;
    if (fnd::loadPictureInto(icon, fnd::dataFile(QStringLiteral("l62011"))))
        setWindowIcon(icon);

    // 2-3. Size rule: a screen more than 650 pixels high gets a normal window
    // of 12000 x 9000 design twips, centred; a smaller one keeps the window
    // maximised at the top-left corner.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect sg = screen ? screen->geometry() : QRect(0, 0, 800, 600);
    if (sizeRule(YBiLi, sg.height()) > 0) {
        maximised_ = false;
        const double w = 12000 * XBiLi, h = 9000 * YBiLi;
        const double left = (fnd::xPxToTwips(sg.width()) - w) / 2, top = (fnd::yPxToTwips(sg.height()) - h) / 2;
        setGeometry(fnd::xTwipsToPx(left) + sg.x(), fnd::yTwipsToPx(top) + sg.y(), fnd::xTwipsToPx(w),
                    fnd::yTwipsToPx(h));
        setWindowState(Qt::WindowNoState);
    } else {
        maximised_ = true;
        setGeometry(sg);
        setWindowState(Qt::WindowMaximized);
    }
    // 4. The question window at the bottom-right corner.
    dockQuestionWindow();
    // 5-6.
    Label1->setText(QString());
    simwin::setTwipsRect(ImgLogo, 10200 * XBiLi, 8235 * YBiLi, 1740 * XBiLi, 345 * YBiLi);
    ImgLogo->loadPicture(fnd::dataFile(QStringLiteral("l62009")));
    // 7. The first forty questions resume at step 1.
    for (int i = 1; i <= 40; ++i)
        scene::TmStep[i] = 1;
    // 8. Elements 1 to 10 of every item array, in the window's order.
    addPopupElements();
    for (const chk::PopupArrayInfo &a : chk::kPopupArrays) {
        const QList<QAction *> &row = itemArray(a);
        for (int n = 0; n < PopupSlots; ++n)
            connect(row[n], &QAction::triggered, this, [this, digit = a.arrayDigit, n] { wm100_Click(digit, n); });
    }
    // 9. The folder of bar, menu and panel pictures.
    ExamDataPath = fnd::programFolder() + QStringLiteral("/examdata/");
    // 10. Fonts of the hint and the list.
    setSceneFonts();
    // 11. Tooltips of the toolbar cells.
    for (int i = 0; i <= LastHotSpot; ++i)
        LblZHU[i]->setToolTip(toolTipText(i));
    // 12. The drag strip over the screenshot's title bar.
    simwin::setTwipsRect(lblMove, 1440 * XBiLi, 0, 9495 * XBiLi, 375 * YBiLi);
    // 13. The success label, placed and hidden; its drawing kept, so that a
    // final scene only copies it.
    {
        QFont f = LblSuccess->font();
        f.setPointSizeF(72 * XBiLi);
        LblSuccess->setFont(f);
        LblSuccess->adjustSize();
        simwin::syncTwipsFromPixels(LblSuccess);
        simwin::moveTwips(LblSuccess, 2640 * XBiLi, 3840 * YBiLi);
        LblSuccess->hide();
        LblSuccess->keepDrawing();
    }
    // 14. The bar cells.
    ToolCSH();
}

void FrmMain::mouseMoveEvent(QMouseEvent *e)
{
    // A move a control left unused is not a move over the bare window.
    if (childAt(e->position().toPoint()))
        return;
    Form_MouseMove(simwin::buttonOf(e->buttons()), scene::shiftState(e->modifiers()), fnd::xPxToTwips(e->position().x()),
                   fnd::yPxToTwips(e->position().y()));
}

void FrmMain::keyPressEvent(QKeyEvent *e)
{
    Form_KeyDown(e);
    QWidget::keyPressEvent(e);
}

void FrmMain::dockQuestionWindow()
{
    plat::dockAtBottomRight(FrmTm::loaded(), this);
}
