// Every control that sets a font asks for Arial; where Arial is missing
// (Linux), fontconfig gives the metric-compatible Liberation Sans, so the
// designed layouts keep their proportions.
#pragma once

#include <QFont>

namespace pelimor {

inline QFont arial(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace pelimor
