// The program's entry: wires the platform's own objects in and starts up.
#include "mainwindow/form1.h"
#include "platform/defaults.h"
#include "platform/discservice.h"
#include "platform/filedialog.h"
#include "platform/prompter.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "startup/module1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    auto disc = pelimor::createDefaultDiscService();
    auto registry = pelimor::createDefaultRegistry();
    pelimor::QtMessagePrompter prompter;
    pelimor::DesktopShell shell;
    pelimor::QtFileDialog fileDialog;
    const pelimor::Platform platform{disc.get(), &prompter, &shell, registry.get(), &fileDialog};

    auto window = pelimor::Module1::Main(platform, pelimor::Module1::commandLineFrom(QApplication::arguments()));
    if (!window)
        return 1;
    return QApplication::exec();
}
