#pragma once

#include <functional>
#include <string>
#include <vector>

// Runs of code and of programs (rotulano-render) in a child process: with a file size limit
// (a full disk, without mounting anything), as the unprivileged user "nobody" (what the
// administrator's rights would hide), and with arguments passed as bytes, whatever their
// encoding.
namespace rotulano::test {

struct ChildRun {
    int exitCode = -1;  // -1 when the child was killed or did not end in time
    std::string out;
    std::string err;
};

// What a child is given before it runs.
struct ChildSetup {
    long long fileSizeLimit = -1;  // RLIMIT_FSIZE in bytes, SIGXFSZ ignored; -1: none
    bool asNobody = false;         // drops to the user and group of "nobody"
    std::string workingDir;        // empty: the parent's
    // With a file size limit: the signal the limit raises left as the system sets it, so
    // that it kills a program that does not ignore it, as "ulimit -f" in a shell does.
    bool sizeSignalKills = false;
};

// Runs `body` in a forked child set up as asked; its result is the child's exit status.
// A child that cannot be set up ends with status 125.
int runInChild(const ChildSetup& setup, const std::function<int()>& body);

// Runs `body` in a forked child set up as asked and brings back the text it returns in
// `out`. Killed after two minutes; status 125 when the child cannot be set up.
ChildRun answerFromChild(const ChildSetup& setup, const std::function<std::string()>& body);

// Runs `program` with `arguments` (bytes) in a child set up as asked, standard input
// closed and no XDG_RUNTIME_DIR (as a batch job runs it), and gathers what it writes.
// Killed after two minutes.
ChildRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                    const ChildSetup& setup);

// Whether the tests run as the administrator, and whether "nobody" exists to drop to.
bool runningAsRoot();
bool nobodyExists();

// What a file's permissions keep from the operator, the administrator reads anyway. These
// run `body` as an operator without those rights: as the administrator, in a child that
// has become "nobody" and works in `folder` (which "nobody" must be able to enter);
// otherwise here, as the user the tests run as. The text `body` returns is in `out`.
// Operator runs are possible unless the tests run as the administrator with no "nobody".
bool operatorRunsPossible();
ChildRun answerAsOperator(const std::string& folder, const std::function<std::string()>& body);

// Opens `folder` (a test's temporary folder) to "nobody": it may enter and list it.
bool openToOperator(const std::string& folder);

// A device node, a named pipe or a socket at `path`; false when the system refuses it.
bool makeCharDevice(const std::string& path, unsigned major, unsigned minor);
bool makeBlockDevice(const std::string& path, unsigned major, unsigned minor);
bool makePipe(const std::string& path);
bool makeSocket(const std::string& path);

// What kind of file `path` is, following links: "regular", "directory", "char", "block",
// "pipe", "socket", "missing".
std::string fileKind(const std::string& path);

// Owner, group and permission bits of `path` as "uid:gid:mode" (mode in octal).
std::string ownership(const std::string& path);

// Inode number of `path`, 0 when it does not exist.
unsigned long long inodeOf(const std::string& path);

}  // namespace rotulano::test
