#include "platform/resources.h"

#include <QtCore/qglobal.h>

static void initPelimorResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace pelimor {

void ensureResources()
{
    static const bool done = (initPelimorResources(), true);
    (void)done;
}

} // namespace pelimor
