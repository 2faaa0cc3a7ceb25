// Fuzz target: cursor files. The input is a cursor file of the program
// folder: its header gives the hot spot (reserved word 0, type 2, at least
// one image) and the whole file the picture; a file that fails either gives
// no cursor, so the label keeps the pointer it had. The step record's
// pointer field is read from the input's first line.
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/picture.h"
#include "foundation/programfolder.h"
#include "simwin/scene/cursorshape.h"

#include "fuzzsupport.h"

#include <QtEndian>

using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static bool ready = false;
    if (!ready) {
        ready = true;
        fuzz::startGui();
        fnd::overrideProgramFolder(fuzz::scratchFolder("cursor"));
        fnd::ErrLogFile.clear();
    }
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    const auto hot = scene::cursorHotSpot(bytes);
    if (hot) {
        check(bytes.size() >= 14);
        check(hot->x() == qFromLittleEndian<quint16>(bytes.constData() + 10));
        check(hot->y() == qFromLittleEndian<quint16>(bytes.constData() + 12));
    }
    check(!scene::cursorHotSpot(bytes.left(13)));

    const QString path = scene::cursorFilePath(u"01");
    check(path == fnd::programFolder() + QStringLiteral("/ico01.CUR"));
    fuzz::put(path, bytes);
    fnd::clearPictureCache();
    const auto cursor = scene::loadCursorFile(path);
    if (cursor) {
        check(hot && cursor->shape() == Qt::BitmapCursor);
        // A hot spot off the picture is Qt's to place.
        const QSize size = cursor->pixmap().size();
        if (hot->x() < size.width() && hot->y() < size.height())
            check(cursor->hotSpot() == *hot);
    }

    // The pointer field of a record, and the cursor it names.
    const QString line = fnd::decodeGbk(fnd::splitLines(bytes).value(0));
    for (const scene::PointerChoice &c : {scene::recordPointer(line), scene::dragPointer(line),
                                          scene::targetPointer(line)}) {
        check(c.mousePointer >= 0 && c.mousePointer <= 99);
        // "S" with "99" names the custom pointer without a file: no cursor.
        check(c.cursorFile.isEmpty() || c.mousePointer == 99);
        if (c.mousePointer != 99)
            check(scene::cursorFor(c).has_value());
    }
    return 0;
}
