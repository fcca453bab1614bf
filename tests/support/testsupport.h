// Shared test doubles: a prompter that records every message box, a shell
// that records what it was asked to open, a scripted file dialog.
#pragma once

#include "platform/filedialog.h"
#include "platform/platform.h"
#include "platform/prompter.h"
#include "platform/shell.h"
#include "simulated_disc_service.h"

#include <QFile>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace pelimor::test {

struct Message {
    QString prompt;
    MsgIcon icon;
    QString title;
};

class RecordingPrompter : public MessagePrompter {
public:
    std::vector<Message> messages;
    std::function<void(const Message &)> onMessage;
    void MsgBox(QWidget *, const QString &prompt, MsgIcon icon, const QString &title) override
    {
        messages.push_back({prompt, icon, title});
        if (onMessage)
            onMessage(messages.back());
    }
    const Message &last() const { return messages.back(); }

    // Yes/No and OK/Cancel questions are kept apart from the boxes; each
    // takes the next answer (No or Cancel once they run out).
    std::vector<Message> questions;
    std::deque<bool> answers;
    std::function<void(const Message &)> onQuestion;
    bool YesNo(QWidget *, const QString &prompt, const QString &title) override
    {
        questions.push_back({prompt, MsgIcon::None, title});
        if (onQuestion)
            onQuestion(questions.back());
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool OkCancel(QWidget *parent, const QString &prompt, const QString &title) override
    {
        return YesNo(parent, prompt, title);
    }
};

class RecordingShell : public Shell {
public:
    QStringList opened;
    QStringList started;
    bool startSucceeds = true;
    bool run(const QString &address) override
    {
        opened << address;
        return true;
    }
    bool startProgram(const QString &path) override
    {
        started << path;
        return startSucceeds;
    }
};

class ScriptedFileDialog : public FileDialog {
public:
    std::deque<std::optional<QString>> answers;
    QStringList filters;
    std::optional<QString> getOpenFileName(QWidget *, const QString &filter) override
    {
        filters << filter;
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Everything a window needs, simulated.
struct SimulatedPlatform {
    SimulatedDiscService disc;
    RecordingPrompter prompter;
    RecordingShell shell;
    ScriptedFileDialog fileDialog;
    Registry *registry = nullptr;

    Platform platform() { return Platform{&disc, &prompter, &shell, registry, &fileDialog}; }
};

inline SimulatedRecorder cdRecorder(const std::string &id, const std::string &vendor = "PLEXTOR ",
                                    const std::string &product = "DVDR   PX-716A  ", const std::string &rev = "1.11",
                                    std::vector<std::string> volumes = {"E:\\"})
{
    SimulatedRecorder r;
    r.id = id;
    r.profiles = {0x08, profile::cdR, 0x0A, 0x11};
    r.vendor = vendor;
    r.product = product;
    r.revision = rev;
    r.volumePaths = std::move(volumes);
    return r;
}

// A file of `size` bytes whose content depends on every position, so a
// dropped, repeated or reordered chunk is caught.
inline QString writePatternFile(const QTemporaryDir &dir, const QString &name, qint64 size)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    quint32 x = 0x12345678u;
    for (qint64 done = 0; done < size;) {
        const qint64 n = std::min<qint64>(chunk.size(), size - done);
        for (qint64 i = 0; i < n; ++i) {
            x = x * 1664525u + 1013904223u;
            chunk[i] = static_cast<char>(x >> 24);
        }
        f.write(chunk.constData(), n);
        done += n;
    }
    return path;
}

} // namespace pelimor::test
