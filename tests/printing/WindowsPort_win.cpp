#include "WindowsPort_win.h"

#include <atomic>

#include "printing/PortStream_win.h"

namespace rotulano::test {

namespace {

std::wstring uniquePipeName() {
    static std::atomic<int> made{0};
    return L"\\\\.\\pipe\\rotulano-teste-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
           std::to_wstring(++made);
}

}  // namespace

WindowsPipe::WindowsPipe(unsigned long buffer) {
    const std::wstring name = uniquePipeName();
    reader_ = ::CreateNamedPipeW(name.c_str(), PIPE_ACCESS_INBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1,
                                 0, buffer, 0, nullptr);
    if (reader_ == INVALID_HANDLE_VALUE) {
        return;
    }
    writer_ = openAsPort(name, GENERIC_WRITE);
}

WindowsPipe::~WindowsPipe() {
    if (writer_ >= 0) {
        printing::portStream::closePort(writer_);
    }
    closeReader();
}

std::string WindowsPipe::readAvailable() {
    std::string bytes;
    DWORD available = 0;
    while (reader_ != INVALID_HANDLE_VALUE &&
           ::PeekNamedPipe(reader_, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
        std::string chunk(available, '\0');
        DWORD got = 0;
        if (!::ReadFile(reader_, chunk.data(), available, &got, nullptr) || got == 0) {
            break;
        }
        bytes.append(chunk, 0, got);
    }
    return bytes;
}

void WindowsPipe::closeReader() {
    if (reader_ != INVALID_HANDLE_VALUE) {
        ::CloseHandle(reader_);
        reader_ = INVALID_HANDLE_VALUE;
    }
}

int openAsPort(const std::wstring& path, unsigned long access) {
    const HANDLE port = ::CreateFileW(path.c_str(), access, 0, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_OVERLAPPED, nullptr);
    return port == INVALID_HANDLE_VALUE ? -1 : printing::portStream::descriptorOf(port);
}

}  // namespace rotulano::test
