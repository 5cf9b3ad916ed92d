#include "wave_file.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void Put16(Bytes& b, std::uint16_t v)
{
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutTag(Bytes& b, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(tag[i]));
}

Bytes Chunk(const char* tag, const Bytes& body, std::uint32_t declaredSize)
{
    Bytes b;
    PutTag(b, tag);
    Put32(b, declaredSize);
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

Bytes Chunk(const char* tag, const Bytes& body)
{
    Bytes b = Chunk(tag, body, static_cast<std::uint32_t>(body.size()));
    if (body.size() % 2)
        b.push_back(0);
    return b;
}

Bytes Format(std::uint16_t format, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits)
{
    Bytes b;
    Put16(b, format);
    Put16(b, channels);
    Put32(b, rate);
    Put32(b, rate * channels * bits / 8);
    Put16(b, static_cast<std::uint16_t>(channels * bits / 8));
    Put16(b, bits);
    return b;
}

Bytes Riff(const std::vector<Bytes>& chunks)
{
    Bytes body;
    PutTag(body, "WAVE");
    for (const Bytes& c : chunks)
        body.insert(body.end(), c.begin(), c.end());
    Bytes b;
    PutTag(b, "RIFF");
    Put32(b, static_cast<std::uint32_t>(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

const Bytes kSixBytes{1, 2, 3, 4, 5, 6};

} // namespace

TEST(WaveFile, ReadsTheFormatAndSamplesOfPcmWaves)
{
    struct Row {
        std::uint16_t channels, bits;
        std::size_t frames;
    };
    for (const Row row : {Row{1, 16, 3}, Row{2, 16, 1}, Row{1, 8, 6}, Row{2, 8, 3}}) {
        const auto wave = ParseWave(
            Riff({Chunk("fmt ", Format(1, row.channels, 22050, row.bits)), Chunk("data", kSixBytes)}));
        ASSERT_TRUE(wave) << row.channels << " channels, " << row.bits << " bits";
        EXPECT_EQ(wave->channels, row.channels);
        EXPECT_EQ(wave->bitsPerSample, row.bits);
        EXPECT_EQ(wave->sampleRate, 22050);
        EXPECT_EQ(wave->FrameCount(), row.frames);
        EXPECT_EQ(wave->samples,
                  Bytes(kSixBytes.begin(), kSixBytes.begin() + row.frames * row.channels * row.bits / 8));
    }
}

// Chunks of odd length carry a pad byte; a parser that forgets it reads the next chunk misaligned.
TEST(WaveFile, SkipsUnknownChunksIncludingTheirPadByte)
{
    const auto wave = ParseWave(Riff({Chunk("LIST", Bytes{'a', 'b', 'c'}),
                                      Chunk("fmt ", Format(1, 1, 8000, 16)), Chunk("data", kSixBytes)}));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->samples, kSixBytes);
}

TEST(WaveFile, PlaysOnlyTheWholeFramesReallyPresent)
{
    // A data size larger than the file, as streaming writers leave it, and a half frame at the end.
    const auto wave =
        ParseWave(Riff({Chunk("fmt ", Format(1, 2, 8000, 16)), Chunk("data", kSixBytes, 1000)}));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->FrameCount(), 1u);
    EXPECT_EQ(wave->samples, (Bytes{1, 2, 3, 4}));
}

TEST(WaveFile, RefusesWhatTheDeviceCannotPlayOrWhatIsBroken)
{
    const Bytes fmt = Chunk("fmt ", Format(1, 1, 8000, 16));
    const Bytes data = Chunk("data", kSixBytes);
    Bytes notRiff = Riff({fmt, data});
    notRiff[0] = 'X';
    Bytes cutInFormat = Riff({fmt});
    cutInFormat.resize(cutInFormat.size() - 4);
    const struct {
        const char* what;
        Bytes bytes;
    } rows[] = {
        {"empty", {}},
        {"not a RIFF file", notRiff},
        {"no data chunk", Riff({fmt})},
        {"data before format", Riff({data, fmt})},
        {"compressed samples", Riff({Chunk("fmt ", Format(2, 1, 8000, 4)), data})},
        {"float samples", Riff({Chunk("fmt ", Format(3, 1, 8000, 32)), data})},
        {"six channels", Riff({Chunk("fmt ", Format(1, 6, 8000, 16)), data})},
        {"no channels", Riff({Chunk("fmt ", Format(1, 0, 8000, 16)), data})},
        {"rate zero", Riff({Chunk("fmt ", Format(1, 1, 0, 16)), data})},
        {"format chunk too short", Riff({Chunk("fmt ", Bytes(10, 1)), data})},
        {"format chunk cut off", cutInFormat},
        {"unknown chunk larger than the file", Riff({fmt, Chunk("LIST", Bytes{1}, 0x7fffffff), data})},
        {"chunk size near the top of the range", Riff({fmt, Chunk("LIST", Bytes{1}, 0xffffffff), data})},
    };
    for (const auto& row : rows)
        EXPECT_FALSE(ParseWave(row.bytes)) << row.what;
}

TEST(WaveFile, AFileThatCannotBeReadGivesNoWave)
{
    EXPECT_FALSE(ReadWaveFile("/nonexistent/Click.wav"));
}
