#pragma once
// The operating system's version as "major.minor" numbers.

#include <optional>
#include <utility>

namespace plat {

// Major and minor version of the running system, nullopt when it cannot be
// told.
std::optional<std::pair<int, int>> osVersion();

} // namespace plat
