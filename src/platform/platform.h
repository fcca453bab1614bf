// What the windows need from the platform, handed to them at start-up.
// main() fills it with the real objects; tests fill it with simulated ones.
#pragma once

namespace pelimor {

class DiscService;
class MessagePrompter;
class Shell;
class Registry;
class FileDialog;
class Desktop;
class RecorderLocks;

struct Platform {
    DiscService *disc = nullptr;
    MessagePrompter *prompter = nullptr;
    Shell *shell = nullptr;
    Registry *registry = nullptr;
    FileDialog *fileDialog = nullptr;
    // Optional: without them a burn shows nothing outside its window and
    // takes no lock on the recorder.
    Desktop *desktop = nullptr;
    RecorderLocks *recorderLocks = nullptr;
};

} // namespace pelimor
