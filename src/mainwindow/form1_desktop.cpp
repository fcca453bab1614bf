// How the main window meets the rest of the desktop: what screen readers
// hear, image files dropped from the file manager, and the window's answer
// when a burn ends.
#include "mainwindow/form1.h"

#include "mainwindow/picturebox.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QTreeWidget>
#include <QUrl>

namespace pelimor {

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
        {txtStatus, QT_TR_NOOP("Burn status"), QT_TR_NOOP("What the recorder is doing")},
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
    if (!m_burning && !droppedImagePath(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void Form1::dropEvent(QDropEvent *event)
{
    // While a burn runs the image it writes stays in the path box.
    const QString path = m_burning ? QString() : droppedImagePath(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    txtPath->setText(path);
    event->acceptProposedAction();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
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

} // namespace pelimor
