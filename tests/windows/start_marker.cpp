// Helper for the shell test: waits a second, then creates "<own path>.started"
// so the test can tell that this program ran, and ran after the start call
// had already returned.
#include <windows.h>

int main()
{
    Sleep(1000);
    wchar_t path[MAX_PATH + 16] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    lstrcpyW(path + length, L".started");
    HANDLE marker = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (marker == INVALID_HANDLE_VALUE)
        return 1;
    CloseHandle(marker);
    return 0;
}
