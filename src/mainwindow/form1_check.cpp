// Checking the image against the checksum published beside it, before the
// burn touches the recorder: a damaged download is caught while it costs
// nothing but a new download.
#include "mainwindow/form1.h"

#include "mainwindow/picturebox.h"
#include "platform/image_hasher.h"
#include "platform/prompter.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>

#include <exception>
#include <thread>

namespace pelimor {
namespace {

QString checkingText(std::int64_t done, std::int64_t total)
{
    const double share = total > 0 ? static_cast<double>(done) / static_cast<double>(total) : 0.0;
    const QLocale locale;
    return QCoreApplication::translate("pelimor::Form1", "Checking the image: %1")
        .arg(locale.toString(share * 100.0, 'f', 2) + locale.percent());
}

QString fileName(const std::string &utf8Path)
{
    return QFileInfo(QString::fromStdString(utf8Path)).fileName();
}

// Keeps the commands off while the check runs, and lets the close event
// find the check to stop, however the check ends.
class CheckGuard {
public:
    CheckGuard(std::atomic<bool> *&slot, std::atomic<bool> &cancel, std::initializer_list<QWidget *> commands)
        : m_slot(slot), m_commands(commands)
    {
        m_slot = &cancel;
        for (auto *w : m_commands)
            w->setEnabled(false);
    }
    ~CheckGuard()
    {
        m_slot = nullptr;
        for (auto *w : m_commands)
            w->setEnabled(true);
    }
    CheckGuard(const CheckGuard &) = delete;
    CheckGuard &operator=(const CheckGuard &) = delete;

private:
    std::atomic<bool> *&m_slot;
    std::vector<QWidget *> m_commands;
};

} // namespace

bool Form1::checkImage(const QString &path)
{
    if (m_checkCancel) // pressed again inside a running check
        return false;
    const std::string utf8Path = path.toStdString();
    const auto published = findPublishedChecksum(utf8Path);
    if (!published)
        return true;

    const std::int64_t total = QFileInfo(path).size();
    std::atomic<bool> cancel{false};
    std::atomic<bool> finished{false};
    std::atomic<std::int64_t> done{0};
    std::optional<std::string> found;
    std::exception_ptr failure;
    {
        CheckGuard guard(m_checkCancel, cancel, {cmdBurn, cmdBrowse});
        QEventLoop loop;
        // The hash runs beside the event loop, so the window repaints and
        // can be closed; the loop only waits for it.
        std::thread worker([&] {
            try {
                found = hashFile(utf8Path, published->algorithm, cancel, &done);
            } catch (...) {
                failure = std::current_exception();
            }
            finished.store(true);
            QMetaObject::invokeMethod(&loop, "quit", Qt::QueuedConnection);
        });
        QTimer progress;
        QObject::connect(&progress, &QTimer::timeout, this, [&] {
            const QString text = checkingText(done.load(), total);
            if (txtStatus->text() != text)
                txtStatus->setText(text);
        });
        progress.start(100);
        txtStatus->setText(checkingText(0, total));
        if (!cancel.load())
            loop.exec();
        // The loop may also end because the application is quitting.
        if (!finished.load())
            cancel.store(true);
        worker.join();
    }
    if (cancel.load())
        return false;
    auto *prompter = m_platform.prompter;
    if (failure) {
        QString reason;
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception &error) {
            reason = QString::fromUtf8(error.what());
        }
        prompter->MsgBox(this, tr("ISO file '%1' cannot be read: %2").arg(path, reason), MsgIcon::Critical,
                         tr("File not readable"));
        return false;
    }
    txtStatus->setText(checkingText(total, total));
    for (const auto &listing : published->listings)
        if (listing.hash == *found)
            return true;

    const ChecksumListing &listing = published->listings.front();
    const QString algorithm = QString::fromLatin1(algorithmName(published->algorithm));
    prompter->MsgBox(this,
                     tr("The image '%1' does not match the %2 checksum published for it in '%3'.\n\n"
                        "Expected:\n%4\nFound:\n%5\n\n"
                        "The download is damaged or incomplete. Please download the image again; "
                        "the disc has not been touched.")
                         .arg(QFileInfo(path).fileName(), algorithm, fileName(listing.listFile),
                              QString::fromLatin1(listing.hash), QString::fromStdString(*found)),
                     MsgIcon::Critical, tr("Image damaged"));
    return false;
}

} // namespace pelimor
