// The Windows program is one file with Qt linked in: Qt's catalogues for
// the program's languages are built into it beside its own.
#include "startup/translations.h"

namespace pelimor {

QString qtTranslationsDirectory()
{
    return QStringLiteral(":/i18n/qt");
}

} // namespace pelimor
