// The game's sound files are exactly what the generator makes, and each
// one decodes to a sound of the intended length and loudness.

#include <vorbis/vorbisfile.h>

#include "SoundFixtures.h"
#include "SoundGen.h"

using namespace soundtest;

namespace {

TEST(SoundData, CommittedFilesEqualTheGeneratorsOutput) {
  ASSERT_EQ(4u, soundgen::effects().size());
  for (size_t i = 0; i < soundgen::effects().size(); i++) {
    const char *name = soundgen::effects()[i].fileName;
    std::vector<uint8_t> made = soundgen::makeEffect(i);
    ASSERT_FALSE(made.empty()) << name;
    EXPECT_TRUE(made == readFile(dataFile(name))) << name << " differs: run quarvel_soundgen";
    EXPECT_TRUE(made == soundgen::makeEffect(i)) << name << " is not reproducible";
  }
}

TEST(SoundData, EffectsHaveTheirLengthsAndAreNeitherSilentNorClipped) {
  struct Case {
    const char *name;
    double minSeconds, maxSeconds;
  } cases[] = {
      {"break.ogg", 0.05, 0.3}, {"wall.ogg", 0.03, 0.2}, {"down.ogg", 0.2, 0.8}, {"gameover.ogg", 1.0, 2.0},
  };
  for (const Case &c : cases) {
    OggVorbis_File vf;
    ASSERT_EQ(0, ov_fopen(dataFile(c.name).c_str(), &vf)) << c.name;
    EXPECT_EQ(1, ov_info(&vf, -1)->channels);
    EXPECT_EQ(44100, ov_info(&vf, -1)->rate);
    double seconds = ov_time_total(&vf, -1);
    EXPECT_GE(seconds, c.minSeconds) << c.name;
    EXPECT_LE(seconds, c.maxSeconds) << c.name;
    ov_clear(&vf);
  }
  for (const soundgen::Effect &e : soundgen::effects()) {
    float peak = 0;
    for (float s : e.synth()) peak = std::max(peak, std::abs(s));
    EXPECT_GT(peak, 0.3f) << e.fileName;
    EXPECT_LT(peak, 0.95f) << e.fileName;
  }
}

} // namespace
