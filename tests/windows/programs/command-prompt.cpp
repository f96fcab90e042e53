// command-prompt.exe PROGRAM [ARGUMENTS...]: starts PROGRAM as the Command Prompt starts a
// window program. The child shares this console but is given no standard handle at all,
// as a program of the Windows subsystem started from cmd.exe is on Windows (Wine hands
// a window program the console's handles, which hides what Windows does). Waits for the
// child at most two minutes; the exit status is the child's, or 125 when it could not run.
#include <windows.h>

#include <string>

namespace {

// One argument of a command line, quoted as CommandLineToArgvW reads it back.
std::wstring quoted(const std::wstring& argument) {
    std::wstring text = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        text.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        text.push_back(c);
    }
    text.append(backslashes * 2, L'\\');
    return text + L"\"";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        return 125;
    }
    std::wstring commandLine;
    for (int i = 1; i < argc; ++i) {
        commandLine += (i > 1 ? L" " : L"") + quoted(argv[i]);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;  // every standard handle null
    PROCESS_INFORMATION child{};
    if (!CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &child)) {
        return 125;
    }
    DWORD status = 125;
    if (WaitForSingleObject(child.hProcess, 120000) != WAIT_OBJECT_0) {
        TerminateProcess(child.hProcess, 125);
    }
    GetExitCodeProcess(child.hProcess, &status);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return static_cast<int>(status);
}
