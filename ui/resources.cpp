#include "ui/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE has to be used outside any namespace.
static void RegisterOrvantaResources() {
    Q_INIT_RESOURCE(orvanta);
    Q_INIT_RESOURCE(orvanta_icons);
}

namespace orvanta::ui {

void EnsureResources() {
    static const bool registered = [] {
        RegisterOrvantaResources();
        return true;
    }();
    (void)registered;
}

} // namespace orvanta::ui
