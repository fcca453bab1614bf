#include "platform/filedialog.h"

#include <QDir>
#include <QFileDialog>

namespace pelimor {

std::optional<QString> QtFileDialog::getOpenFileName(QWidget *parent, const QString &filter)
{
    const QString chosen = QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
    if (chosen.isEmpty())
        return std::nullopt;
    // Qt answers with forward slashes everywhere; a Windows user reads and
    // types paths with backslashes.
    return QDir::toNativeSeparators(chosen);
}

} // namespace pelimor
