// Modal message boxes with one OK button. Windows report every refusal and
// failure through this, so tests can read exactly what the user was told.
#pragma once

#include <QString>

class QWidget;

namespace pelimor {

enum class MsgIcon { None, Critical };

class MessagePrompter {
public:
    virtual ~MessagePrompter() = default;
    // Returns when the user has closed the box.
    virtual void MsgBox(QWidget *parent, const QString &prompt, MsgIcon icon, const QString &title) = 0;
};

// The real thing: a QMessageBox with a single OK button.
class QtMessagePrompter : public MessagePrompter {
public:
    void MsgBox(QWidget *parent, const QString &prompt, MsgIcon icon, const QString &title) override;
};

} // namespace pelimor
