#include "windowdrive.h"

#include "cover/runstate.h"
#include "simwin/scene/frmmain.h"
#include "simwin/scene/keycodes.h"
#include "simwin/scene/scenestate.h"

#include <QtTest>

namespace ts {

FrmMain &shownWindow()
{
    FrmMain &w = FrmMain::get();
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        qWarning("FrmMain was not exposed");
    return w;
}

void buildStep(int q, int step)
{
    run::TmNo = qint16(q);
    scene::StepNo = qint16(step);
    FrmMain::get().setData();
}

bool pressKey(const QString &name)
{
    const auto k = keys::parseQtKey(name);
    if (!k)
        return false;
    FrmMain &w = FrmMain::get();
    QWidget *to = w.focusWidget() ? w.focusWidget() : &w;
    QTest::keyClick(to, k->key, k->modifiers);
    return true;
}

QString boxField(int left, int top, int width, int height, QChar jump)
{
    return QStringLiteral("%1%2%3%4%5")
        .arg(left, 5, 10, QChar(u'0'))
        .arg(jump)
        .arg(top, 4, 10, QChar(u'0'))
        .arg(width, 5, 10, QChar(u'0'))
        .arg(height, 5, 10, QChar(u'0'));
}

QString areaField(int left, int top, const QString &name, QChar jump)
{
    return QStringLiteral("%1%2%3%4").arg(left, 5, 10, QChar(u'0')).arg(jump).arg(top, 4, 10, QChar(u'0')).arg(name);
}

} // namespace ts
