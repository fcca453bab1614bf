// The test's eyes and hands inside the Wine prefix, beside the unmodified
// program (xdotool presses the keys and clicks, as a user does):
//   drive_helper watch LOG STOP   logs every top-level window that appears,
//                                 changes caption or goes, with its client
//                                 size, and every text put on the clipboard
//                                 (a message box copies its title and prompt
//                                 there on Ctrl+C), until the file STOP exists
//   drive_helper locate CAPTION   brings that window forward and prints its
//                                 client area on the screen: x y width height
//   drive_helper frame CAPTION    prints that window's frame on the screen
//   drive_helper combos CAPTION   prints the items of that window's combo boxes
//   drive_helper record FILE ...  appends the rest of its command line to FILE:
//                                 the stand-in browser
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

std::string utf8(const std::wstring &text)
{
    if (text.empty())
        return {};
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

// One line per entry: line breaks are written as \n, carriage returns dropped.
std::string oneLine(const std::wstring &text)
{
    std::string out;
    for (const char c : utf8(text)) {
        if (c == '\n')
            out += "\\n";
        else if (c != '\r')
            out += c;
    }
    return out;
}

std::wstring captionOf(HWND window)
{
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

struct Seen {
    std::wstring caption;
    bool current = false;
};

BOOL CALLBACK collect(HWND window, LPARAM context)
{
    auto &seen = *reinterpret_cast<std::map<HWND, Seen> *>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() || !IsWindowVisible(window))
        return TRUE;
    const std::wstring caption = captionOf(window);
    if (caption.empty())
        return TRUE;
    Seen &entry = seen[window];
    entry.current = true;
    if (entry.caption != caption) {
        RECT client{};
        GetClientRect(window, &client);
        const bool renamed = !entry.caption.empty();
        entry.caption = caption;
        std::printf("%s\t%s\t%ldx%ld\n", renamed ? "renamed" : "shown", oneLine(caption).c_str(), client.right,
                    client.bottom);
    }
    return TRUE;
}

std::wstring clipboardText()
{
    std::wstring text;
    for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt)
        Sleep(10);
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto *chars = static_cast<const wchar_t *>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

int watch(const wchar_t *log, const wchar_t *stop)
{
    if (!_wfreopen(log, L"w", stdout))
        return 2;
    std::map<HWND, Seen> seen;
    DWORD clipboard = GetClipboardSequenceNumber();
    while (GetFileAttributesW(stop) == INVALID_FILE_ATTRIBUTES) {
        for (auto &[window, entry] : seen)
            entry.current = false;
        EnumWindows(collect, reinterpret_cast<LPARAM>(&seen));
        for (auto it = seen.begin(); it != seen.end();) {
            if (it->second.current) {
                ++it;
                continue;
            }
            std::printf("gone\t%s\n", oneLine(it->second.caption).c_str());
            it = seen.erase(it);
        }
        const DWORD now = GetClipboardSequenceNumber();
        if (now != clipboard) {
            clipboard = now;
            std::printf("clipboard\t%s\n", oneLine(clipboardText()).c_str());
        }
        std::fflush(stdout);
        Sleep(40);
    }
    return 0;
}

int locate(const wchar_t *caption)
{
    HWND window = FindWindowW(nullptr, caption);
    if (!window)
        return 1;
    SetForegroundWindow(window);
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
    return 0;
}

int frame(const wchar_t *caption)
{
    HWND window = FindWindowW(nullptr, caption);
    RECT rect{};
    if (!window || !GetWindowRect(window, &rect))
        return 1;
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    return 0;
}

BOOL CALLBACK printItems(HWND child, LPARAM)
{
    wchar_t kind[64] = {};
    GetClassNameW(child, kind, 64);
    if (lstrcmpiW(kind, L"ComboBox") != 0)
        return TRUE;
    const LRESULT count = SendMessageW(child, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring item(static_cast<std::size_t>(SendMessageW(child, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        SendMessageW(child, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        item.resize(lstrlenW(item.c_str()));
        std::printf("%s\n", oneLine(item).c_str());
    }
    return TRUE;
}

int combos(const wchar_t *caption)
{
    HWND window = FindWindowW(nullptr, caption);
    if (!window)
        return 1;
    EnumChildWindows(window, printItems, 0);
    return 0;
}

int record(const wchar_t *file, int count, wchar_t **words)
{
    std::wstring line;
    for (int i = 0; i < count; ++i)
        line += (i ? L" " : L"") + std::wstring(words[i]);
    FILE *out = _wfopen(file, L"a");
    if (!out)
        return 2;
    std::fprintf(out, "%s\n", utf8(line).c_str());
    std::fclose(out);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"watch" && argc == 4)
        return watch(argv[2], argv[3]);
    if (mode == L"locate" && argc == 3)
        return locate(argv[2]);
    if (mode == L"frame" && argc == 3)
        return frame(argv[2]);
    if (mode == L"combos" && argc == 3)
        return combos(argv[2]);
    if (mode == L"record" && argc >= 3)
        return record(argv[2], argc - 3, argv + 3);
    std::fprintf(stderr, "usage: drive_helper watch LOG STOP | locate|frame|combos CAPTION | record FILE WORDS...\n");
    return 2;
}
