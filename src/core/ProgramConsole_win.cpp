// The standard streams on Windows. MinGW opens them in text mode, which would write every
// LF of the job's bytes as CR LF: both go to binary mode before anything is written, so
// that a pipe or a file gets the same bytes as on Linux. A console gets the UTF-8 text
// as UTF-16 characters through WriteConsoleW; the job's bytes reach it unchanged.

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <streambuf>
#include <string>

#include "core/ProgramConsole.h"
#include "core/WideText.h"

namespace rotulano::core {

namespace {

bool isHandle(HANDLE handle) {
    return handle != INVALID_HANDLE_VALUE && handle != nullptr;
}

bool isConsole(HANDLE handle) {
    DWORD mode = 0;
    return isHandle(handle) && GetConsoleMode(handle, &mode);
}

// UTF-8 text written to a console as characters, a line at a time: a line end never
// falls inside a character, so no character is cut in two.
class ConsoleBuffer : public std::streambuf {
  public:
    explicit ConsoleBuffer(HANDLE console) : console_(console) {}
    ~ConsoleBuffer() override { writeOut(); }

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) {
            return traits_type::not_eof(c);
        }
        pending_.push_back(traits_type::to_char_type(c));
        if (c == '\n') {
            writeOut();
        }
        return c;
    }

    std::streamsize xsputn(const char* text, std::streamsize count) override {
        for (std::streamsize i = 0; i < count; ++i) {
            overflow(traits_type::to_int_type(text[i]));
        }
        return count;
    }

    int sync() override { return writeOut() ? 0 : -1; }

  private:
    bool writeOut() {
        // The program's one conversion of its UTF-8 to the system's UTF-16.
        const std::u16string wide = core::wideText(pending_);
        pending_.clear();
        std::size_t at = 0;
        while (at < wide.size()) {
            DWORD written = 0;
            const auto chunk = static_cast<DWORD>(std::min<std::size_t>(wide.size() - at, 8192));
            if (!WriteConsoleW(console_, reinterpret_cast<const wchar_t*>(wide.data() + at), chunk,
                               &written, nullptr) ||
                written == 0) {
                return false;
            }
            at += written;
        }
        return true;
    }

    HANDLE console_;
    std::string pending_;
};

}  // namespace

struct ProgramConsole::Streams {
    Streams()
        : outConsole(isConsole(GetStdHandle(STD_OUTPUT_HANDLE))),
          errConsole(isConsole(GetStdHandle(STD_ERROR_HANDLE))),
          outBuffer(GetStdHandle(STD_OUTPUT_HANDLE)),
          errBuffer(GetStdHandle(STD_ERROR_HANDLE)),
          outText(&outBuffer),
          errText(&errBuffer) {}

    bool outConsole;
    bool errConsole;
    ConsoleBuffer outBuffer;
    ConsoleBuffer errBuffer;
    std::ostream outText;
    std::ostream errText;
};

ProgramConsole::ProgramConsole() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    streams_ = std::make_unique<Streams>();
}

ProgramConsole::~ProgramConsole() {
    streams_->outText.flush();
    streams_->errText.flush();
    std::cout.flush();
    std::cerr.flush();
}

std::ostream& ProgramConsole::bytes() {
    return std::cout;
}

std::ostream& ProgramConsole::text() {
    return streams_->outConsole ? streams_->outText : std::cout;
}

std::ostream& ProgramConsole::errors() {
    return streams_->errConsole ? streams_->errText : std::cerr;
}

namespace {

// A window program started from a command prompt is given no standard output: the
// prompt's console becomes its standard output, and its error output where it has none.
// A program already attached to a console (Wine attaches window programs to their
// parent's) is refused with ERROR_ACCESS_DENIED and writes to that one.
bool takeParentConsole() {
    const bool attached = AttachConsole(ATTACH_PARENT_PROCESS) != 0;
    if (!attached && GetLastError() != ERROR_ACCESS_DENIED) {
        return false;
    }
    HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (!isHandle(console)) {
        if (attached) {
            FreeConsole();
        }
        return false;
    }
    SetStdHandle(STD_OUTPUT_HANDLE, console);
    if (!isHandle(GetStdHandle(STD_ERROR_HANDLE))) {
        SetStdHandle(STD_ERROR_HANDLE, console);
    }
    return true;
}

// Started from the desktop, nobody has a console to read the text in.
void showInMessageBox(const std::string& text) {
    const std::u16string wide = wideText(text);
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(wide.c_str()), L"Rotulano",
                MB_OK | MB_ICONINFORMATION);
}

}  // namespace

bool writeWindowProgramText(const std::string& text) {
    if (!isHandle(GetStdHandle(STD_OUTPUT_HANDLE)) && !takeParentConsole()) {
        showInMessageBox(text);
        return true;
    }
    ProgramConsole console;
    console.text() << text;
    return static_cast<bool>(console.text().flush());
}

}  // namespace rotulano::core
