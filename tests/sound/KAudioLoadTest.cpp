// Loading: WAVE files of each kind reach the output with the right samples,
// Ogg Vorbis decodes whole, and bad files give false without harm.

#include <random>

#include "SoundFixtures.h"

using namespace soundtest;

namespace {

class KAudioLoad : public PullMode {
protected:
  bool loadFile(KAudio &a, const std::string &name, const std::vector<uint8_t> &bytes) {
    std::string path = writeFile(name, bytes);
    bool ok = a.loadSample(path.c_str(), 100, false, 1);
    remove(path.c_str());
    return ok;
  }
};

TEST_F(KAudioLoad, SixteenBitStereoReachesTheOutputSampleForSample) {
  WaveSpec spec;
  spec.channels = 2;
  std::vector<int16_t> frames = {1000, -1000, 32767, -32768, 0x1234, -0x1234};
  auto a = load(makeWave(spec, pcm16(frames)));
  a->playSample();
  Pcm p = render(4);
  for (int f = 0; f < 3; f++) {
    EXPECT_EQ(atLevel(frames[2 * f], 255), p.left(f)) << "frame " << f;
    EXPECT_EQ(atLevel(frames[2 * f + 1], 255), p.right(f)) << "frame " << f;
  }
  EXPECT_EQ(0, p.left(3));
}

TEST_F(KAudioLoad, EightBitMonoIsHandedOverUnchanged) {
  WaveSpec spec;
  spec.bits = 8;
  std::vector<uint8_t> data = {128, 255, 0, 200, 129};
  auto a = load(makeWave(spec, data));
  a->playSample();
  Pcm p = render(6);
  for (int f = 0; f < 5; f++) {
    EXPECT_EQ(atLevel((data[f] - 128) * 256, 255), p.left(f)) << "frame " << f;
    EXPECT_EQ(p.left(f), p.right(f));
  }
}

TEST_F(KAudioLoad, DataRunningPastTheFileOrOddInLengthPlaysWhatIsThere) {
  WaveSpec spec;
  spec.declaredLength = 1000000;
  std::vector<uint8_t> data = dc16(100, 4000);
  data.push_back(0x7F); // a lone last byte: no whole sample
  auto a = load(makeWave(spec, data));
  a->playSample();
  EXPECT_EQ(100, render(1000).soundingFrames());
}

TEST_F(KAudioLoad, OnlyAPathHoldingLowerCaseDotOggIsReadAsOggVorbis) {
  std::vector<uint8_t> ogg = readFile(dataFile("wall.ogg"));
  std::vector<uint8_t> wave = makeWave(WaveSpec(), dc16(100, 1000));
  ASSERT_FALSE(ogg.empty());
  struct Case {
    const char *name;
    const std::vector<uint8_t> *bytes;
    bool loads;
  } cases[] = {
      {"a.ogg", &ogg, true},      {"a.OGG", &ogg, false}, {"a.OGG", &wave, true},
      {"a.ogg.bak", &ogg, true},  {"a.ogg", &wave, false}, {"a.wav", &wave, true},
  };
  for (const Case &c : cases) {
    KAudio a;
    EXPECT_EQ(c.loads, loadFile(a, c.name, *c.bytes)) << c.name;
  }
}

TEST_F(KAudioLoad, OggVorbisDecodesWholeAndPlaysForItsLength) {
  KAudio a;
  std::string path = dataFile("break.ogg");
  ASSERT_TRUE(a.loadSample(path.c_str(), 100, false, 2));
  a.playSample();
  Pcm p = render(44100);
  EXPECT_FALSE(a.isPlaying());
  // break.ogg lasts 0.16 s (7056 frames) and is not silent.
  int last = 0, peak = 0;
  for (int f = 0; f < p.frames(); f++) {
    if (p.left(f) != 0) last = f;
    peak = std::max(peak, std::abs(p.left(f)));
  }
  EXPECT_NEAR(7056, last, 100);
  EXPECT_GT(peak, 4000);
}

TEST_F(KAudioLoad, BadFilesGiveFalseAndLeaveNothingToPlay) {
  std::vector<uint8_t> good = makeWave(WaveSpec(), dc16(100, 1000));
  auto withField = [&](size_t offset, uint16_t value) {
    std::vector<uint8_t> b = good;
    b[offset] = value & 0xFF;
    b[offset + 1] = value >> 8;
    return b;
  };
  auto withRate = [&](uint32_t rate) {
    std::vector<uint8_t> b = good;
    for (int i = 0; i < 4; i++) b[24 + i] = (rate >> (8 * i)) & 0xFF;
    return b;
  };
  std::vector<uint8_t> noFmt = good;
  noFmt[12] = 'x';
  std::vector<uint8_t> noData = good;
  noData[36] = 'x';
  std::vector<uint8_t> zeroLength = makeWave(WaveSpec(), {});
  std::vector<uint8_t> tagAtEnd(good.begin(), good.begin() + 36);
  tagAtEnd.insert(tagAtEnd.end(), {'d', 'a', 't', 'a', 0x10});
  std::vector<uint8_t> random(4096);
  std::mt19937 gen(5);
  for (auto &b : random) b = (uint8_t)gen();
  std::vector<uint8_t> ogg = readFile(dataFile("break.ogg"));
  std::vector<uint8_t> brokenOgg(ogg.begin(), ogg.begin() + 200);
  std::vector<uint8_t> scrambledOgg = ogg;
  for (size_t i = 60; i < scrambledOgg.size(); i++) scrambledOgg[i] ^= 0x5A;

  struct Case {
    const char *what;
    const char *name;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"empty", "e.wav", {}},
      {"truncated in the format record", "t.wav", std::vector<uint8_t>(good.begin(), good.begin() + 30)},
      {"\"data\" header past the end", "d.wav", tagAtEnd},
      {"no \"fmt \"", "f.wav", noFmt},
      {"no \"data\"", "n.wav", noData},
      {"data length 0", "z.wav", zeroLength},
      {"zero channels", "c.wav", withField(22, 0)},
      {"three channels", "c3.wav", withField(22, 3)},
      {"24-bit", "b.wav", withField(34, 24)},
      {"rate 0", "r.wav", withRate(0)},
      {"negative rate", "r2.wav", withRate(0x80000000u)},
      {"random bytes", "x.wav", random},
      {"random bytes as Ogg", "x.ogg", random},
      {"Ogg cut after its first header", "h.ogg", brokenOgg},
      {"Ogg with scrambled pages", "s.ogg", scrambledOgg},
  };
  for (const Case &c : cases) {
    KAudio a;
    EXPECT_FALSE(loadFile(a, c.name, c.bytes)) << c.what;
    a.playSample();
    EXPECT_FALSE(a.isPlaying()) << c.what;
  }
  KAudio a;
  EXPECT_FALSE(a.loadSample(tempPath("missing.wav").c_str(), 100, false, 1));
  EXPECT_FALSE(a.loadSample(testing::TempDir().c_str(), 100, false, 1)) << "a folder";
  EXPECT_FALSE(a.loadSample(nullptr, 100, false, 1));
  EXPECT_EQ(0, render(1000).soundingFrames());
}

TEST_F(KAudioLoad, AFailedLoadAfterAGoodOneSilencesTheOldSound) {
  auto a = load(makeWave(WaveSpec(), dc16(5000, 1000)), 100, true);
  a->playSample();
  render(10);
  std::string path = writeFile("bad.wav", {'R', 'I', 'F', 'F'});
  EXPECT_FALSE(a->loadSample(path.c_str(), 100, false, 1));
  EXPECT_FALSE(a->isPlaying());
  a->playSample();
  EXPECT_EQ(0, render(100).soundingFrames());
}

} // namespace
