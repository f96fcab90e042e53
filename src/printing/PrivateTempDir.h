#pragma once

#include <string>
#include <vector>

namespace rotulano::printing {

// The prefixes of the print folders: the window's ("rotulano-XXXXXX") and rotulano-render's
// ("rotulano-render-XXXXXX").
inline constexpr const char* kWindowFolderPrefix = "rotulano";
inline constexpr const char* kRenderFolderPrefix = "rotulano-render";

// A temporary directory of one run's own (mode 0700; on Windows an access list for this
// user only), inside the shared one. Print files
// are named from the time of day to the hundredth of a second, so two runs that name
// theirs in the same directory at the same hundredth (two programs started together, or
// a frozen clock) would write, read back and delete each other's print file; in a
// directory of its own a run only ever touches its own.
//
// While the run lives it holds a lock (flock; on Windows the marker open for writing,
// sharing reads only) on a marker file inside the directory; the system drops the lock
// when the process ends, however it ends. A directory whose marker
// can be locked is therefore stale, and the next run removes it. The directory is
// removed, with the files in it, when the object goes, when the program ends through
// exit() (a lost display), or when removeLive() is called (Qt's fatal message). Nothing
// is ever removed through a symbolic link: entries are examined without following links
// and removed relative to the directory that holds them.
class PrivateTempDir {
  public:
    // `prefix` starts the directory's name ("rotulano-render" gives "rotulano-render-XXXXXX").
    explicit PrivateTempDir(std::string prefix) : prefix_(std::move(prefix)) {}
    ~PrivateTempDir();
    PrivateTempDir(const PrivateTempDir&) = delete;
    PrivateTempDir& operator=(const PrivateTempDir&) = delete;

    // The directory, with its trailing separator, made inside `sharedDir` (a temporary
    // directory with its separator, as core::Platform::tempDir gives it) at the first
    // call; later calls return the same one. Empty when it cannot be made.
    std::string path(const std::string& sharedDir);

    // Removes, inside `sharedDir`, the stale folders named by one of `prefixes` and six
    // letters or digits: directories (not links) of this user, mode 0700, whose marker
    // is there, was written and can be locked. Anything else is left alone.
    static void removeStale(const std::string& sharedDir, const std::vector<std::string>& prefixes);

    // Removes every folder still made by this process (a program about to end abnormally).
    static void removeLive();

    // The name of the marker file inside every folder.
    static const char* markerName();

  private:
    void make(const std::string& sharedDir);
    void remove();
    // The folders still to remove should the program end through exit().
    static void enlist(PrivateTempDir* folder);
    static void delist(PrivateTempDir* folder);
    // True when `name` is a folder name of one of `prefixes`.
    static bool namedByOne(const std::string& name, const std::vector<std::string>& prefixes);

    std::string prefix_;
    bool tried_ = false;
    std::string path_;  // with its separator; empty until made
    std::string name_;  // the directory's own name inside the shared one
#ifdef _WIN32
    void* folderHandle_ = nullptr;  // the folder, held so that nobody renames or removes it
    void* markerHandle_ = nullptr;  // the marker, held without sharing writes for its life
#else
    int sharedFd_ = -1;  // the shared directory, where the folder is removed from
    int folderFd_ = -1;  // the folder itself, where its files are removed from
    int markerFd_ = -1;  // the marker, locked for the folder's life
#endif
};

}  // namespace rotulano::printing
