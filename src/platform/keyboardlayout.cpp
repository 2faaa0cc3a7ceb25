#include "platform/keyboardlayout.h"

#include "platform/registry.h"

#include <QSettings>

namespace plat {

namespace {
std::optional<LayoutActivation> last;
int count = 0;

const QString Group = QStringLiteral("KeyboardLayouts");

QString handleKey(quint32 layout) { return QStringLiteral("%1").arg(layout, 8, 16, QChar(u'0')).toUpper(); }
} // namespace

QList<quint32> keyboardLayoutList()
{
    if (!registryFileUsable())
        return {UsLayout};
    const QSettings ini(registryFile(), QSettings::IniFormat);
    // A list written with commas reads as several values; take them all.
    const QVariant value = ini.value(Group + QStringLiteral("/List"));
    const QString list = value.typeId() == QMetaType::QStringList ? value.toStringList().join(u' ') : value.toString();
    QList<quint32> layouts;
    for (const QString &word : list.split(u' ', Qt::SkipEmptyParts)) {
        bool ok = false;
        const quint32 h = word.toUInt(&ok, 16);
        if (!ok || word.size() > 8)
            return {UsLayout};
        layouts << h;
    }
    if (layouts.isEmpty())
        return {UsLayout};
    return layouts.mid(0, MaxLayouts);
}

QString imeDescription(quint32 layout)
{
    if (!registryFileUsable())
        return {};
    const QSettings ini(registryFile(), QSettings::IniFormat);
    return ini.value(Group + u'/' + handleKey(layout)).toString();
}

void activateKeyboardLayout(quint32 layout, unsigned flags)
{
    last = LayoutActivation{layout, flags};
    ++count;
}

std::optional<LayoutActivation> lastLayoutActivation() { return last; }
int layoutActivationCount() { return count; }

void resetLayoutActivations()
{
    last.reset();
    count = 0;
}

} // namespace plat
