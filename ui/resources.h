#pragma once

namespace orvanta::ui {

// Registers the program's resources (icons, help text). The library is static, so nothing
// registers them before the first use; safe to call any number of times.
void EnsureResources();

} // namespace orvanta::ui
