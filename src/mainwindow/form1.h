// The main window: drive list, image path, eject option, burn button and
// status line. Each event procedure is named after its control and event and
// follows the steps it carries out; the burn command lives in
// form1_burn.cpp, the smaller window commands in form1_commands.cpp.
#pragma once

#include "mainwindow/burn_rate.h"
#include "platform/desktop.h"
#include "platform/discservice.h"
#include "platform/platform.h"

#include <QWidget>

#include <atomic>
#include <memory>

class QCheckBox;
class QLineEdit;
class QMimeData;
class QTreeWidget;
class QTreeWidgetItem;

namespace pelimor {

class PictureBox;
class PictureButton;

class Form1 : public QWidget {
    Q_OBJECT
public:
    // Creating the window loads it: the controls take their designed state
    // and Form_Load builds the drive list, once for the run.
    explicit Form1(const Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    // Controls, by their designed names (also their objectName).
    PictureBox *Picture3 = nullptr;
    QLineEdit *txtStatus = nullptr;
    PictureBox *picHelp = nullptr;
    PictureBox *Picture2 = nullptr;
    QCheckBox *chkEject = nullptr;
    PictureBox *Picture1 = nullptr;
    PictureButton *cmdBurn = nullptr;
    PictureButton *cmdBrowse = nullptr;
    QLineEdit *txtPath = nullptr;
    QTreeWidget *ListView1 = nullptr;

    // The writer of the current (or last) burn; its events drive the status
    // line.
    DataWriter *dataWriter() const { return objDataWriter.get(); }
    bool isBurning() const { return m_burning; }
    bool isCheckingImage() const { return m_checkCancel != nullptr; }

    // Designed sizes, in logical pixels.
    static constexpr QSize clientSize{425, 280};
    static constexpr QSize maximumOuterSize{441, 316};
    // A search for recorders that takes longer shows the window at once.
    static constexpr int slowScanMs = 400;

public slots:
    void cmdBurn_Click();
    void cmdBrowse_Click();
    void picHelp_Click();
    void Picture2_Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    // Desktop integration (form1_desktop.cpp): names for screen readers,
    // the status line announced, image files dropped on the window, and
    // what the window does when a burn ends.
    void describeControls();
    QString droppedImagePath(const QMimeData *data) const;
    void burnEnded();
    void askForAttention();
    // What the rest of the desktop sees of one run, from the moment the
    // recorder is locked for it to its last box: progress on the taskbar or
    // dock, and a notification beside that box when the user is elsewhere.
    // While a run is on, the boxes go through a prompter that knows which
    // one ends it.
    void beginDesktopRun(const QString &path, const QTreeWidgetItem &row);
    // The run goes on after the refusal of a used rewritable disc the user
    // agreed to reuse: what the desktop shows starts over.
    void restartDesktopRun();
    void endDesktopRun();
    void desktopRunEnding(const QString &boxTitle);
    void showDesktopShare(double share);
    // The status line's tooltip and accessible description: speed and time
    // left while writing or reading back.
    void showSpeed(const WriteProgress &progress);
    void Form_Load();
    void listRecorders();
    void Form_Resize();
    void objDataWriter_Update(DataWriter &writer, const WriteProgress &progress);
    // The status line's text for one progress report.
    void showStatus(const WriteProgress &progress);
    void runBurn(const QString &path, const std::string &recorderId);
    // One pass from taking the recorder to the burn, after making the disc
    // reusable as `reuse` says. Returns how the user agreed to reuse a
    // refused rewritable disc, or MediaReuse::None when the pass is over.
    MediaReuse burnPass(const QString &path, const std::string &recorderId, MediaReuse reuse);
    // Yes when the user agrees to lose what the disc in the recorder holds.
    bool askToErase(DiscRecorder &recorder);
    void stopIfAsked() const;
    // Why the run failed when the user stopped it, by what the disc went
    // through.
    QString stoppedText() const;
    // form1_check.cpp: false when the image must not be burned.
    bool checkImage(const QString &path);

    Platform m_platform;
    std::unique_ptr<DataWriter> objDataWriter;
    bool m_burning = false;
    // The user chose to stop the running burn by closing the window; the
    // window closes once the burn has ended.
    bool m_stopRequested = false;
    // How far the running burn got with the disc, for what a stop says
    // became of it.
    enum class DiscTouched { No, Erasing, Erased, Written };
    DiscTouched m_discTouched = DiscTouched::No;
    // The writer of the running burn has reported progress.
    bool m_writerReported = false;
    // Set while the image is checked against its published checksum.
    std::atomic<bool> *m_checkCancel = nullptr;

    BurnRate m_rate;
    MediaKind m_mediaKind = MediaKind::Unknown;
    // The desktop run: the prompter in front of the platform's, the image
    // and drive its notification names, what the taskbar shows.
    std::unique_ptr<MessagePrompter> m_runPrompter;
    MessagePrompter *m_outerPrompter = nullptr;
    QString m_runImage;
    QString m_runDrive;
    bool m_runEnding = false;
    Desktop::Progress m_desktopState = Desktop::Progress::None;
    double m_desktopShare = -1.0;
    bool m_urgent = false;
};

} // namespace pelimor
