// The open-file dialog, behind a seam so the browse command can be driven
// by tests.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace pelimor {

class FileDialog {
public:
    virtual ~FileDialog() = default;
    // The chosen file's full path, or nothing when the user cancelled.
    // filter is in Qt's form: a label with the pattern in brackets, e.g.
    // "ISO files(*.iso)".
    virtual std::optional<QString> getOpenFileName(QWidget *parent, const QString &filter) = 0;
};

class QtFileDialog : public FileDialog {
public:
    std::optional<QString> getOpenFileName(QWidget *parent, const QString &filter) override;
};

} // namespace pelimor
