// sanitize-selfcheck: loses one block of 4096 bytes in a timer's slot, the way a slot,
// an event handler or a queued print-job event of the program would. tools/sanitize.sh
// runs it with its leak suppressions and fails unless LeakSanitizer reports this leak:
// a suppression that names a frame of Qt's event loop (or a whole Qt library) would hide
// it, and with it every leak of the program's own that happens under the event loop.

#include <QCoreApplication>
#include <QTimer>
#include <cstring>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTimer::singleShot(0, &application, [&application] {
        // Written to, so that the compiler keeps the allocation; the address is
        // forgotten when the slot returns.
        char* block = new char[4096];
        std::memset(block, 'x', 4096);
        application.quit();
    });
    return application.exec();
}
