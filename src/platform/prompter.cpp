#include "platform/prompter.h"

#include <QMessageBox>

namespace pelimor {

void QtMessagePrompter::MsgBox(QWidget *parent, const QString &prompt, MsgIcon icon, const QString &title)
{
    QMessageBox box(icon == MsgIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, title, prompt,
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace pelimor
