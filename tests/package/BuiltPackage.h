#pragma once

#include <gtest/gtest.h>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "CommandRun.h"

namespace rotulano::test {

// The Debian package made from this build folder with `cpack -G DEB`, and its contents
// unpacked with `dpkg-deb -x`, both in a temporary folder. Making it takes a while, so
// every test of the program shares the one made by the first.
class BuiltPackage {
  public:
    static const BuiltPackage& get();

    QString debPath;  // the .deb; empty when it could not be made
    QString root;     // the folder the package was unpacked into
    QString error;    // why the package is missing, for the failure message

    // `dpkg-deb -c`: one line per path, with its mode and owner.
    QString listing() const;
    // A field of the package's control file (`dpkg-deb -f`).
    QString field(const QString& name) const;
    // A path of the package ("usr/bin/rotulano" or "/usr/bin/rotulano") in the unpacked
    // folder.
    QString installed(const QString& path) const;

  private:
    BuiltPackage();
    void make();

    QTemporaryDir dir_;
};

// Every package test starts from the built and unpacked package.
class PackageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(package().debPath.isEmpty()) << package().error.toStdString();
    }

    static const BuiltPackage& package() { return BuiltPackage::get(); }
};

// The text of a gzip-compressed file, such as a manual page or the changelog.
QString gunzipped(const QString& path);

}  // namespace rotulano::test
