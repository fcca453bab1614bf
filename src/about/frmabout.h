// The About dialog: program icon, title and version lines, the licence in a
// scrolling box and OK. A System Info button lies below the visible area:
// unseen, but reached by Tab and Alt+S. Closing the dialog unloads it, so
// each opening after a close starts from freshly loaded texts.
#pragma once

#include "platform/platform.h"

#include <QDialog>

#include <cstdint>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace pelimor {

class PictureBox;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Shows the run's one About dialog, owned by no window so it neither
    // blocks nor follows the main window. Loads it when none is open;
    // otherwise only brings the open one forward, edits and all. A newly
    // loaded dialog is centred over `placeOver` when one is given.
    static frmAbout *Show(const Platform &platform, QWidget *placeOver = nullptr);
    // The dialog Show would bring forward, or nullptr.
    static frmAbout *openDialog();

    // Creating the dialog loads it (Form_Load). It deletes itself on close.
    explicit frmAbout(const Platform &platform);
    ~frmAbout() override;

    // Controls, by their designed names (also their objectName).
    QPlainTextEdit *lbldescription = nullptr;
    PictureBox *picIcon = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDisclaimer = nullptr;

    static constexpr QSize clientSize{382, 238};

    // Starts the system-information tool named in the registry; tells the
    // user when there is none to start.
    void StartSysInfo();
    // Reads one registry value as text into KeyVal. False (and KeyVal
    // emptied) when the key or value cannot be read. A value of zero length
    // throws std::out_of_range: it has no last character to inspect.
    bool GetKeyValue(std::uint32_t KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal);

public slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void Form_Load();
    bool startSysInfoTool();
    static bool fileLookup(const QString &path);

    Platform m_platform;
};

} // namespace pelimor
