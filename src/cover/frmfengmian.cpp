#include "cover/frmfengmian.h"

#include "bank/bankfiles.h"
#include "foundation/errreport.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/numparse.h"
#include "foundation/picture.h"
#include "foundation/startup.h"
#include "foundation/ui/display.h"
#include "run/runstate.h"

#include <QFileInfo>
#include <QLabel>

namespace {

// Line 1 of a data-folder file, empty when the file has none or cannot be
// read; a missing file is reported under the cover's tag.
QString firstLine(const QString &name)
{
    const QString path = fnd::dataFile(name);
    if (!QFileInfo(path).isFile()) {
        fnd::trapError(QStringLiteral("fengmaincsh"), 53, QStringLiteral("File not found"));
        return {};
    }
    return fnd::readLineExact(path, 1).value_or(QString());
}

} // namespace

FrmFengmian::FrmFengmian() : QWidget(nullptr)
{
    setObjectName(QStringLiteral("FrmFengmian"));
    LblCaption = new QLabel(this);
    LblCaption->setObjectName(QStringLiteral("LblCaption"));
    LblInfo_0 = new QLabel(this);
    LblInfo_0->setObjectName(QStringLiteral("LblInfo_0"));
}

void FrmFengmian::formLoad()
{
    fnd::setScaleFromScreen();
    setFixedSize(fnd::xPx(12000), fnd::yPx(9000));
    if (auto icon = fnd::loadPicture(fnd::dataFile(QStringLiteral("l62011"))))
        setWindowIcon(QIcon(*icon));
    FengMainCsh();
    fnd::centreOnScreen(this);
}

void FrmFengmian::FengMainCsh()
{
    const QString version = firstLine(bank::BankVersionFile);
    run::BankVersion = version.trimmed();

    // A data folder of another module: end here, without a word.
    const double moduleNo = fnd::leadingValue(firstLine(bank::ModuleNoFile));
    if (moduleNo != double(fnd::ModuleNo)) {
        fnd::endProgram();
        return;
    }

    setWindowTitle(QStringLiteral("Marrowby考试练习系统"));
    QFont f(QStringLiteral("宋体"));
    f.setPointSizeF(10 * fnd::XBiLi);
    LblCaption->setFont(f);
    LblCaption->move(fnd::xPx(240), fnd::yPx(120));
    LblCaption->setText(fnd::ModuleName);
    LblCaption->adjustSize();
    f.setPointSizeF(9 * fnd::XBiLi);
    LblInfo_0->setFont(f);
    LblInfo_0->move(fnd::xPx(240), fnd::yPx(8670));
    LblInfo_0->setText(QStringLiteral("题库版本：V") + version);
    LblInfo_0->adjustSize();
}
