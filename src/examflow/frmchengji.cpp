#include "examflow/frmchengji.h"

#include "cover/frmfengmian.h"
#include "cover/runstart.h"
#include "foundation/globals.h"
#include "foundation/picture.h"
#include "foundation/ui/kvelbutton.h"
#include "run/records.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/twips.h"

#include <QDateTime>
#include <QLabel>
#include <QTimer>

FrmChengji::FrmChengji() : QWidget(nullptr, Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FrmChengji"));
    setWindowTitle(fnd::AppTitle);
    Label1 = new QLabel(QStringLiteral("得分：0分"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont f(QStringLiteral("宋体"));
    f.setPointSizeF(12);
    f.setBold(true);
    Label1->setFont(f);
    Command2 = new kvelButton(this);
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command2, &kvelButton::Click, this, &FrmChengji::Command2_Click);
}

void FrmChengji::formLoad()
{
    if (auto icon = fnd::loadPicture(fnd::dataFile(QStringLiteral("l62011"))))
        setWindowIcon(QIcon(*icon));
    Command2->loadPicture(fnd::dataFile(QStringLiteral("l01037")));
    simwin::setTwipsRect(Command2, 7560 * fnd::XBiLi, 4080 * fnd::YBiLi, 870 * fnd::XBiLi, 450 * fnd::YBiLi);
    simwin::moveTwips(Label1, 5010 * fnd::XBiLi, 5040 * fnd::YBiLi);
    // The exam is scored and recorded here, once per load.
    const run::ExamScore score = run::recordScoredExam(QDateTime::currentDateTime());
    Label1->setText(score.caption);
    Label1->adjustSize();
    setWindowState(Qt::WindowMaximized);
}

void FrmChengji::Command2_Click()
{
    FrmMain::unload();
    FrmChengji::unload();
    cover::FhPage = 17;
    FrmFengmian &cover = FrmFengmian::get();
    cover.TimFH->start();
    cover.show();
}
