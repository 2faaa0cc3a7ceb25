// The help page: five topic buttons, the topic's title and the view of its
// page file ("l3818" and the topic's digit in the data folder). The topic
// chosen stays while the cover lives; every load starts on the first.
#include "cover/frmfengmian.h"

#include "foundation/globals.h"
#include "foundation/ui/kvelbutton.h"
#include "platform/ui/helpview.h"

#include <QLabel>

namespace {
const char *const TopicTitles[] = {"软件介绍", "备考指南", "考试大纲", "答题技巧", "常见问题"};
} // namespace

void FrmFengmian::makeHelpPage()
{
    PicHelpLeft = new QLabel(PicHelp);
    PicHelpLeft->setObjectName(QStringLiteral("PicHelpLeft"));
    WebHelpCON = new plat::HelpView(PicHelp);
    WebHelpCON->setObjectName(QStringLiteral("WebHelpCON"));
    LlbHelpCAP = new QLabel(PicHelp);
    LlbHelpCAP->setObjectName(QStringLiteral("LlbHelpCAP"));
    LlbHelpCAP->setTextFormat(Qt::PlainText); // a title, not a page: the page alone is HTML
    LlbHelpCAP->setFont(QFont(QStringLiteral("宋体"), 9));
}

void FrmFengmian::helpPage()
{
    PicHelpLeft->move(PicUnitLeft->pos());
    PicHelpLeft->setPixmap(PicUnitLeft->pixmap());
    PicHelpLeft->adjustSize();
    for (int t = 32; t <= 36; ++t)
        ClickBotn[size_t(t)]->setGeometry(fnd::xPx(15), fnd::yPx(15 + 750 * (t - 32)), fnd::xPx(2700), fnd::yPx(750));
    WebHelpCON->setGeometry(fnd::xPx(2880), fnd::yPx(870), fnd::xPx(9090), fnd::yPx(5880));
    LlbHelpCAP->setText(QString());
    LlbHelpCAP->setAlignment(Qt::AlignCenter);
    LlbHelpCAP->move(fnd::xPx(6960), fnd::yPx(240));
    QFont f = LlbHelpCAP->font();
    f.setPointSizeF(20 * fnd::XBiLi);
    LlbHelpCAP->setFont(f);
    ClickBotn_Click(32);
}

void FrmFengmian::helpTopic(int index)
{
    for (int t = 32; t <= 36; ++t)
        ClickBotn[size_t(t)]->setEnabled(true);
    const QString path = fnd::dataFile(QStringLiteral("l3818") + QString::number(index - 32));
    LlbHelpCAP->setText(QString::fromUtf8(TopicTitles[index - 32]));
    LlbHelpCAP->adjustSize();
    ClickBotn[size_t(index)]->setEnabled(false);
    WebHelpCON->Navigate(path);
}
