#pragma once
// The platform's standard mouse pointers by the numbers the windows use for a
// control's MousePointer (0 default, 1 arrow, 2 cross, 3 I-beam, ... 15 size
// all, 99 custom from the control's MouseIcon).

#include <QCursor>
#include <optional>

namespace plat {

constexpr int PointerCustom = 99;

// The cursor for a standard pointer number; nullopt for 0 (the default
// pointer: unset the control's cursor) and for 99 (the custom pointer, which
// comes from the control's own picture). Unknown numbers give the arrow.
std::optional<QCursor> standardPointer(int mousePointer);

} // namespace plat
