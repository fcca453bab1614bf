// Qt's own catalogues come with the system's Qt (Debian's
// qt6-translations-l10n), matching the Qt the program runs on.
#include "startup/translations.h"

#include <QLibraryInfo>

namespace pelimor {

QString qtTranslationsDirectory()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

} // namespace pelimor
