// The windows speak the user's language: the program's own texts from the
// catalogues built into it, Qt's (the buttons of the boxes, the file
// dialog, the path box's menu) from Qt's catalogues.
#pragma once

#include <QLocale>
#include <QString>

namespace pelimor {

// Installs the catalogues for `locale` (by default the system's: LANGUAGE,
// LC_ALL, LC_MESSAGES or LANG on Linux, the display language on Windows).
// Nothing is stored. Returns whether the program's own texts were found in
// that language; English needs none.
bool installTranslations(const QLocale &locale = QLocale());

// Where Qt's own catalogues (qtbase_*.qm) are read from: the system's Qt
// translations on Linux, a resource built into the program on Windows.
QString qtTranslationsDirectory();

} // namespace pelimor
