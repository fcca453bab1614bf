// One main window on the real libburn service whose only recorder is the
// virtual one writing `target`, with every status text kept. Linux only.
#pragma once

#include "mainwindow/form1.h"
#include "platform/linux/libburn_disc_service.h"
#include "platform/linux/libburn_library.h"
#include "testsupport.h"

#include <QLineEdit>

#include <memory>

namespace pelimor::test {

struct VirtualRecorderWindow {
    explicit VirtualRecorderWindow(const QString &target, LibburnDiscService::Options options = {})
        : service(std::move(options))
    {
        qputenv(libburn::virtualRecorderVariable, target.toUtf8());
        form = std::make_unique<Form1>(Platform{&service, &prompter, &shell, nullptr, &fileDialog});
        QObject::connect(form->txtStatus, &QLineEdit::textChanged, [this](const QString &text) { statuses << text; });
    }
    ~VirtualRecorderWindow() { qunsetenv(libburn::virtualRecorderVariable); }
    VirtualRecorderWindow(const VirtualRecorderWindow &) = delete;
    VirtualRecorderWindow &operator=(const VirtualRecorderWindow &) = delete;

    void burn(const QString &image)
    {
        form->txtPath->setText(image);
        form->cmdBurn_Click();
    }

    LibburnDiscService service;
    RecordingPrompter prompter;
    RecordingShell shell;
    ScriptedFileDialog fileDialog;
    std::unique_ptr<Form1> form;
    QStringList statuses;
};

} // namespace pelimor::test
