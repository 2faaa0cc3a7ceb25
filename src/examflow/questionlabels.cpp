#include "examflow/questionlabels.h"

#include "examflow/questionwindow.h"

#include <QLabel>
#include <QWidget>

namespace exam {

namespace {
QString keptUnit;
QString keptBiao;

QLabel *loadedLabel(const char *name)
{
    QWidget *tm = exam::questionWindow();
    return tm ? tm->findChild<QLabel *>(QString::fromLatin1(name)) : nullptr;
}

QString caption(const char *name, const QString &kept)
{
    const QLabel *l = loadedLabel(name);
    return l ? l->text() : kept;
}

void setCaption(const char *name, QString &kept, const QString &caption)
{
    if (QLabel *l = loadedLabel(name))
        l->setText(caption);
    else
        kept = caption;
}
} // namespace

QString lblUnitCaption() { return caption("LblUnit", keptUnit); }
void setLblUnitCaption(const QString &c) { setCaption("LblUnit", keptUnit, c); }
QString lblBiaoCaption() { return caption("LblBiao", keptBiao); }
void setLblBiaoCaption(const QString &c) { setCaption("LblBiao", keptBiao, c); }

void resetCaptions()
{
    keptUnit.clear();
    keptBiao.clear();
}

} // namespace exam
