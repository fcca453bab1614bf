#include "about/frmabout.h"

#include "about/licence.h"
#include "appinfo.h"
#include "mainwindow/fonts.h"
#include "mainwindow/picturebox.h"
#include "mainwindow/twips.h"
#include "platform/resources.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

namespace pelimor {
namespace {

// The run's one About dialog; QPointer forgets it once it is deleted.
QPointer<frmAbout> theDialog;

QLabel *label(QWidget *parent, const char *name, const QString &text, const QRect &geometry, const QColor &colour)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(geometry);
    l->setFont(arial(9.75));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    return l;
}

const QColor black(0x00, 0x00, 0x00);
const QColor white(0xFF, 0xFF, 0xFF);
const QColor etchGrey(0x80, 0x80, 0x80);

} // namespace

frmAbout *frmAbout::Show(const Platform &platform, QWidget *placeOver)
{
    // A dialog that is closed but not yet deleted counts as unloaded.
    if (theDialog && theDialog->isVisible()) {
        // Some window managers minimise any window, this one included.
        theDialog->setWindowState(theDialog->windowState() & ~Qt::WindowMinimized);
        theDialog->raise();
        theDialog->activateWindow();
        return theDialog;
    }
    theDialog = new frmAbout(platform);
    if (placeOver)
        theDialog->adjustPosition(placeOver);
    theDialog->show();
    theDialog->activateWindow();
    return theDialog;
}

frmAbout *frmAbout::openDialog()
{
    return theDialog && theDialog->isVisible() ? theDialog.data() : nullptr;
}

// A tool window: fixed frame, title bar with the close box only, and no
// taskbar entry on Windows or X11. Without an owner it is a window of its
// own, so it keeps the program running after the main window has closed.
frmAbout::frmAbout(const Platform &platform)
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_platform(platform)
{
    ensureResources();
    setObjectName(QStringLiteral("frmAbout"));
    // Qt leaves tool windows out of the last-window count; this one counts.
    setAttribute(Qt::WA_QuitOnClose, true);
    setAttribute(Qt::WA_DeleteOnClose, true);
    setModal(false);
    setWindowTitle(QStringLiteral("About MyApp"));
    setWindowIcon(QIcon(QStringLiteral(":/images/app.ico")));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);
    setFixedSize(clientSize);
    createControls();
    Form_Load();
}

frmAbout::~frmAbout() = default;

void frmAbout::createControls()
{
    // In the designed stored order; the keyboard order is set below.
    lbldescription = new QPlainTextEdit(QStringLiteral("Text1"), this);
    lbldescription->setObjectName(QStringLiteral("lbldescription"));
    lbldescription->setGeometry(twipRect(120, 1110, 5505, 1755));
    lbldescription->setFont(arial(9.0, true));
    lbldescription->setFrameStyle(QFrame::Box | QFrame::Plain);
    lbldescription->setLineWidth(1);
    lbldescription->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lbldescription->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lbldescription->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab walks on to OK instead of typing a tab; Enter presses OK.
    lbldescription->setTabChangesFocus(true);
    lbldescription->installEventFilter(this);

    picIcon = new PictureBox(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(twipRect(240, 240, 750, 750));
    picIcon->setPicture(QPixmap(QStringLiteral(":/images/abouticon.gif")));
    picIcon->setBackground(white);
    picIcon->sizeToPicture(1);
    picIcon->installEventFilter(this);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipRect(4245, 3105, 1260, 345));
    cmdOK->setDefault(true);

    // Below the bottom edge of the client area: never seen, still enabled.
    cmdSysInfo = new QPushButton(tr("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(twipRect(4500, 4920, 1245, 345));

    lblTitle = label(this, "lblTitle", QStringLiteral("Application Title"), twipRect(1110, 240, 3885, 480), black);
    lblVersion = label(this, "lblVersion", QStringLiteral("Version"), twipRect(1110, 780, 3885, 225),
                       palette().color(QPalette::ButtonText));
    lblDisclaimer = label(this, "lblDisclaimer", tr("Warning: ..."), twipRect(480, 4620, 3870, 825), black);

    setTabOrder(cmdOK, picIcon);
    setTabOrder(picIcon, cmdSysInfo);
    setTabOrder(cmdSysInfo, lbldescription);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    cmdOK->setFocus();
}

void frmAbout::Form_Load()
{
    setWindowTitle(tr("About %1").arg(QLatin1String(app::title)));
    lblVersion->setText(tr("Version %1.%2.%3").arg(app::versionMajor).arg(app::versionMinor).arg(app::versionRevision));
    lblTitle->setText(QString::fromLatin1(app::fileDescription));
    // The licence is given in English, and its text stays English in every
    // language; a heading in the user's language says so. In English the box
    // holds the licence alone.
    const char *const heading = QT_TR_NOOP("The licence, in English, the language in which it is given:");
    const QString translated = tr(heading);
    lbldescription->setPlainText(
        translated == QLatin1String(heading) ? licence::text() : translated + QStringLiteral("\n\n") + licence::text());
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    // Enter on anything but a button is the default button's, as it is in
    // any dialog; the licence box would otherwise take it as a new line and
    // the icon would swallow it.
    if ((watched == lbldescription || watched == picIcon) && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            cmdOK->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    // Line1: an etched separator above OK, a grey line with a two-pixel
    // white one just below it.
    QPainter p(this);
    p.fillRect(QRect(twipPoint(90, 2955), twipPoint(5654, 2955)), etchGrey);
    p.fillRect(QRect(twipPoint(105, 2970), twipPoint(5654, 2970) + QPoint(0, 1)), white);
}

} // namespace pelimor
