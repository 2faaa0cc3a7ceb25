#include "foundation/ui/display.h"

#include "foundation/globals.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace fnd {

void setScaleFromScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const double dpiX = screen->logicalDotsPerInchX();
    const double dpiY = screen->logicalDotsPerInchY();
    if (dpiX > 0)
        XBiLi = 1440.0 / dpiX / 15.0;
    if (dpiY > 0)
        YBiLi = 1440.0 / dpiY / 15.0;
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void installFontSubstitutions()
{
    // Families tried in order; the first installed one takes every name.
    static const char *const preferred[] = {
        "WenQuanYi Micro Hei", "WenQuanYi Zen Hei", "Noto Sans CJK SC", "Noto Serif CJK SC",
        "Source Han Sans SC", "AR PL UMing CN", "AR PL UKai CN", "Droid Sans Fallback",
    };
    const QStringList installed = QFontDatabase::families();
    QString family;
    for (const char *p : preferred) {
        if (installed.contains(QString::fromUtf8(p))) {
            family = QString::fromUtf8(p);
            break;
        }
    }
    if (family.isEmpty()) {
        // Any family that can write Chinese.
        const QStringList cjk = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
        if (cjk.isEmpty())
            return;
        family = cjk.first();
    }
    static const char *const names[] = {
        "宋体", "新宋体", "黑体", "楷体", "楷体_GB2312", "隶书", "仿宋", "仿宋_GB2312", "微软雅黑",
        "SimSun", "NSimSun", "SimHei", "KaiTi", "KaiTi_GB2312", "LiSu", "FangSong", "Microsoft YaHei",
    };
    for (const char *n : names) {
        const QString name = QString::fromUtf8(n);
        if (!installed.contains(name))
            QFont::insertSubstitution(name, family);
    }
}

} // namespace fnd
