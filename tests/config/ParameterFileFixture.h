#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>

namespace rotulano::test {

// Model 6, port COM2, darkness 27, no pause, margins 5 and 12, speed C, English, then a
// filler that is not the program's zeros, so that a save must carry it byte for byte.
inline std::string storedRecord() {
    std::string filler = "Ajuste local: n\xe3o mexer \xd8 ";
    filler.resize(132, '#');
    return "1060427N0512C2" + filler;
}

}  // namespace rotulano::test

// A parameter file in a folder of the test's own.
class ParameterFileTest : public ::testing::Test {
  protected:
    std::string file(const std::string& name = "CD21PRM.DAT") const {
        return dir_.path().toStdString() + "/" + name;
    }
    QTemporaryDir dir_;
};
