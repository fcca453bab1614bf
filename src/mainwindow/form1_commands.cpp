// The main window's smaller commands: choosing the image, the help page,
// the size limit and the About link.
#include "mainwindow/form1.h"

#include "about/frmabout.h"
#include "appinfo.h"
#include "platform/filedialog.h"
#include "platform/shell.h"

#include <QLineEdit>
#include <QResizeEvent>

namespace pelimor {

void Form1::cmdBrowse_Click()
{
    // One filter: Qt shows the whole text as its label and takes the
    // pattern from the last brackets, so the dialog offers "ISO files(*.iso)"
    // on *.iso. Cancelling leaves the path as it was: a path given on the
    // command line must survive a look into the dialog.
    const auto chosen = m_platform.fileDialog->getOpenFileName(this, tr("ISO files(*.iso)"));
    if (chosen)
        txtPath->setText(*chosen);
}

void Form1::picHelp_Click()
{
    m_platform.shell->run(QString::fromLatin1(app::supportUrl));
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form1::Form_Resize()
{
    // The window may shrink but never grow beyond its designed outer size,
    // frame included; exactly that size is left alone.
    const QSize frameExtra = frameGeometry().size() - geometry().size();
    QSize client = size();
    if (frameGeometry().height() > maximumOuterSize.height())
        client.setHeight(maximumOuterSize.height() - frameExtra.height());
    if (frameGeometry().width() > maximumOuterSize.width())
        client.setWidth(maximumOuterSize.width() - frameExtra.width());
    if (client != size())
        resize(client);
}

void Form1::Picture2_Click()
{
    // Owned by no window: the main window stays usable, and closing it
    // leaves an open About box running. It may outlive a running burn, so
    // its boxes go to the window's own prompter, not to the run's.
    Platform platform = m_platform;
    if (m_runPrompter)
        platform.prompter = m_outerPrompter;
    frmAbout::Show(platform, this);
}

} // namespace pelimor
