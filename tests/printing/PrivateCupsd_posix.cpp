#include "PrivateCupsd.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

namespace rotulano::test {

namespace {

struct Account {
    std::string user;
    std::string group;
    uid_t uid = 0;
    gid_t gid = 0;
};

// cupsd refuses to work as root: as root it works as lp.
bool serviceAccount(Account& account) {
    const passwd* user = ::geteuid() == 0 ? ::getpwnam("lp") : ::getpwuid(::geteuid());
    if (user == nullptr) {
        return false;
    }
    const group* primary = ::getgrgid(user->pw_gid);
    if (primary == nullptr) {
        return false;
    }
    account = {user->pw_name, primary->gr_name, user->pw_uid, user->pw_gid};
    return true;
}

bool writeText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

}  // namespace

PrivateCupsd::PrivateCupsd() {
    if (QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/sbin"}).isEmpty()) {
        why_ = "cupsd is not installed (Debian package cups)";
        return;
    }
    ready_ = dir_.isValid() && prepareFolders() && writeConfiguration() && start();
}

PrivateCupsd::~PrivateCupsd() {
    if (cupsd_.state() != QProcess::NotRunning) {
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(5000)) {
            cupsd_.kill();
            cupsd_.waitForFinished(5000);
        }
    }
}

std::string PrivateCupsd::socket() const {
    return dir_.filePath("cups.sock").toStdString();
}

// Folders the service's user can reach: the temporary folder is opened for traversal,
// spool and temporary files belong to the service's group.
bool PrivateCupsd::prepareFolders() {
    Account account;
    if (!serviceAccount(account)) {
        why_ = "no account for cupsd to work as";
        return false;
    }
    const QDir root(dir_.path());
    for (const char* folder : {"conf", "spool/tmp", "state", "cache", "log"}) {
        if (!root.mkpath(folder)) {
            why_ = std::string("cannot make ") + folder;
            return false;
        }
    }
    const auto path = [&root](const char* name) { return root.filePath(name).toStdString(); };
    bool good = ::chmod(dir_.path().toStdString().c_str(), 0755) == 0;
    for (const char* folder : {"spool", "spool/tmp", "state", "cache"}) {
        good = good && ::chown(path(folder).c_str(), ::geteuid(), account.gid) == 0;
    }
    good = good && ::chmod(path("spool").c_str(), 0710) == 0 &&
           ::chmod(path("spool/tmp").c_str(), 01770) == 0 &&
           ::chmod(path("cache").c_str(), 0770) == 0 && ::chmod(path("state").c_str(), 0755) == 0;
    if (!good) {
        why_ = "cannot give the service's folders to its user";
    }
    return good;
}

bool PrivateCupsd::writeConfiguration() {
    Account account;
    serviceAccount(account);
    const QString root = dir_.path();
    const QString server = QStringLiteral(
                               "Listen %1/cups.sock\n"
                               "Browsing Off\n"
                               "WebInterface No\n"
                               "LogLevel warn\n"
                               "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                               "<Policy default>\n  <Limit All>\n    Order allow,deny\n"
                               "    Allow all\n  </Limit>\n</Policy>\n")
                               .arg(root);
    const QString files =
        QStringLiteral(
            "User %2\nGroup %3\nSystemGroup root\n"
            "ServerRoot %1/conf\nRequestRoot %1/spool\nTempDir %1/spool/tmp\n"
            "StateDir %1/state\nCacheDir %1/cache\n"
            "AccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
            "PageLog %1/log/page_log\n")
            .arg(root, QString::fromStdString(account.user), QString::fromStdString(account.group));
    if (!writeText(root + "/conf/cupsd.conf", server) ||
        !writeText(root + "/conf/cups-files.conf", files)) {
        why_ = "cannot write cupsd's configuration";
        return false;
    }
    return true;
}

bool PrivateCupsd::start() {
    const QString root = dir_.path();
    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    cupsd_.start("cupsd",
                 {"-f", "-c", root + "/conf/cupsd.conf", "-s", root + "/conf/cups-files.conf"});
    if (!cupsd_.waitForStarted(5000)) {
        why_ = "cupsd did not start";
        return false;
    }
    for (int i = 0; i < 100; ++i) {
        if (QFileInfo(root + "/cups.sock").exists() && schedulerRunning()) {
            return true;
        }
        if (cupsd_.state() == QProcess::NotRunning) {
            break;
        }
        QThread::msleep(100);
    }
    QFile log(root + "/log/error_log");
    log.open(QIODevice::ReadOnly);
    why_ = "cupsd did not answer: " + cupsd_.readAll().toStdString() + log.readAll().toStdString();
    return false;
}

bool PrivateCupsd::schedulerRunning() {
    QProcess tool;
    tool.start("lpstat", {"-h", QString::fromStdString(socket()), "-r"});
    return tool.waitForFinished(10000) &&
           tool.readAllStandardOutput().startsWith("scheduler is running");
}

bool PrivateCupsd::runTool(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program, QStringList{"-h", QString::fromStdString(socket())} + arguments);
    const bool ran = tool.waitForFinished(10000) && tool.exitStatus() == QProcess::NormalExit &&
                     tool.exitCode() == 0;
    if (!ran) {
        why_ = program.toStdString() + " failed: " + tool.readAll().toStdString();
    }
    return ran;
}

bool PrivateCupsd::addQueue(const std::string& queue, int port) {
    return runTool("lpadmin", {"-p", QString::fromStdString(queue), "-v",
                               QStringLiteral("socket://127.0.0.1:%1").arg(port), "-E"});
}

bool PrivateCupsd::run(const std::string& program, const std::string& queue) {
    return runTool(QString::fromStdString(program), {QString::fromStdString(queue)});
}

std::string PrivateCupsd::pendingJobs() {
    QProcess tool;
    tool.start("lpstat", {"-h", QString::fromStdString(socket()), "-o"});
    tool.waitForFinished(10000);
    return tool.readAllStandardOutput().toStdString();
}

}  // namespace rotulano::test
