#include "platform/filedialog.h"

#include <QFileDialog>

namespace pelimor {

std::optional<QString> QtFileDialog::getOpenFileName(QWidget *parent, const QString &filter)
{
    const QString chosen = QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

} // namespace pelimor
