#include "simwin/scene/cursorshape.h"

#include "foundation/gbkfile.h"
#include "foundation/picture.h"
#include "foundation/programfolder.h"
#include "platform/pointers.h"
#include "simwin/scene/steprecord.h"

#include <QFile>
#include <QtEndian>

namespace scene {

PointerChoice recordPointer(QStringView stepLine)
{
    const CursorSpec c = cursorSpec(stepLine);
    switch (c.kind) {
    case CursorSpec::Standard: return {c.number, {}};
    case CursorSpec::Custom: return {99, cursorFilePath(c.fileDigits)};
    default: return {};
    }
}

PointerChoice targetPointer(QStringView stepLine) { return targetPointer(stepLine, stepLine); }

PointerChoice targetPointer(QStringView judgedLine, QStringView currentLine)
{
    return isDragAndDropStep(judgedLine) ? PointerChoice{} : recordPointer(currentLine);
}

PointerChoice dragPointer(QStringView stepLine)
{
    const CursorSpec c = cursorSpec(stepLine);
    if (c.kind == CursorSpec::Standard)
        return {c.number, {}};
    return {99, cursorFilePath(c.fileDigits)};
}

QString cursorFilePath(QStringView twoChars)
{
    return fnd::inProgramFolder(QStringLiteral("ico") + twoChars.toString() + QStringLiteral(".CUR"));
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
    if (!fnd::openForReading(f))
        return std::nullopt;
    const auto hot = cursorHotSpot(f.read(14));
    f.close();
    const auto picture = fnd::loadPicture(path);
    if (!hot || !picture)
        return std::nullopt;
    return QCursor(*picture, hot->x(), hot->y());
}

std::optional<QCursor> cursorFor(const PointerChoice &choice)
{
    if (choice.mousePointer == 99)
        return loadCursorFile(choice.cursorFile);
    // The default pointer (0) over a target is the arrow.
    return plat::standardPointer(choice.mousePointer).value_or(QCursor(Qt::ArrowCursor));
}

} // namespace scene
