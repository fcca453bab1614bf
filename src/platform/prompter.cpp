#include "platform/prompter.h"

#include <QMessageBox>

namespace pelimor {

void QtMessagePrompter::MsgBox(QWidget *parent, const QString &prompt, MsgIcon icon, const QString &title)
{
    QMessageBox box(icon == MsgIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, title, prompt,
                    QMessageBox::Ok, parent);
    box.exec();
}

bool MessagePrompter::YesNo(QWidget *, const QString &, const QString &)
{
    return false;
}

bool MessagePrompter::OkCancel(QWidget *, const QString &, const QString &)
{
    return false;
}

bool QtMessagePrompter::YesNo(QWidget *parent, const QString &prompt, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool QtMessagePrompter::OkCancel(QWidget *parent, const QString &prompt, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

} // namespace pelimor
