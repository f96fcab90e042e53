#pragma once

#include <cstdint>
#include <string>

#include "core/PortDestination.h"

namespace rotulano::printing {

// One print job at a time on each printer, for every user of this machine: a job takes
// its printer's lock before anything goes to the printer (its first status question, or
// its first row) and keeps it to its end, so that a second job is refused before its
// first row instead of putting its rows between the first one's. The system lets go of
// the lock of a program that ends, however it ends (a crash, a kill): no lock is ever
// left behind.
//
// A printer is known by its key, the same however its entry is written: a device by its
// path with every link followed (on Windows by its name in upper case: COM1), a network printer by
// its host in lower case and its port, a print queue by its name in lower case (the print service
// ignores case). A network printer named once by its name and once by its address has two keys.
//
// The lock is a name in a namespace the whole machine shares, held by an open handle of
// the program's: on Linux an abstract local socket name ("@rotulano-impressora-..." in
// `ss -xap`, which also shows who holds it), bound for the job's life; on Windows a
// Global\ named mutex. A name needs no file or folder anyone may lack the right to write,
// sees every user alike and leaves nothing to clean up. Names of different namespaces
// never meet, so that tests keep their locks to themselves.
class PrinterLock {
  public:
    PrinterLock() = default;
    ~PrinterLock() { release(); }
    PrinterLock(const PrinterLock&) = delete;
    PrinterLock& operator=(const PrinterLock&) = delete;

    // Takes the lock of the printer `key` in `space` (empty: the system's own; see
    // core::Platform::printerLockSpace) and keeps it until release(). True when it is this
    // job's (already, or now); false when another job of this machine holds it. A lock
    // the system cannot give at all (no handle left) lets the job go on unlocked.
    bool take(const std::string& space, const std::string& key);
    // Lets go of the lock, if held.
    void release();

    static std::string deviceKey(const std::string& device);
    static std::string destinationKey(const core::PortDestination& destination);

  private:
    enum class Taken { Held, Busy, Unavailable };

    // The name of the printer `key` in `space`, as the system's namespace takes it.
    static std::string nameOf(const std::string& space, const std::string& key);

    // The system's side (PrinterLock_posix.cpp, PrinterLock_win.cpp).
    static Taken takeName(const std::string& name, std::intptr_t& handle);
    static void releaseName(std::intptr_t handle);
    static std::string resolvedPath(const std::string& path);

    static constexpr std::intptr_t kNoHandle = -1;
    std::string heldKey_;
    std::intptr_t handle_ = kNoHandle;
};

}  // namespace rotulano::printing
