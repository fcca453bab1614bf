// The program's entry: wires the platform's own objects in and starts up.
#include "platform/defaults.h"
#include "platform/discservice.h"
#include "platform/filedialog.h"
#include "platform/prompter.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "startup/module1.h"
#include "startup/translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(PELIMOR_APP_ID));
    pelimor::installTranslations();

    auto disc = pelimor::createDefaultDiscService();
    auto registry = pelimor::createDefaultRegistry();
    pelimor::QtMessagePrompter prompter;
    auto shell = pelimor::createDefaultShell();
    pelimor::QtFileDialog fileDialog;
    const pelimor::Platform platform{disc.get(), &prompter, shell.get(), registry.get(), &fileDialog};

    const auto native = pelimor::nativeCommandLine();
    const QString commandLine =
        native ? QString::fromStdString(*native) : pelimor::Module1::commandLineFrom(QApplication::arguments());
    return pelimor::Module1::Run(platform, commandLine);
}
