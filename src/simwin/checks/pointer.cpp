#include "simwin/checks/pointer.h"

#include "simwin/checks/dragdrop.h"

#include "foundation/picture.h"
#include "foundation/programfolder.h"
#include "simwin/scene/steprecord.h"

#include <QFile>
#include <QtEndian>

namespace chk {

PointerChoice targetPointer(QStringView stepLine)
{
    if (isDragAndDropStep(stepLine))
        return {};
    const steprec::CursorSpec c = steprec::cursorSpec(stepLine);
    switch (c.kind) {
    case steprec::CursorSpec::Standard: return {c.number, {}};
    case steprec::CursorSpec::Custom: return {99, cursorFilePath(c.fileDigits)};
    default: return {};
    }
}

PointerChoice dragPointer(QStringView stepLine)
{
    const steprec::CursorSpec c = steprec::cursorSpec(stepLine);
    if (c.kind == steprec::CursorSpec::Standard)
        return {c.number, {}};
    return {99, cursorFilePath(c.fileDigits)};
}

QString cursorFilePath(QStringView twoChars)
{
    return progdir::inProgramFolder(QStringLiteral("ico") + twoChars.toString() + QStringLiteral(".CUR"));
}

Qt::CursorShape standardCursorShape(int mousePointer)
{
    switch (mousePointer) {
    case 2: return Qt::CrossCursor;
    case 3: return Qt::IBeamCursor;
    case 5: return Qt::SizeAllCursor;
    case 6: return Qt::SizeBDiagCursor; // north-east to south-west
    case 7: return Qt::SizeVerCursor;
    case 8: return Qt::SizeFDiagCursor; // north-west to south-east
    case 9: return Qt::SizeHorCursor;
    case 10: return Qt::UpArrowCursor;
    case 11: return Qt::WaitCursor;
    case 12: return Qt::ForbiddenCursor;
    case 13: return Qt::BusyCursor;
    case 14: return Qt::WhatsThisCursor;
    case 15: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor; // 0 default, 1 arrow, 4 icon, unknown
    }
}

std::optional<QPoint> cursorHotSpot(const QByteArray &header)
{
    if (header.size() < 14)
        return std::nullopt;
    const auto word = [&](int offset) { return qFromLittleEndian<quint16>(header.constData() + offset); };
    if (word(0) != 0 || word(2) != 2 || word(4) < 1)
        return std::nullopt;
    return QPoint(word(10), word(12));
}

std::optional<QCursor> loadCursorFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const auto hot = cursorHotSpot(f.read(14));
    f.close();
    const auto picture = pic::load(path);
    if (!hot || !picture)
        return std::nullopt;
    return QCursor(*picture, hot->x(), hot->y());
}

std::optional<QCursor> cursorFor(const PointerChoice &choice)
{
    if (choice.mousePointer == 99)
        return loadCursorFile(choice.cursorFile);
    return QCursor(standardCursorShape(choice.mousePointer));
}

} // namespace chk
