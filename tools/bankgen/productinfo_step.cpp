// Product information of the sample bank: ver.txt in the program folder and
// the data folder's product file, first-run flag, module number and version.
#include "bankgen.h"

#include "bank/bankfiles.h"
#include "foundation/infocode.h"

namespace {

const QString BankStamp = QStringLiteral("202401150900");

// Encodes each text as product-information groups; every other line uses the
// high form so both forms are exercised by the sample bank.
QStringList encoded(const QStringList &texts, bankgen::Context &ctx)
{
    QStringList out;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const auto line = fnd::encodeInfoLine(texts[i], i % 2 == 1);
        if (!line)
            ctx.errors << QStringLiteral("product information text not codable: ") + texts[i];
        out << line.value_or(QString());
    }
    return out;
}

void writeProductInfo(bankgen::Context &ctx)
{
    // ver.txt: exam title, module name, data folder, module number, then the
    // names of units 0 to 20.
    QStringList ver{QStringLiteral("网页制作"), QStringLiteral("网页制作"), bankgen::kDataFolder,
                    QString::number(bankgen::kModuleNo), QStringLiteral("网页基础"), QStringLiteral("表格与表单"),
                    QStringLiteral("框架与超链接")};
    if (ctx.large) {
        ver = ver.mid(0, 4);
        for (int u = 1; u <= bankgen::kLargeUnits; ++u)
            ver << QStringLiteral("单元%1").arg(u);
    }
    while (ver.size() < 25)
        ver << QString();
    ctx.writeLines(ctx.programFile(QStringLiteral("ver.txt")), encoded(ver, ctx));

    // The product file: line k is entry k - 1.
    fnd::InfoEntries t = fnd::defaultInfoTable();
    t[9] = QStringLiteral("考试练习系统");
    ctx.writeLines(ctx.dataFile(bank::ProductInfoFile), encoded(QStringList(t.begin(), t.begin() + 35), ctx));

    ctx.writeLines(ctx.dataFile(bank::FirstRunFile), {QStringLiteral("0")});
    ctx.writeLines(ctx.dataFile(bank::ModuleNoFile), {QString::number(bankgen::kModuleNo)});
    // The version file is a copy of the last update manifest: the stamp, then
    // one line per file (target letter, file stamp, name).
    ctx.writeLines(ctx.dataFile(bank::BankVersionFile),
          {BankStamp, QStringLiteral("D") + BankStamp + bank::ProductInfoFile,
           QStringLiteral("D") + BankStamp + bank::ModuleNoFile});
}

} // namespace

BANKGEN_STEP(10, "product information", writeProductInfo);
