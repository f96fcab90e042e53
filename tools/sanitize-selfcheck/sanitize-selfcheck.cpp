// sanitize-selfcheck: loses one block of 4096 bytes in a timer's slot, the way a slot,
// an event handler or a queued print-job event of the program would. tools/sanitize.sh
// runs it with its leak suppressions and fails unless LeakSanitizer reports this leak:
// a suppression that names a frame of Qt's event loop (or a whole Qt library) would hide
// it, and with it every leak of the program's own that happens under the event loop.

#include <QCoreApplication>
#include <QTimer>

namespace {

// The block's address passes through here, so that no compiler may leave the allocation
// out; it is overwritten at once, and the block is lost.
char* volatile lastBlock = nullptr;

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTimer::singleShot(0, &application, [&application] {
        lastBlock = new char[4096];
        lastBlock = nullptr;
        application.quit();
    });
    return application.exec();
}
