#include "auxiliary/about/frmabout.h"

#include "cover/frmfengmian.h"
#include "foundation/globals.h"
#include "foundation/programfolder.h"
#include "foundation/ui/kvelbutton.h"
#include "platform/ui/opener.h"
#include "platform/ui/windoworder.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

// A fixed box whose text wraps inside it anywhere, so that a long folder
// path without blanks stays within the box.
class WrappingLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setFont(font());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere, text());
    }
};

// A line control: one pixel high from x1 to x2 at y (twips), in one colour.
void placeLine(QWidget *line, double x1, double x2, double y)
{
    line->setGeometry(fnd::xTwipsToPx(x1), fnd::yTwipsToPx(y), fnd::xTwipsToPx(x2) - fnd::xTwipsToPx(x1), 1);
}

QWidget *makeLine(QWidget *parent, const QString &name, const QColor &colour)
{
    auto *line = new QWidget(parent);
    line->setObjectName(name);
    QPalette p = line->palette();
    p.setColor(QPalette::Window, colour);
    line->setPalette(p);
    line->setAutoFillBackground(true);
    return line;
}

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

// A label's font at points × XBiLi, in the given face ("" keeps the
// window's own).
void setFontSize(QLabel *label, double points, const QString &face = {}, bool bold = false)
{
    QFont f = face.isEmpty() ? label->font() : QFont(face);
    f.setPointSizeF(points * fnd::XBiLi);
    f.setBold(bold);
    label->setFont(f);
}

} // namespace

FrmAbout::FrmAbout() : PictureWindow(QStringLiteral("FrmAbout"), Qt::Tool)
{
    for (int i : {2, 1, 4, 0, 6})
        Label1[size_t(i)] = makeLabel(this, QStringLiteral("Label1_%1").arg(i));
    auto *folder = new WrappingLabel(this);
    folder->setObjectName(QStringLiteral("Label1_3"));
    folder->setTextFormat(Qt::PlainText);
    folder->setAttribute(Qt::WA_TranslucentBackground);
    folder->setCursor(Qt::PointingHandCursor);
    Label1[3] = folder;
    for (QLabel *l : Label1)
        if (l)
            l->installEventFilter(this);
    setTextColour(Label1[2], Qt::white);
    setTextColour(Label1[1], QColor(12, 127, 233));
    setTextColour(Label1[4], QColor(255, 0, 0));
    Line1[4] = makeLine(this, QStringLiteral("Line1_4"), QColor(128, 128, 128));
    Line1[3] = makeLine(this, QStringLiteral("Line1_3"), Qt::white);
    for (int i = 0; i < 2; ++i)
        LblClick[size_t(i)] = makeCloseButton(QStringLiteral("LblClick_%1").arg(i));
}

void FrmAbout::formLoad()
{
    using fnd::XBiLi;
    using fnd::YBiLi;
    using fnd::xPx;
    using fnd::yPx;
    // A step that fails (a missing picture) leaves its part empty; the
    // window opens with the rest.
    // 1-3. Icon, title, size, background; topmost.
    setIconAndTitle();
    setFrame(6300, 4200, QStringLiteral("l20070"));
    plat::makeTopmost(this);
    // 4. Logo.
    placeLogo();
    // 5. The system title, copied into the header strip.
    Label1[1]->setText(fnd::InfoTable[0] + fnd::InfoTable[9]);
    Label1[2]->setText(Label1[1]->text());
    // 6. Drag strip.
    placeDragStrip(5580);
    // 7. The close buttons: the corner one from the width just set.
    placeCornerButton(LblClick[0]);
    placeButton(LblClick[1], 4680, 3480, 1350, 450, QStringLiteral("l20001"));
    // 8. Title lines.
    Label1[2]->move(xPx(600), yPx(180));
    setFontSize(Label1[2], 10, QStringLiteral("宋体"));
    Label1[1]->move(xPx(480), yPx(720));
    setFontSize(Label1[1], 10, QStringLiteral("宋体"));
    // 9. The lines below, at the system title's left.
    const int left = Label1[1]->x();
    Label1[4]->move(left, yPx(1080));
    setFontSize(Label1[4], 12, QStringLiteral("宋体"), true);
    Label1[4]->setText(QStringLiteral("\u2500\u2500 ") + fnd::ModuleName);
    Label1[0]->move(left, yPx(1500));
    setFontSize(Label1[0], 10);
    // The version line as the cover shows it now; a cover that is not loaded
    // is not loaded for it (its load re-reads every record file).
    if (const FrmFengmian *cover = FrmFengmian::loaded())
        Label1[0]->setText(cover->LblInfo_0->text());
    Label1[3]->setGeometry(left, yPx(1800), xPx(5490), yPx(540));
    setFontSize(Label1[3], 10);
    Label1[3]->setText(QStringLiteral("系统工作目录: ") + fnd::programFolder());
    Label1[6]->move(left, yPx(3600));
    setFontSize(Label1[6], 10);
    Label1[6]->setText(fnd::InfoTable[7]);
    for (int i : {2, 1, 4, 0, 6})
        Label1[size_t(i)]->adjustSize();
    // 10. The etched separator: the white line 15 twips right of and below
    // the grey one.
    const double x1 = 360 * XBiLi, x2 = 5760 * XBiLi, y = 2385 * YBiLi;
    placeLine(Line1[4], x1, x2, y);
    placeLine(Line1[3], x1 + 15 * XBiLi, x2 + 15 * XBiLi, y + 15 * YBiLi);
    raiseChrome({LblClick[0], LblClick[1]});
}

bool FrmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *e = static_cast<QMouseEvent *>(event);
        auto *label = static_cast<QLabel *>(watched);
        if (e->button() == Qt::LeftButton && label->rect().contains(e->position().toPoint()))
            for (int i = 0; i < int(Label1.size()); ++i)
                if (Label1[size_t(i)] == label)
                    Label1_Click(i);
    }
    return PictureDialog::eventFilter(watched, event);
}

void FrmAbout::Label1_Click(int index)
{
    // Only the program-folder line acts: the folder opens; the shell's
    // answer is not looked at.
    if (index == 3)
        plat::openFolder(fnd::programFolder());
}
