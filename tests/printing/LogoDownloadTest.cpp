#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "RecordingPlatform.h"
#include "printing/LogoDownload.h"
#include "printing/PortSink.h"
#include "printing/PrintChannel.h"
#include "support/TestSupport.h"

using rotulano::printing::ChannelResult;
using rotulano::printing::ChannelState;
using rotulano::printing::LogoDownload;
using rotulano::printing::PortSink;
using rotulano::printing::PrintChannel;
using rotulano::test::RecordingPlatform;
using rotulano::test::writeBytes;
using Events = std::vector<std::string>;

namespace {

const std::string kGraphic = "~DGR:LOGOVRDL.GRF,4,1,F00F0FF0";
const std::string kBitmap = std::string("BM\x3e\0\0\0", 6) + "\xd8\x0d\x0a\xff";
// Clear module C; SOH "D"; image download LOGOVRDL into module C as BMP.
const std::string kClear = std::string("\x02qC\r\n", 5);
const std::string kPrefix = std::string(
    "\x01"
    "D\r\n",
    4);
const std::string kHeader = std::string("\x02ICBLOGOVRDL\r\n", 14);

class LogoDownloadTest : public ::testing::Test {
  protected:
    LogoDownloadTest() {
        platform_.temp = temp_.path().toStdString() + "/";
        platform_.devices["COM1"] = "/dev/ttyS0";
        channel_.state().tempDir = channel_.platform().tempDir();
        sink_.setPort("COM1");
    }
    void putLogo(const char* name, const std::string& bytes) {
        writeBytes(logos_.filePath(name).toStdString(), bytes);
    }
    std::vector<std::string> sentBytes() const {
        std::vector<std::string> bytes;
        for (const auto& s : platform_.sent) {
            bytes.push_back(s.bytes);
        }
        return bytes;
    }

    QTemporaryDir temp_;
    QTemporaryDir logos_;
    RecordingPlatform platform_;
    ChannelState state_;
    PrintChannel channel_{state_, platform_};
    PortSink sink_{channel_};
    LogoDownload logo_{sink_, logos_.path().toStdString()};
    ChannelResult result_;
};

}  // namespace

TEST_F(LogoDownloadTest, ZplSendsTheGraphicFileOncePerJobThenWaits) {
    putLogo("LOGOVRDL.GRF", kGraphic);
    logo_.rotinaEtqZplCarregaImagem(result_);
    logo_.rotinaEtqZplCarregaImagem(result_);
    EXPECT_TRUE(logo_.loaded());
    EXPECT_EQ(sentBytes(), std::vector<std::string>{kGraphic});
    EXPECT_EQ(platform_.events, (Events{"send /dev/ttyS0", "sleep 2000"}));
    EXPECT_TRUE(result_.ok());
    EXPECT_TRUE(result_.warnings.empty());
}

struct DplCase {
    int model;
    bool prefix;
};

class DplLogo : public LogoDownloadTest, public ::testing::WithParamInterface<DplCase> {};

TEST_P(DplLogo, ClearThenPauseThenHeaderAndBitmapThenPause) {
    putLogo("LOGOVRDL.BMP", kBitmap);
    logo_.rotinaEtqDplCarregaImagem(GetParam().model, result_);
    const std::string header = GetParam().prefix ? kPrefix + kHeader : kHeader;
    EXPECT_EQ(sentBytes(), (std::vector<std::string>{kClear, header, kBitmap}));
    EXPECT_EQ(platform_.events, (Events{"send /dev/ttyS0", "sleep 2000", "send /dev/ttyS0",
                                        "send /dev/ttyS0", "sleep 2000"}));
    EXPECT_TRUE(logo_.loaded());
    EXPECT_TRUE(result_.ok());
    EXPECT_EQ(platform_.allSent(), kClear + header + kBitmap);
}

INSTANTIATE_TEST_SUITE_P(Models, DplLogo,
                         ::testing::Values(DplCase{1, true}, DplCase{2, false}, DplCase{3, true},
                                           DplCase{4, true}));

TEST_F(LogoDownloadTest, SecondDplCallInTheSameJobSendsNothing) {
    putLogo("LOGOVRDL.BMP", kBitmap);
    logo_.rotinaEtqDplCarregaImagem(1, result_);
    const std::size_t afterFirst = platform_.events.size();
    logo_.rotinaEtqDplCarregaImagem(1, result_);
    EXPECT_EQ(platform_.events.size(), afterFirst);
}

TEST_F(LogoDownloadTest, MissingBitmapWarnsOnceSetsTheFlagAndSendsNothing) {
    logo_.rotinaEtqDplCarregaImagem(1, result_);
    logo_.rotinaEtqDplCarregaImagem(1, result_);
    EXPECT_TRUE(logo_.loaded());
    EXPECT_TRUE(platform_.events.empty());
    EXPECT_TRUE(result_.ok());
    ASSERT_EQ(result_.warnings.size(), 1u);
    EXPECT_EQ(result_.warnings[0].title, "ATEN\xc3\x87\xc3\x83O");
    EXPECT_EQ(result_.warnings[0].text, "Arquivo do logotipo " +
                                            logos_.filePath("LOGOVRDL.BMP").toStdString() +
                                            " n\xc3\xa3o encontrado: as etiquetas "
                                            "sair\xc3\xa3o sem o logotipo");
}

TEST_F(LogoDownloadTest, MissingGraphicWarnsOnceAndSetsTheFlag) {
    putLogo("LOGOVRDL.BMP", kBitmap);  // the other language's logo does not stand in
    logo_.rotinaEtqZplCarregaImagem(result_);
    logo_.rotinaEtqZplCarregaImagem(result_);
    EXPECT_TRUE(logo_.loaded());
    EXPECT_TRUE(platform_.sent.empty());
    ASSERT_EQ(result_.warnings.size(), 1u);
    EXPECT_EQ(result_.warnings[0].text, "Arquivo do logotipo " +
                                            logos_.filePath("LOGOVRDL.GRF").toStdString() +
                                            " n\xc3\xa3o encontrado: as etiquetas "
                                            "sair\xc3\xa3o sem o logotipo");
}

TEST_F(LogoDownloadTest, UnreadableLogoNamesItsStatus) {
    ASSERT_TRUE(QDir(logos_.path()).mkdir("LOGOVRDL.GRF"));
    logo_.rotinaEtqZplCarregaImagem(result_);
    ASSERT_EQ(result_.warnings.size(), 1u);
    EXPECT_EQ(result_.warnings[0].text, "Arquivo do logotipo " +
                                            logos_.filePath("LOGOVRDL.GRF").toStdString() +
                                            " n\xc3\xa3o p\xc3\xb4"
                                            "de ser lido (status 39): "
                                            "as etiquetas sair\xc3\xa3o sem o logotipo");
}

TEST_F(LogoDownloadTest, BitmapIsNotSentWhenItsHeaderCouldNotBe) {
    putLogo("LOGOVRDL.BMP", kBitmap);
    state_.tempDir = platform_.temp + "no-such-dir/";
    logo_.rotinaEtqDplCarregaImagem(1, result_);
    EXPECT_TRUE(platform_.sent.empty());
    EXPECT_EQ(result_.status, "35");
    EXPECT_TRUE(logo_.loaded());
}

TEST_F(LogoDownloadTest, RefusedPortIsReportedAndTheFlagStillSet) {
    putLogo("LOGOVRDL.GRF", kGraphic);
    platform_.refusingDevices.insert("/dev/ttyS0");
    EXPECT_FALSE(logo_.rotinaEtqZplCarregaImagem(result_));
    EXPECT_FALSE(result_.ok());
    EXPECT_EQ(result_.failedName, "/dev/ttyS0");
    EXPECT_EQ(result_.portName, "COM1");
    EXPECT_TRUE(platform_.sleeps.empty());  // no wait for a printer that got nothing
    EXPECT_TRUE(logo_.loaded());
}

TEST(LogoDownloadDir, WorkingDirectoryByDefault) {
    rotulano::test::ScopedWorkingDir working;
    RecordingPlatform platform;
    ChannelState state;
    PrintChannel channel(state, platform);
    PortSink sink(channel);
    sink.setPort("LPT1");
    LogoDownload logo(sink);
    EXPECT_EQ(logo.logoPath("LOGOVRDL.GRF"), "LOGOVRDL.GRF");
    EXPECT_EQ(LogoDownload(sink, "/opt/logos/").logoPath("LOGOVRDL.BMP"),
              "/opt/logos/LOGOVRDL.BMP");
    EXPECT_EQ(LogoDownload(sink, "/opt/logos").logoPath("LOGOVRDL.BMP"), "/opt/logos/LOGOVRDL.BMP");

    platform.temp = working.path() + "/";
    channel.state().tempDir = channel.platform().tempDir();
    writeBytes(working.file("LOGOVRDL.GRF"), kGraphic);
    ChannelResult result;
    logo.rotinaEtqZplCarregaImagem(result);
    EXPECT_EQ(platform.allSent(), kGraphic);
}
