// The question window's controls, their wiring and the window's load.
#include "examflow/frmtm.h"

#include "examflow/examstate.h"
#include "foundation/globals.h"
#include "foundation/picture.h"
#include "foundation/ui/kvelbutton.h"
#include "platform/ui/windoworder.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/controls.h"
#include "simwin/window/twips.h"

#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QTextEdit>

using simwin::HotSpot;
using simwin::PictureBox;
using simwin::setTwipsRect;
using simwin::twipsHeight;
using simwin::twipsLeft;
using simwin::twipsTop;
using simwin::twipsWidth;

namespace {

QTimer *makeTimer(QObject *parent, const char *name, int ms, bool singleShot, bool enabled)
{
    auto *t = new QTimer(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setInterval(ms);
    t->setSingleShot(singleShot);
    if (enabled)
        t->start();
    return t;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text = QString())
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText); // headers and names read from files, as written
    l->setText(text);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    l->adjustSize();
    return l;
}

kvelButton *makeButton(QWidget *parent, const QString &name)
{
    auto *b = new kvelButton(parent);
    b->setObjectName(name);
    return b;
}

QWidget *makePanel(QWidget *parent, const char *name, const QColor &back = QColor())
{
    auto *w = new QWidget(parent);
    w->setObjectName(QString::fromLatin1(name));
    if (back.isValid()) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, back);
        w->setPalette(p);
        w->setAutoFillBackground(true);
    }
    return w;
}

void setFontPoints(QWidget *w, double points, bool bold = false, const char *family = nullptr)
{
    QFont f = w->font();
    if (family)
        f.setFamily(QString::fromUtf8(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    w->setFont(f);
    if (auto *l = qobject_cast<QLabel *>(w); l && !l->wordWrap())
        l->adjustSize();
}

void setTextColour(QWidget *w, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

// The candidate photo of the window's design: a head and shoulders.
QPixmap drawnPhoto()
{
    QPixmap pm(97, 116);
    pm.fill(QColor(0xe4, 0xec, 0xf5));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8a, 0x9b, 0xb0));
    p.drawEllipse(QRectF(30, 18, 37, 42));
    QPainterPath body;
    body.moveTo(10, 116);
    body.cubicTo(12, 78, 85, 78, 87, 116);
    p.drawPath(body);
    p.setPen(QColor(0x5a, 0x6b, 0x80));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    return pm;
}

// The collapsed bar: a small handle with the restore arrow.
QPixmap drawnBar()
{
    QPixmap pm(54, 58);
    pm.fill(QColor(0x1f, 0x4e, 0x8c));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x5b, 0x9b, 0xd5), 2));
    p.drawLine(6, 9, 48, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPainterPath arrow;
    arrow.moveTo(27, 24);
    arrow.lineTo(40, 40);
    arrow.lineTo(14, 40);
    arrow.closeSubpath();
    p.drawPath(arrow);
    p.setPen(QColor(0x0f, 0x2e, 0x5c));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    return pm;
}

} // namespace

FrmTm::FrmTm() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FrmTm"));
    buildControls();
    wireEvents();
}

FrmTm::~FrmTm() = default;

void FrmTm::buildControls()
{
    ImgLogo1 = new PictureBox(this, QStringLiteral("ImgLogo1"));
    LblBiao = makeLabel(this, QStringLiteral("LblBiao"));
    setTextColour(LblBiao, Qt::white);

    // The main panel, then the two panels that take its place.
    FrmZhuYa = makePanel(this, "FrmZhuYa");
    RtbTM = new QTextEdit(FrmZhuYa);
    RtbTM->setObjectName(QStringLiteral("RtbTM"));
    RtbTM->setReadOnly(true);
    RtbTM->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RtbTM->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RtbTM->setFont(QFont(QStringLiteral("宋体")));
    for (int i = 0; i < Buttons; ++i)
        CmdGN[i] = makeButton(FrmZhuYa, QStringLiteral("CmdGN_%1").arg(i));
    // The clock row lies beneath the unfinished-question box, which covers
    // it in practice.
    LblTime = makeLabel(FrmZhuYa, QStringLiteral("LblTime"));
    PTime = makePanel(FrmZhuYa, "PTime", Qt::white);
    LblTimeJD = makeLabel(PTime, QStringLiteral("LblTimeJD"));
    LblTimeJD->setAutoFillBackground(true);
    {
        QPalette p = LblTimeJD->palette();
        p.setColor(QPalette::Window, QColor(0, 0, 255));
        LblTimeJD->setPalette(p);
    }
    LblName = makeLabel(FrmZhuYa, QStringLiteral("LblName"), QStringLiteral("考生姓名"));
    PicUnit = makePanel(FrmZhuYa, "PicUnit", QColor(0xf4, 0xf7, 0xfb));
    LblUnit = makeLabel(PicUnit, QStringLiteral("LblUnit"), QStringLiteral("未完成的题目:"));
    LblIME = makeLabel(FrmZhuYa, QStringLiteral("LblIME"), QStringLiteral("EN"));
    LblIME->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    LblIME->setAutoFillBackground(true);
    {
        QPalette p = LblIME->palette();
        p.setColor(QPalette::Window, QColor(0, 0, 255));
        p.setColor(QPalette::WindowText, Qt::white);
        LblIME->setPalette(p);
    }
    CmdEn = makeButton(FrmZhuYa, QStringLiteral("CmdEn"));
    Image2 = makeButton(FrmZhuYa, QStringLiteral("Image2"));

    FrmSelect = makePanel(this, "FrmSelect");
    for (int i = 1; i <= ChooserCells; ++i)
        CmTNO[i] = makeButton(FrmSelect, QStringLiteral("CmTNO_%1").arg(i));
    CmdSelFH = makeButton(FrmSelect, QStringLiteral("CmdSelFH"));
    CmdSelLast = makeButton(FrmSelect, QStringLiteral("CmdSelLast"));
    CmdSelNext = makeButton(FrmSelect, QStringLiteral("CmdSelNext"));

    FrmKSXX = makePanel(this, "FrmKSXX");
    Image1 = new PictureBox(FrmKSXX, QStringLiteral("Image1"));
    Image1->setAutoSize(false);
    Image1->setStretch(true);
    Image1->setBasePicture(drawnPhoto());
    const char *fieldNames[6] = {"姓    名：", "座 位 号：", "场    次：", "档 案 号：", "报考科目：", "身份证号："};
    for (int i = 0; i < 6; ++i)
        Label1[i] = makeLabel(FrmKSXX, QStringLiteral("Label1_%1").arg(i), QString::fromUtf8(fieldNames[i]));
    KsName1 = makeLabel(FrmKSXX, QStringLiteral("KsName1"), QStringLiteral("张三"));
    KsZWH1 = makeLabel(FrmKSXX, QStringLiteral("KsZWH1"), QStringLiteral("01"));
    KsCC1 = makeLabel(FrmKSXX, QStringLiteral("KsCC1"), QStringLiteral("1"));
    KsDAH1 = makeLabel(FrmKSXX, QStringLiteral("KsDAH1"), QStringLiteral("000000"));
    KsKM1 = makeLabel(FrmKSXX, QStringLiteral("KsKM1"), QStringLiteral("科目"));
    KsSFZ1 = makeLabel(FrmKSXX, QStringLiteral("KsSFZ1"), QStringLiteral("000000000000000000"));
    CmdKSFH = makeButton(FrmKSXX, QStringLiteral("CmdKSFH"));

    // Above the panels: the drag strip, then the collapse and close buttons.
    lblMove = new HotSpot(this, QStringLiteral("lblMove"));
    lblMove->setPaintsCaptionOnly();
    LblZXH = makeButton(this, QStringLiteral("LblZXH"));
    LblClose = makeButton(this, QStringLiteral("LblClose"));

    // The collapsed bar, drawn by the window, 810 by 870 twips at any scale.
    FrmZXH = new PictureBox(this, QStringLiteral("FrmZXH"));
    FrmZXH->setAutoSize(false);
    FrmZXH->setBasePicture(drawnBar());
    setTwipsRect(FrmZXH, 0, 0, 810, 870);
    Label2 = new HotSpot(FrmZXH, QStringLiteral("Label2"));
    Command2 = new HotSpot(FrmZXH, QStringLiteral("Command2"));
    FrmZXH->hide();

    TimKsModel = makeTimer(this, "TimKsModel", 500, true, true);
    TimeKS = makeTimer(this, "TimeKS", 60000, false, true);
    TimerREDO = makeTimer(this, "TimerREDO", 100, true, false);
    TimStartYS = makeTimer(this, "TimStartYS", 100, false, false);

    mIme = new QMenu(this);
    mIme->setObjectName(QStringLiteral("mIme"));
    mEng = mIme->addAction(QStringLiteral("英语（美国）"));
    mEng->setObjectName(QStringLiteral("mEng"));
    for (int k = 1; k <= ImeItems; ++k) {
        mCn[k] = mIme->addAction(QStringLiteral("中文%1").arg(k));
        mCn[k]->setObjectName(QStringLiteral("mCn%1").arg(k));
    }
}

void FrmTm::wireEvents()
{
    connect(TimKsModel, &QTimer::timeout, this, &FrmTm::TimKsModel_Timer);
    connect(TimerREDO, &QTimer::timeout, this, &FrmTm::TimerREDO_Timer);
    connect(TimStartYS, &QTimer::timeout, this, &FrmTm::TimStartYS_Timer);
    connect(TimeKS, &QTimer::timeout, this, &FrmTm::TimeKS_Timer);
    for (int i = 1; i <= ChooserCells; ++i)
        connect(CmTNO[i], &kvelButton::Click, this, [this, i] { CmTNO_Click(i); });
    connect(CmdSelLast, &kvelButton::Click, this, &FrmTm::CmdSelLast_Click);
    connect(CmdSelNext, &kvelButton::Click, this, &FrmTm::CmdSelNext_Click);
    connect(CmdSelFH, &kvelButton::Click, FrmSelect, &QWidget::hide);
    connect(CmdKSFH, &kvelButton::Click, FrmKSXX, &QWidget::hide);
    for (int i = 0; i < Buttons; ++i)
        connect(CmdGN[i], &kvelButton::Click, this, [this, i] { CmdGN_Click(i); });
    connect(Image2, &kvelButton::Click, this, &FrmTm::Image2_Click);
    connect(CmdEn, &kvelButton::Click, this, &FrmTm::CmdEn_Click);
    connect(LblZXH, &kvelButton::Click, this, &FrmTm::collapse);
    connect(Command2, &HotSpot::clicked, this, [this] { restore(); });
    connect(Command2, &HotSpot::mouseMove, this, [this] { setCommand2Border(true); });
    connect(FrmZXH, &PictureBox::mouseMove, this, [this] { setCommand2Border(false); });
    connect(FrmZXH, &PictureBox::mouseDown, this,
            [this](int, int b, int, double x, double y) { FrmZXH_MouseDown(FrmZXH, b, x, y, false); });
    connect(Label2, &HotSpot::mouseDown, this,
            [this](int, int b, int, double x, double y) { FrmZXH_MouseDown(Label2, b, x, y, true); });
    connect(lblMove, &HotSpot::mouseDown, this, [this](int, int b, int, double x, double y) { lblMove_MouseDown(b, x, y); });
    LblUnit->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    LblUnit->setMouseTracking(true);
    for (QObject *o : {static_cast<QObject *>(RtbTM), static_cast<QObject *>(RtbTM->viewport()),
                       static_cast<QObject *>(PicUnit), static_cast<QObject *>(LblUnit), static_cast<QObject *>(LblIME)})
        o->installEventFilter(this);
    connect(mIme, &QMenu::triggered, this, &FrmTm::chooseLayout);
}

void FrmTm::setCaption(QLabel *label, const QString &text)
{
    label->setText(text);
    label->adjustSize();
}

void FrmTm::paintEvent(QPaintEvent *)
{
    if (!picture_.isNull())
        QPainter(this).drawPixmap(0, 0, picture_);
}

void FrmTm::formLoad()
{
    using fnd::XBiLi;
    using fnd::YBiLi;
    auto ui = [](const char *name) { return fnd::dataFile(QString::fromLatin1(name)); };
    // Each step goes on whatever the one before it did.
    // 1. Icon, size, background.
    if (const auto icon = fnd::loadPicture(ui("l62011")))
        setWindowIcon(*icon);
    setTwipsRect(this, twipsLeft(this), twipsTop(this), 4980 * XBiLi, 3630 * YBiLi);
    if (fnd::loadPictureInto(picture_, ui("l01046")))
        pictureName_ = QStringLiteral("l01046");
    const double W = twipsWidth(this), H = twipsHeight(this);
    // 2. Logo.
    simwin::moveTwips(ImgLogo1, 60 * XBiLi, 30 * YBiLi);
    ImgLogo1->loadPicture(ui("l20067"));
    simwin::syncTwipsFromPixels(ImgLogo1);
    // 3-4.
    TimStartYSTicks = 0;
    for (int i = 1; i <= run::MaxQuestions; ++i)
        scene::TmStep[i] = 1;
    // 5. Topmost, at the bottom-right corner of the 1024 x 600 design area.
    plat::makeTopmost(this);
    simwin::moveTwips(this, 15360 * XBiLi - W, 9000 * YBiLi - H);
    // 6-7. Fonts; the header.
    for (QLabel *l : {LblUnit, LblTime, LblIME, LblName})
        setFontPoints(l, 9 * XBiLi);
    setFontPoints(LblBiao, 10 * XBiLi, true, "宋体");
    simwin::moveTwips(LblBiao, 510 * XBiLi, 90 * YBiLi);
    // 8-9. Drag strip, close and collapse buttons.
    setTwipsRect(lblMove, 0, 0, W, 450 * YBiLi);
    setTwipsRect(LblClose, W - 390 * XBiLi, 30 * YBiLi, 330 * XBiLi, 330 * YBiLi);
    LblClose->loadPicture(ui("l20003"));
    setTwipsRect(LblZXH, W - 795 * XBiLi, 30 * YBiLi, 330 * XBiLi, 330 * YBiLi);
    LblZXH->loadPicture(ui("l20002"));
    // 10. Panels; the main panel keeps its design height of 4125 twips.
    setTwipsRect(FrmSelect, 0, 450 * YBiLi, W, 4035 * YBiLi);
    setTwipsRect(FrmKSXX, 0, 450 * YBiLi, W, 4035 * YBiLi);
    setTwipsRect(FrmZhuYa, 0, 450 * YBiLi, W, 4125);
    simwin::moveTwips(FrmZXH, 0, 0);
    // 11. Function buttons.
    placeButtons();
    // 12. The restore target on the collapsed bar; the drag handle above it.
    {
        const double w = 645 * XBiLi;
        setTwipsRect(Command2, (twipsWidth(FrmZXH) - w) / 2, 270 * YBiLi, w, 540 * YBiLi);
        setTwipsRect(Label2, 0, 0, twipsWidth(FrmZXH), 270 * YBiLi);
    }
    // 13. Question text.
    setTwipsRect(RtbTM, twipsLeft(CmdGN[0]), 450 * YBiLi, 4770 * XBiLi, 1815 * YBiLi);
    setFontPoints(RtbTM, 11 * XBiLi, false, "宋体");
    // 14. The picture button over the text's lower-right corner.
    setTwipsRect(Image2, 3720 * XBiLi, 1800 * YBiLi, 870 * XBiLi, 330 * YBiLi);
    Image2->setFontSize(9 * XBiLi);
    Image2->setCaption(QStringLiteral("显示图片"));
    Image2->setForeColor(Qt::black);
    Image2->loadPicture(ui("l01044"));
    // 15. Clock row.
    const double rowTop = 2760 * YBiLi, rowHeight = 285 * YBiLi;
    setTwipsRect(LblTime, twipsLeft(CmdGN[5]), rowTop, 1215 * XBiLi, rowHeight);
    setTwipsRect(PTime, 1365 * XBiLi, rowTop, 2055 * XBiLi, rowHeight);
    setTwipsRect(LblName, 3450 * XBiLi, rowTop, 735 * XBiLi, rowHeight);
    setTwipsRect(LblIME, 4230 * XBiLi, rowTop, 615 * XBiLi, rowHeight);
    setTwipsRect(PicUnit, twipsLeft(LblTime), rowTop, 4080 * XBiLi, rowHeight);
    simwin::moveTwips(LblUnit, 0, 0);
    setTwipsRect(LblTimeJD, 0, 0, 0, 255);
    // 16. Candidate panel.
    setTwipsRect(Image1, 120 * XBiLi, 120 * YBiLi, 1455 * XBiLi, 1740 * YBiLi);
    const QString values[6] = {fnd::CandName, exam::CandSeat, exam::CandSession, exam::CandArchive, fnd::ExamTitle,
                               exam::CandIdCard};
    QLabel *valueLabels[6] = {KsName1, KsZWH1, KsCC1, KsDAH1, KsKM1, KsSFZ1};
    for (int i = 0; i < 6; ++i) {
        setFontPoints(Label1[i], 9 * XBiLi);
        simwin::moveTwips(Label1[i], 1680 * XBiLi, (120 + 315 * i) * YBiLi);
        setFontPoints(valueLabels[i], 9 * XBiLi);
        setCaption(valueLabels[i], values[i]);
        simwin::moveTwips(valueLabels[i], 2640 * XBiLi, (120 + 315 * i) * YBiLi);
    }
    // 17. The small button at the indicator's right end.
    {
        const double w = 240 * XBiLi;
        setTwipsRect(CmdEn, twipsLeft(LblIME) + twipsWidth(LblIME) - w, twipsTop(LblIME), w, 270 * YBiLi);
        CmdEn->loadPicture(ui("l01043"));
    }
    // 18. Clock start and the candidate's name.
    run::LeftMinutes = 50;
    showClock();
    LblName->setText(fnd::CandName);
    // 19. Chooser grid: ten cells a row, four rows.
    for (int i = 1; i <= ChooserCells; ++i) {
        kvelButton *c = CmTNO[i];
        c->setCaption(QString::number(i));
        c->setForeColor(Qt::black);
        setTwipsRect(c, 60 * XBiLi + ((i - 1) % 10) * 480 * XBiLi, 150 * YBiLi + ((i - 1) / 10) * 480 * YBiLi,
                     450 * XBiLi, 450 * YBiLi);
        c->loadPicture(ui("l01030"));
    }
    // 20. The first page; paging only for more than one page.
    YeMianNo = 0;
    if (run::TmSum < 41) {
        CmdSelLast->hide();
        CmdSelNext->hide();
        for (int i = std::max<int>(run::TmSum + 1, 1); i <= ChooserCells; ++i)
            CmTNO[i]->hide();
    } else {
        CmdSelLast->show();
        CmdSelNext->show();
    }
    YeMianMax = qint16(run::TmSum / 40 - (run::TmSum % 40 == 0 ? 1 : 0));
    // 21. Chooser and candidate-panel buttons.
    {
        const double w = 825 * XBiLi, h = 330 * YBiLi;
        const double left = (twipsWidth(FrmSelect) - w) / 2;
        const double top = twipsTop(CmTNO[35]) + twipsHeight(CmTNO[35]) + 540 * YBiLi;
        setTwipsRect(CmdSelFH, left, top, w, h);
        CmdSelFH->loadPicture(ui("l01045"));
        setTwipsRect(CmdSelLast, left - 1.5 * w, top, w, h);
        CmdSelLast->loadPicture(ui("l01047"));
        setTwipsRect(CmdKSFH, left, top, w, h);
        CmdKSFH->loadPicture(ui("l01045"));
        setTwipsRect(CmdSelNext, left + 1.5 * w, top, w, h);
        CmdSelNext->loadPicture(ui("l01048"));
    }
    // 22. The main panel shows.
    FrmSelect->hide();
    FrmKSXX->hide();
    // 23. Question 1 visited.
    if (!(run::TmState[1] & 1))
        run::TmState[1] += 1;
    // 24-26.
    fillImeMenu();
    DqExam();
    TimKsModel->start();
}

void FrmTm::placeButtons()
{
    using fnd::XBiLi;
    using fnd::YBiLi;
    const double lefts[8] = {90, 1020, 1950, 3030, 4110, 90, 2010, 3930};
    for (int i = 0; i < Buttons; ++i) {
        CmdGN[i]->loadPicture(fnd::dataFile(QStringLiteral("l010") + QStringLiteral("%1").arg(i, 2, 10, QChar(u'0'))));
        const double w = (i == 0 || i == 1 || i == 4 ? 720 : 870) * XBiLi;
        setTwipsRect(CmdGN[i], twipsLeft(CmdGN[i]), 15 * YBiLi, w, 330 * YBiLi);
    }
    if (run::AnswerMode == 3) {
        CmdGN[3]->loadPicture(fnd::dataFile(QStringLiteral("l01053")));
        CmdGN[11]->loadPicture(fnd::dataFile(QStringLiteral("l01054")));
    }
    for (int i = 5; i <= 10; ++i)
        simwin::setTwipsTop(CmdGN[i], 2355 * YBiLi);
    for (int i = 0; i < 8; ++i)
        simwin::setTwipsLeft(CmdGN[i], lefts[i] * XBiLi);
    // The exam buttons and unmark share the places of 5, 6, 7 and 3.
    const int sharedWith[4][2] = {{8, 5}, {9, 6}, {10, 7}, {11, 3}};
    for (const auto &s : sharedWith)
        simwin::setTwipsLeft(CmdGN[s[0]], twipsLeft(CmdGN[s[1]]));
}

