// How the main window meets the rest of the desktop: what screen readers
// hear, image files dropped from the file manager, and the window's answer
// when a burn ends.
#include "mainwindow/form1.h"

#include "mainwindow/picturebox.h"
#include "platform/prompter.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QTreeWidget>
#include <QUrl>

#include <cmath>

namespace pelimor {
namespace {

const char *const statusDescription = QT_TRANSLATE_NOOP("pelimor::Form1", "What the recorder is doing");

// Sees the box that ends a run go by, just before it is shown.
class RunPrompter : public MessagePrompter {
public:
    RunPrompter(MessagePrompter &prompter, std::function<void(const QString &title)> ending)
        : m_prompter(prompter), m_ending(std::move(ending))
    {
    }
    void MsgBox(QWidget *parent, const QString &prompt, MsgIcon icon, const QString &title) override
    {
        m_ending(title);
        m_prompter.MsgBox(parent, prompt, icon, title);
    }
    bool YesNo(QWidget *parent, const QString &prompt, const QString &title) override
    {
        return m_prompter.YesNo(parent, prompt, title);
    }
    bool OkCancel(QWidget *parent, const QString &prompt, const QString &title) override
    {
        return m_prompter.OkCancel(parent, prompt, title);
    }

private:
    MessagePrompter &m_prompter;
    std::function<void(const QString &)> m_ending;
};

} // namespace

void Form1::describeControls()
{
    struct Description {
        QWidget *control;
        const char *name;
        const char *description;
    };
    // The product's name is a name and stays as it is.
    const Description descriptions[] = {
        {cmdBurn, QT_TR_NOOP("Burn"), QT_TR_NOOP("Write the image file to the disc in the selected recorder")},
        {cmdBrowse, QT_TR_NOOP("Browse for ISO file"), QT_TR_NOOP("Choose the image file to burn")},
        {Picture2, QT_TR_NOOP("About"), QT_TR_NOOP("Version and licence of Pelimor ISO Burn")},
        {picHelp, QT_TR_NOOP("Help"), QT_TR_NOOP("Open the support page in the web browser")},
        {ListView1, QT_TR_NOOP("Recorders"), QT_TR_NOOP("The CD/DVD recorders that can write a disc")},
        {txtPath, QT_TR_NOOP("Image file"), QT_TR_NOOP("The ISO image file that will be burnt")},
        {chkEject, QT_TR_NOOP("Eject CD/DVD after burn"), ""},
        {txtStatus, QT_TR_NOOP("Burn status"), statusDescription},
        {Picture1, "Pelimor ISO Burn", ""},
        {Picture3, QT_TR_NOOP("Pelimor ISO Burn logo"), ""},
    };
    for (const auto &d : descriptions) {
        d.control->setAccessibleName(tr(d.name));
        d.control->setAccessibleDescription(*d.description ? tr(d.description) : QString());
    }
    Picture2->setActsAsButton(true);
    picHelp->setActsAsButton(true);

    // The status line changes while the user looks elsewhere; each new text
    // is announced as the status box's new value.
    connect(txtStatus, &QLineEdit::textChanged, this, [this](const QString &text) {
        QAccessibleValueChangeEvent changed(txtStatus, text);
        QAccessible::updateAccessibility(&changed);
    });

    // A file dropped anywhere on the window names the image; the status box
    // would otherwise take the drop as text.
    setAcceptDrops(true);
    txtStatus->setAcceptDrops(false);

    // Sees the message box that ends a burn appear (see eventFilter).
    qApp->installEventFilter(this);
}

QString Form1::droppedImagePath(const QMimeData *data) const
{
    // Several files: the first one counts. Only a file on this computer can
    // be burnt; a web address or a folder is not an image.
    if (!data || !data->hasUrls() || data->urls().isEmpty())
        return {};
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile())
        return {};
    const QString path = url.toLocalFile();
    return QFileInfo(path).isFile() ? path : QString();
}

void Form1::dragEnterEvent(QDragEnterEvent *event)
{
    if (!m_burning && !isCheckingImage() && !droppedImagePath(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void Form1::dropEvent(QDropEvent *event)
{
    // While an image is checked or burnt it stays in the path box.
    const QString path = m_burning || isCheckingImage() ? QString() : droppedImagePath(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    txtPath->setText(path);
    event->acceptProposedAction();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // The user has come back: the entry no longer needs to call for them.
    if (watched == this && event->type() == QEvent::WindowActivate && m_urgent && m_platform.desktop) {
        m_urgent = false;
        m_platform.desktop->setUrgent(*this, false);
    }
    // The box that ends a burn ("Complete" or "Burn failed") waits for the
    // user; one who went elsewhere during a long burn would never see it
    // appear, so the desktop is asked to point at the window.
    if (event->type() == QEvent::Show && m_burning && watched != this && watched->isWidgetType()) {
        const auto *shown = static_cast<QWidget *>(watched);
        if (shown->windowType() == Qt::Dialog)
            askForAttention();
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::burnEnded()
{
    // The Burn button was disabled while writing and Qt moved the focus on
    // to the banner; give it back to the command the user is most likely
    // to want next.
    cmdBurn->setFocus(Qt::OtherFocusReason);
    askForAttention();
}

void Form1::askForAttention()
{
    if (!isActiveWindow())
        QApplication::alert(this);
}

void Form1::beginDesktopRun(const QString &path, const QTreeWidgetItem &row)
{
    m_runImage = QFileInfo(path).fileName();
    const QString model = (row.text(1) + QLatin1Char(' ') + row.text(2)).simplified();
    const QString device = row.text(4).isEmpty() ? row.text(0) : row.text(4);
    m_runDrive = model.isEmpty() ? device : model + QStringLiteral(" (") + device + QLatin1Char(')');
    m_mediaKind = MediaKind::Unknown;
    m_outerPrompter = m_platform.prompter;
    m_runPrompter =
        std::make_unique<RunPrompter>(*m_outerPrompter, [this](const QString &title) { desktopRunEnding(title); });
    m_platform.prompter = m_runPrompter.get();
    restartDesktopRun();
}

void Form1::showDesktopShare(double share)
{
    // A thousand steps are finer than any taskbar draws; more would only
    // flood the bus.
    share = std::round(std::clamp(share, 0.0, 1.0) * 1000.0) / 1000.0;
    if (!m_platform.desktop || m_desktopState != Desktop::Progress::Normal || share == m_desktopShare)
        return;
    m_desktopShare = share;
    m_platform.desktop->showProgress(*this, m_desktopState, share);
}

void Form1::desktopRunEnding(const QString &boxTitle)
{
    // The first box of a run ends it; any later one belongs to the same
    // end, unless the run starts over (restartDesktopRun).
    if (m_runEnding)
        return;
    m_runEnding = true;
    const bool complete = boxTitle == tr("Complete");
    // Speed figures of a write that is over would only mislead.
    txtStatus->setToolTip(QString());
    txtStatus->setAccessibleDescription(tr(statusDescription));
    if (!m_platform.desktop)
        return;
    m_desktopState = complete ? Desktop::Progress::None : Desktop::Progress::Error;
    m_platform.desktop->showProgress(*this, m_desktopState, m_desktopShare);
    // Asked for before the box takes the focus. The box is what the user
    // must answer; the notification only tells one who is elsewhere.
    if (isActiveWindow())
        return;
    m_urgent = true;
    m_platform.desktop->setUrgent(*this, true);
    // A refusal's own title says more than "Burn failed" alone.
    const QString body = complete || boxTitle == tr("Burn failed")
                             ? tr("%1 on %2").arg(m_runImage, m_runDrive)
                             : tr("%1 on %2: %3").arg(m_runImage, m_runDrive, boxTitle);
    m_platform.desktop->notify(*this, complete ? tr("Burn complete") : tr("Burn failed"), body);
}

void Form1::restartDesktopRun()
{
    m_runEnding = false;
    m_rate.reset();
    if (m_platform.desktop) {
        m_desktopState = Desktop::Progress::Normal;
        m_desktopShare = 0.0;
        m_platform.desktop->showProgress(*this, m_desktopState, m_desktopShare);
    }
}

void Form1::endDesktopRun()
{
    m_platform.prompter = m_outerPrompter;
    m_runPrompter.reset();
    txtStatus->setToolTip(QString());
    txtStatus->setAccessibleDescription(tr(statusDescription));
    // Whatever the run showed (the error state stays while its box is up)
    // goes once the user has been told.
    if (m_platform.desktop && m_desktopState != Desktop::Progress::None) {
        m_desktopState = Desktop::Progress::None;
        m_platform.desktop->showProgress(*this, m_desktopState, 0.0);
    }
}

void Form1::showSpeed(const WriteProgress &progress)
{
    m_rate.update(progress);
    const QString text = m_rate.text(m_mediaKind);
    if (text == txtStatus->toolTip())
        return;
    txtStatus->setToolTip(text);
    txtStatus->setAccessibleDescription(text.isEmpty() ? tr(statusDescription) : text);
}

} // namespace pelimor
