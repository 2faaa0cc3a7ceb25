#include "platform/pointers.h"

namespace plat {

std::optional<QCursor> standardPointer(int mousePointer)
{
    switch (mousePointer) {
    case 0:
    case PointerCustom: return std::nullopt;
    case 2: return QCursor(Qt::CrossCursor);
    case 3: return QCursor(Qt::IBeamCursor);
    case 5: return QCursor(Qt::SizeAllCursor);
    case 6: return QCursor(Qt::SizeBDiagCursor);
    case 7: return QCursor(Qt::SizeVerCursor);
    case 8: return QCursor(Qt::SizeFDiagCursor);
    case 9: return QCursor(Qt::SizeHorCursor);
    case 10: return QCursor(Qt::UpArrowCursor);
    case 11: return QCursor(Qt::WaitCursor);
    case 12: return QCursor(Qt::ForbiddenCursor);
    case 13: return QCursor(Qt::BusyCursor);
    case 14: return QCursor(Qt::WhatsThisCursor);
    case 15: return QCursor(Qt::SizeAllCursor);
    default: return QCursor(Qt::ArrowCursor);
    }
}

} // namespace plat
