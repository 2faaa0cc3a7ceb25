#include "platform/osversion.h"

#include <QOperatingSystemVersion>
#include <QRegularExpression>
#include <QSysInfo>

namespace plat {

std::optional<std::pair<int, int>> osVersion()
{
    const QOperatingSystemVersion os = QOperatingSystemVersion::current();
    if (os.majorVersion() >= 0)
        return std::pair{os.majorVersion(), os.minorVersion() >= 0 ? os.minorVersion() : 0};
    // Systems without a product version report their kernel's.
    static const QRegularExpression re(QStringLiteral("^(\\d+)\\.(\\d+)"));
    const auto m = re.match(QSysInfo::kernelVersion());
    if (m.hasMatch())
        return std::pair{m.captured(1).toInt(), m.captured(2).toInt()};
    return std::nullopt;
}

} // namespace plat
