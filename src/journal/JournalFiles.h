#pragma once

#include <memory>
#include <string>

namespace rotulano::journal {

// The services of the operating system that the journal needs besides SQLite's own.

// True when `folder` lies on a network file system (NFS, SMB/CIFS), where SQLite's
// write-ahead log does not work: its shared memory needs every process on one machine.
bool onNetworkFolder(const std::string& folder);

// A lock on a journal that no connection of SQLite may hold at the same time, in this
// process or another: taken over the bytes SQLite locks in the database file and its
// shared-memory file. Held until the object goes. Never waits.
class ExclusiveJournalLock {
  public:
    ExclusiveJournalLock();
    ~ExclusiveJournalLock();
    ExclusiveJournalLock(const ExclusiveJournalLock&) = delete;
    ExclusiveJournalLock& operator=(const ExclusiveJournalLock&) = delete;

    // False when any connection holds the journal at `path` (or it cannot be opened).
    bool tryLock(const std::string& path);

  private:
    struct Handles;
    std::unique_ptr<Handles> handles_;
};

// Renames `from` to `to`, which must not exist yet; never replaces a file.
bool moveAside(const std::string& from, const std::string& to);

}  // namespace rotulano::journal
