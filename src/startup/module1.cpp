#include "startup/module1.h"

#include "appinfo.h"
#include "mainwindow/form1.h"
#include "platform/discservice.h"
#include "platform/log.h"
#include "platform/prompter.h"
#include "platform/shell.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>

namespace pelimor::Module1 {

QString commandLineFrom(const QStringList &arguments)
{
    return arguments.mid(1).join(QLatin1Char(' '));
}

std::unique_ptr<Form1> Main(const Platform &platform, const QString &commandLine)
{
    bool serviceMissing = false;
    try {
        platform.disc->CreateDiscMaster();
    } catch (const ServiceError &error) {
        qCInfo(lcWindow) << "disc service missing:" << error.what();
        serviceMissing = true;
    }

    if (serviceMissing) {
        const QString address = QString::fromLatin1(app::updateArticleUrl);
        platform.prompter->MsgBox(
            nullptr,
            QCoreApplication::translate(
                "pelimor::Module1",
                "You're computer requires an update from Microsoft. Visit Microsoft to update now... %1.")
                    .arg(address) +
                QStringLiteral("\r\n\r\n") +
                QCoreApplication::translate(
                    "pelimor::Module1",
                    "Once you click 'OK' you're browser will open the Microsoft web site follow the "
                    "directions to install the CD/DVD burning support."),
            MsgIcon::Critical, QCoreApplication::translate("pelimor::Module1", "Microsoft download required"));
        platform.shell->run(address);
        return nullptr;
    }

    auto window = std::make_unique<Form1>(platform);
    // An empty command line has no first piece, and the path box stays
    // empty; otherwise everything from the first comma on is dropped.
    if (!commandLine.isEmpty())
        window->txtPath->setText(commandLine.split(QLatin1Char(',')).at(0));
    // Centred on the screen for its first appearance.
    if (const QScreen *screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    window->show();
    return window;
}

int Run(const Platform &platform, const QString &commandLine)
{
    auto window = Main(platform, commandLine);
    if (!window)
        return 1;
    return QApplication::exec();
}

} // namespace pelimor::Module1
