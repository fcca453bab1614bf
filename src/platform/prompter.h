// Modal message boxes with one OK button, and one Yes/No question. Windows report every refusal and
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
    // A question with Yes and No, No the default; true for Yes. Without an
    // answer of its own a prompter says No, which never loses anything.
    virtual bool YesNo(QWidget *parent, const QString &prompt, const QString &title);
    // A request to do something first, with OK (the default) and Cancel;
    // true for OK. Without an answer of its own a prompter cancels.
    virtual bool OkCancel(QWidget *parent, const QString &prompt, const QString &title);
};

// The real thing: a QMessageBox with a single OK button.
class QtMessagePrompter : public MessagePrompter {
public:
    void MsgBox(QWidget *parent, const QString &prompt, MsgIcon icon, const QString &title) override;
    bool YesNo(QWidget *parent, const QString &prompt, const QString &title) override;
    bool OkCancel(QWidget *parent, const QString &prompt, const QString &title) override;
};

} // namespace pelimor
