#include "mainwindow/form1.h"

#include "appinfo.h"
#include "mainwindow/fonts.h"
#include "mainwindow/picturebox.h"
#include "mainwindow/twips.h"
#include "platform/log.h"
#include "platform/prompter.h"
#include "platform/resources.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>

namespace pelimor {
namespace {

struct Column {
    const char *header;
    int widthTwips;
};

// The drive list's columns. Width 0 marks data the burn command reads but
// the user never needs to see.
// The hidden columns' names are never seen, so they are not translated.
constexpr Column listColumns[] = {
    {"id", 0},
    {QT_TRANSLATE_NOOP("pelimor::Form1", "Manufacturer"), 1500},
    {QT_TRANSLATE_NOOP("pelimor::Form1", "Model"), 2000},
    {QT_TRANSLATE_NOOP("pelimor::Form1", "Rev"), 1500},
    {QT_TRANSLATE_NOOP("pelimor::Form1", "Drive"), 1000},
    {"CDRecordable", 0},
    {"DVDPlusRW", 0},
};

constexpr int columnId = 0;
constexpr int columnVendor = 1;
constexpr int columnProduct = 2;
constexpr int columnRevision = 3;
constexpr int columnDrive = 4;
constexpr int columnCdRecordable = 5;

const QColor white(0xFF, 0xFF, 0xFF);

} // namespace

Form1::Form1(const Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_platform(platform)
{
    ensureResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(PELIMOR_WEBSITE " | Pelimor ISO Burn"));
    setWindowIcon(QIcon(QStringLiteral(":/images/app.ico")));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, white);
    setPalette(pal);
    resize(clientSize);
    createControls();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::createControls()
{
    const QColor windowBackground = palette().color(QPalette::Base);

    // Created from the back of the stacking order to the front, so that the
    // status box and the logo lie over the banner as designed.
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(twipRect(180, 1590, 6015, 1095));
    ListView1->setFont(arial(9.75));

    txtPath = new QLineEdit(this);
    txtPath->setObjectName(QStringLiteral("txtPath"));
    txtPath->setGeometry(twipRect(180, 2760, 5415, 405));
    txtPath->setFont(arial(11.25));
    txtPath->setEnabled(false);

    cmdBrowse = new PictureButton(this);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse->setGeometry(twipRect(5640, 2790, 555, 375));
    cmdBrowse->setFont(arial(9.75));
    cmdBrowse->setFace(QPixmap(QStringLiteral(":/images/browse.bmp")));
    cmdBrowse->setBackground(palette().color(QPalette::Button));
    cmdBrowse->setToolTip(tr("  Browse for ISO file"));

    cmdBurn = new PictureButton(this);
    cmdBurn->setObjectName(QStringLiteral("cmdBurn"));
    cmdBurn->setGeometry(twipRect(4110, 3390, 2115, 675));
    cmdBurn->setFace(QPixmap(QStringLiteral(":/images/burn.bmp")));
    cmdBurn->setBackground(white);
    cmdBurn->setToolTip(tr("   Burn ISO file to CD   "));

    Picture1 = new PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipRect(780, 210, 5895, 975));
    Picture1->setPicture(QPixmap(QStringLiteral(":/images/banner.bmp")));
    Picture1->setBackground(windowBackground);

    chkEject = new QCheckBox(tr("Eject CD/DVD after burn"), this);
    chkEject->setObjectName(QStringLiteral("chkEject"));
    chkEject->setGeometry(twipRect(210, 3240, 3345, 345));
    chkEject->setFont(arial(9.75));
    chkEject->setChecked(true);
    chkEject->setAutoFillBackground(true);
    QPalette checkPalette = chkEject->palette();
    checkPalette.setColor(QPalette::Window, white);
    checkPalette.setColor(QPalette::Button, white);
    chkEject->setPalette(checkPalette);

    Picture2 = new PictureBox(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(twipRect(180, 3780, 975, 450));
    Picture2->setPicture(QPixmap(QStringLiteral(":/images/about.bmp")));
    Picture2->setBackground(windowBackground);
    Picture2->setCursor(Qt::PointingHandCursor);

    picHelp = new PictureBox(this);
    picHelp->setObjectName(QStringLiteral("picHelp"));
    picHelp->setGeometry(twipRect(1260, 3780, 885, 450));
    picHelp->setPicture(QPixmap(QStringLiteral(":/images/help.bmp")));
    picHelp->setBackground(windowBackground);
    picHelp->setCursor(Qt::PointingHandCursor);

    txtStatus = new QLineEdit(this);
    txtStatus->setObjectName(QStringLiteral("txtStatus"));
    txtStatus->setGeometry(twipRect(240, 1050, 5895, 285));
    txtStatus->setFont(arial(9.75));
    txtStatus->setFrame(false);
    QPalette statusPalette = txtStatus->palette();
    statusPalette.setColor(QPalette::Text, QColor(0x40, 0x40, 0x40));
    txtStatus->setPalette(statusPalette);

    Picture3 = new PictureBox(this);
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->move(twipPoint(180, 60));
    Picture3->setPicture(QPixmap(QStringLiteral(":/images/logo.gif")));
    Picture3->setBackground(windowBackground);
    Picture3->resize(px(960), px(960));
    Picture3->sizeToPicture();

    QWidget *tabOrder[] = {ListView1, txtPath,  cmdBrowse, cmdBurn,   Picture1,
                           chkEject,  Picture2, picHelp,   txtStatus, Picture3};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(cmdBurn, &QAbstractButton::clicked, this, &Form1::cmdBurn_Click);
    connect(cmdBrowse, &QAbstractButton::clicked, this, &Form1::cmdBrowse_Click);
    connect(picHelp, &PictureBox::clicked, this, &Form1::picHelp_Click);
    connect(Picture2, &PictureBox::clicked, this, &Form1::Picture2_Click);
    describeControls();

    ListView1->setFocus();
}

void Form1::Form_Load()
{
    setWindowTitle(tr("%1 | Pelimor ISO Burn | ver. %2.%3.%4")
                       .arg(QLatin1String(app::webSite))
                       .arg(app::versionMajor)
                       .arg(app::versionMinor)
                       .arg(app::versionRevision));

    // A report list with full-row selection.
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->header()->setStretchLastSection(false);
    ListView1->header()->setSectionsMovable(false);
    QStringList headers;
    for (const auto &column : listColumns)
        headers << tr(column.header);
    ListView1->setColumnCount(static_cast<int>(std::size(listColumns)));
    ListView1->setHeaderLabels(headers);
    for (int i = 0; i < static_cast<int>(std::size(listColumns)); ++i) {
        ListView1->setColumnWidth(i, px(listColumns[i].widthTwips));
        ListView1->setColumnHidden(i, listColumns[i].widthTwips == 0);
    }

    // Looking for recorders can take a while (a drive spinning up): the
    // user sees a waiting cursor, and, when it lasts, the window itself,
    // with the burn button off until the list is complete.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QTimer showEarly;
    showEarly.setSingleShot(true);
    connect(&showEarly, &QTimer::timeout, this, [this] {
        cmdBurn->setEnabled(false);
        if (const QScreen *screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
        show();
    });
    showEarly.start(slowScanMs);
    listRecorders();
    showEarly.stop();
    cmdBurn->setEnabled(true);
    QGuiApplication::restoreOverrideCursor();
    if (ListView1->topLevelItemCount() > 0)
        ListView1->setCurrentItem(ListView1->topLevelItem(0));
}

void Form1::listRecorders()
{
    // A recorder the service cannot describe is left out rather than
    // ending the program; an empty list is refused later by the burn button.
    try {
        auto master = m_platform.disc->CreateDiscMaster();
        for (const std::string &id : master->RecorderIds()) {
            try {
                auto recorder = m_platform.disc->CreateDiscRecorder();
                recorder->InitializeDiscRecorder(id);
                const auto profiles = recorder->SupportedProfiles();
                if (std::find(profiles.begin(), profiles.end(), profile::cdR) == profiles.end())
                    continue;
                // The row is added only once the recorder has answered every
                // question, so a failing drive leaves no half-filled row.
                const QStringList details{QString::fromStdString(recorder->VendorId()),
                                          QString::fromStdString(recorder->ProductId()),
                                          QString::fromStdString(recorder->ProductRevision())};
                const auto volumes = recorder->VolumePathNames();
                auto *row = new QTreeWidgetItem(ListView1);
                row->setText(columnId, QString::fromStdString(id));
                row->setText(columnCdRecordable, QStringLiteral("yes"));
                row->setText(columnVendor, details[0]);
                row->setText(columnProduct, details[1]);
                row->setText(columnRevision, details[2]);
                row->setText(columnDrive, volumes.empty() ? QString() : QString::fromStdString(volumes.front()));
            } catch (const ServiceError &error) {
                qCInfo(lcWindow) << "recorder" << id.c_str() << "left out of the list:" << error.what();
                continue;
            }
        }
    } catch (const ServiceError &error) {
        qCInfo(lcWindow) << "no recorders listed:" << error.what();
    }
}

void Form1::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // Line1: a light rule between the status line and the drive list.
    QPainter p(this);
    p.setPen(QPen(QColor(0xE0, 0xE0, 0xE0), 1));
    p.drawLine(twipPoint(30, 1380), twipPoint(6390, 1380));
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Nothing has reached the disc while the image is being checked: stop
    // the check and let the window (and so the program) close.
    if (m_checkCancel) {
        m_checkCancel->store(true);
        QWidget::closeEvent(event);
        return;
    }
    // Closing mid-burn would leave a ruined disc behind, so the window
    // stays unless the user chooses to stop the burn; the burn command then
    // reports the stop and closes the window.
    if (m_burning) {
        event->ignore();
        if (!m_stopRequested && m_platform.prompter->YesNo(this,
                                                           tr("A burn is in progress. Stopping now will leave the disc "
                                                              "unusable. Stop the burn?"),
                                                           QLatin1String(app::title))) {
            m_stopRequested = true;
            if (objDataWriter)
                objDataWriter->CancelWrite();
        }
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace pelimor
