// The cover's text files of the sample bank: the five help pages (HTML in
// GBK that names its character set, each with its title and a line of its
// own) and an advert in the record folder (two words on two lines, red, a
// web link).
#include "bankgen.h"

#include "bank/bankfiles.h"

namespace {

struct HelpTopic {
    const char *title;
    const char *line;
};
constexpr HelpTopic HelpTopics[] = {
    {"软件介绍", "本软件用于网页制作模块的操作练习与模拟考试。"},
    {"备考指南", "先按单元练习，再做冲刺试卷和模拟试卷。"},
    {"考试大纲", "考试共四十题，每题二点五分，限时五十分钟。"},
    {"答题技巧", "按题目要求依次操作，操作正确后自动进入下一步。"},
    {"常见问题", "标记的题目和做错的题目可以在首页单独练习。"},
};

void writeCoverFiles(bankgen::Context &ctx)
{
    for (int n = 0; n < 5; ++n) {
        const QString title = QString::fromUtf8(HelpTopics[n].title);
        QStringList page{
            QStringLiteral("<html><head>"),
            QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">"),
            QStringLiteral("<title>") + title + QStringLiteral("</title></head><body>"),
            QStringLiteral("<h2>") + title + QStringLiteral("</h2>"),
            QStringLiteral("<p>") + QString::fromUtf8(HelpTopics[n].line) + QStringLiteral("</p>"),
        };
        if (n == 0)
            page << QStringLiteral("<p><img src=\"l20064.mxy\"> <a href=\"http://www.example.org/help/\">在线帮助</a></p>");
        page << QStringLiteral("</body></html>");
        ctx.writeLines(ctx.dataFile(QStringLiteral("l3818") + QString::number(n)), page);
    }
    // Colour 255 is red (0x00BBGGRR).
    ctx.writeLines(ctx.programFile(bank::RecordFolder + QStringLiteral("/") + bank::AdFile + QStringLiteral(".mxy")),
                   {QStringLiteral("新版题库◎欢迎使用"), QStringLiteral("255"),
                    QStringLiteral("http://www.example.org/news/")});
}

} // namespace

BANKGEN_STEP(45, "cover files", writeCoverFiles);
