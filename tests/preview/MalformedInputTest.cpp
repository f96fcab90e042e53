#include <gtest/gtest.h>

#include <random>

#include "PreviewTestSupport.h"
#include "support/TestSupport.h"

// Bad input never crashes the preview and never makes it build absurd pictures: every
// label it gives is at most kMaxLabelDots on each side.
namespace rotulano::preview::test {
namespace {

void expectSaneLabels(const std::string& bytes) {
    for (const RenderedLabel& label : renderJob(bytes)) {
        EXPECT_GE(label.image.width(), 1);
        EXPECT_GE(label.image.height(), 1);
        EXPECT_LE(label.image.width(), kMaxLabelDots);
        EXPECT_LE(label.image.height(), kMaxLabelDots);
        EXPECT_GE(label.copies, 0);
    }
}

class BadInput : public ::testing::TestWithParam<std::string> {};

TEST_P(BadInput, GivesSaneLabelsOrNone) {
    expectSaneLabels(GetParam());
}

const std::string kHugeBitmapHeader = std::string(
    "BM\xff\xff\xff\x7f\0\0\0\0\x3e\0\0\0\x28\0\0\0\xff\xff\xff\x7f\xff\xff\xff\x7f"
    "\x01\0\x01\0",
    30);

INSTANTIATE_TEST_SUITE_P(
    Zpl, BadInput,
    ::testing::Values("", "^", "~", "^X", "^XA", "^XA^FO", "^XZ^XZ^XA^XA^XZ", "^XA^FD^FS^XZ",
                      "^XA^FO99999999999999999999,-5^GB99999,99999,99999^FS^XZ",
                      "^XA^A0N,99999,99999^FDXYZ^FS^XZ", "^XA^ADB,0,0^FDXYZ^FS^XZ",
                      "^XA^BY99,99,99999^BEN,99999,Y,Y^FD1^FS^XZ",
                      "^XA^BY0,0,0^B2B,0,Y,Y,Y^FD^FS^XZ", "^XA^B2N^FD12345678901234567890^FS^XZ",
                      "~DGR:X.GRF,999999999999,1,FF^XA^XGR:X.GRF,99,99^FS^XZ",
                      "~DGR:X.GRF,10,99999,FF^XA^XGR:X.GRF^FS^XZ", "~DG", "~DG,,,",
                      "~DGR:X.GRF,4,2,zzzzzzzzzzzzzzzzzzzF:::::!,,,,",
                      "^XA^GFA,1,99999999999,1,FF^FS^XZ", "^XA^GFB,4,4,2,\xff\xff^FS^XZ",
                      "^XA^PW99999^LL99999^FO0,0^GB5,5,5^FS^XZ",
                      "^XA^LH32000,32000^FO32000,32000^ADN,18,10^FDX^FS^XZ",
                      "^XA^FO0,0^ADN,18,10^FD" + std::string(100000, 'W') + "^FS^XZ",
                      "^XA^CI999^CF,,^FW^FO0,0^FD\x80\xff^FS^XZ", std::string("^XA\0\0\0^XZ", 9)));

INSTANTIATE_TEST_SUITE_P(
    Dpl, BadInput,
    ::testing::Values("\x02", "\x01", "\x02\x01\x02", "\x02I", "\x02ICB", "\x02ICBLOGO\rBM",
                      "\x02ICBLOGO\r\n" + kHugeBitmapHeader + std::string(64, '\xff'),
                      "\x02ICBLOGO\r\nBM" + std::string(40, '\0'),
                      "\x02L\r1X11000999999999B999999999999\rE\r", "\x02L\r1X1100000000000B\rE\r",
                      "\x02L\r1X1100000000000L\rE\r", "\x02L\r4Y1100000000000NADA\rE\r",
                      "\x02L\r4fZZ999ABCDEFGH123\rE\r", "\x02L\r1fOO99900000000001234567890\rE\r",
                      "\x02L\r1dOO99900000000001234567890123456789\rE\r",
                      "\x02L\r19ZZZZZZZZZZZZZ\rQ99999999999\rE\r", "1911001\r\nE\r\n",
                      "\x02L\r191100100100010" + std::string(100000, 'W') + "\rE\r",
                      "\x02L\rC9999\rR9999\r1X1199999999999B999999999999\rE\r",
                      "\x02n\x02L\r1X1100099999999B999999999999\r", "\x02L\r\x02L\r\x02L\r"));

// Random damage to real jobs: bytes changed, dropped, repeated, command characters
// thrown in, the job cut short.
std::string damaged(std::string bytes, std::mt19937& random) {
    static const std::string kSpecial = "^~\x02\x01\r\n,0123456789XAZLEQFOBYGD";
    std::uniform_int_distribution<int> operation(0, 4);
    const int changes = 1 + static_cast<int>(random() % 12);
    for (int i = 0; i < changes && !bytes.empty(); ++i) {
        const std::size_t at = random() % bytes.size();
        switch (operation(random)) {
            case 0:
                bytes[at] = static_cast<char>(random() & 0xFF);
                break;
            case 1:
                bytes[at] = kSpecial[random() % kSpecial.size()];
                break;
            case 2:
                bytes.erase(at, random() % 40);
                break;
            case 3:
                bytes.insert(at, bytes.substr(at, random() % 60));
                break;
            default:
                bytes.resize(at);
                break;
        }
    }
    return bytes;
}

TEST(DamagedJobTest, RandomDamageNeverBreaksThePreview) {
    const std::vector<std::string> jobs = {
        rotulano::test::readBytes(rotulano::test::samplePath("LOGOVRDL.GRF")) +
            rotulano::test::readBytes(rotulano::test::dataPath("zpl/zpl01_tag_example.zpl")),
        rotulano::test::readBytes(rotulano::test::dataPath("zpl/zplA_internal_quantity7.zpl")),
        rotulano::test::readBytes(rotulano::test::dataPath("zpl/zpl09_pack.zpl")),
        printFile({"\x02qC", "\x01D", "\x02ICBLOGOVRDL"}) +
            rotulano::test::readBytes(rotulano::test::samplePath("LOGOVRDL.BMP")) +
            rotulano::test::readBytes(rotulano::test::dataPath("dpl/dpl01_tag_example.dpl")),
        rotulano::test::readBytes(rotulano::test::dataPath("dpl/dplA_internal_quantity7.dpl")),
    };
    std::mt19937 random(20240611);
    for (int round = 0; round < 40; ++round) {
        for (const std::string& job : jobs) {
            ASSERT_FALSE(job.empty());
            expectSaneLabels(damaged(job, random));
        }
    }
}

TEST(TruncatedJobTest, FieldCutShortStillShowsWhatArrived) {
    const auto labels = parseJob("^XA^FO10,10^ADN,18,10^FDABC");
    ASSERT_EQ(labels.size(), 1U);
    EXPECT_FALSE(labels[0].complete);
    ASSERT_EQ(labels[0].elements.size(), 1U);
    EXPECT_EQ(labels[0].elements[0].text, QStringLiteral("ABC"));
}

TEST(TruncatedJobTest, HugeSizesAreCapped) {
    const auto box = parseJob("^XA^FO0,0^GB99999,99999,99999^FS^XZ");
    ASSERT_EQ(box.size(), 1U);
    EXPECT_EQ(box[0].size, QSize(kMaxLabelDots, kMaxLabelDots));
    const auto text = parseJob("^XA^FO10,10^A0N,99999,99999^FDX^FS^XZ");
    ASSERT_EQ(text.size(), 1U);
    EXPECT_EQ(text[0].elements.at(0).box.height(), 1600);
    const auto copies = parseJob("^XA^FO0,0^GB5,5,5^FS^PQ123456789012^XZ");
    EXPECT_EQ(copies.at(0).copies, 99999999);
}

TEST(TruncatedJobTest, DplRecordCutShortIsNamed) {
    const auto labels = parseJob("\x02L\r\n1X1100000\r\nE\r\n");
    ASSERT_EQ(labels.size(), 1U);
    EXPECT_EQ(labels[0].warnings,
              QStringList(QStringLiteral("Registro DPL inválido ignorado: \"1X1100000\"")));
}

}  // namespace
}  // namespace rotulano::preview::test
