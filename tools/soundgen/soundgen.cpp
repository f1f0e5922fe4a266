// Synthesizes the game's six sound effects as 16-bit mono PCM RIFF/WAVE
// files: exit item, wall, teleport and floor change, door and gate, key, box
// push. Run it with the folder to write to; the files are the source the form
// embeds, this program is how they were made.
//
//   soundgen game/forms/sounds
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<double>;

Samples Render(double seconds, const std::function<double(double t)>& voice) {
  Samples s(static_cast<std::size_t>(seconds * kRate));
  for (std::size_t i = 0; i < s.size(); ++i) s[i] = voice(static_cast<double>(i) / kRate);
  return s;
}

// Attack and release ramps keep every sound free of clicks.
double Envelope(double t, double length, double attack, double decay) {
  const double a = std::min(1.0, t / attack);
  const double r = std::min(1.0, std::max(0.0, (length - t) / 0.01));
  return a * r * std::exp(-t * decay);
}

double Bell(double t, double f) {
  return std::sin(2 * kPi * f * t) + 0.3 * std::sin(2 * kPi * f * 2.76 * t) * std::exp(-t * 8) +
         0.15 * std::sin(2 * kPi * f * 5.4 * t) * std::exp(-t * 14);
}

Samples ExitItem() {
  // A rising major arpeggio, each note a small bell.
  const double notes[] = {1046.5, 1318.5, 1568.0, 2093.0};
  const double length = 0.5;
  return Render(length, [&](double t) {
    double v = 0;
    for (int k = 0; k < 4; ++k) {
      const double start = k * 0.07;
      if (t >= start) v += 0.3 * Bell(t - start, notes[k]) * Envelope(t - start, length - start, 0.004, 7);
    }
    return v;
  });
}

Samples Wall() {
  // A short dull knock: a falling low tone with a little noise.
  std::mt19937 noise(7);
  std::uniform_real_distribution<double> n(-1, 1);
  const double length = 0.14;
  double phase = 0;
  return Render(length, [&](double t) {
    const double f = 140 * std::exp(-t * 12) + 55;
    phase += 2 * kPi * f / kRate;
    return (0.8 * std::sin(phase) + 0.25 * n(noise) * std::exp(-t * 60)) * Envelope(t, length, 0.002, 22);
  });
}

Samples Teleport() {
  // A shimmering upward sweep.
  const double length = 0.45;
  double phase = 0;
  return Render(length, [&](double t) {
    const double f = 280 * std::pow(6.0, t / length) * (1 + 0.03 * std::sin(2 * kPi * 18 * t));
    phase += 2 * kPi * f / kRate;
    const double tone = std::sin(phase) + 0.4 * std::sin(2 * phase + 0.5) + 0.2 * std::sin(3 * phase);
    return 0.45 * tone * Envelope(t, length, 0.03, 2.5);
  });
}

Samples DoorOrGate() {
  // Two mechanical clunks, the second lower: a latch and a swing.
  std::mt19937 noise(11);
  std::uniform_real_distribution<double> n(-1, 1);
  const double length = 0.32;
  return Render(length, [&](double t) {
    double v = 0;
    const double hits[] = {0.0, 0.12};
    const double freq[] = {220, 150};
    for (int k = 0; k < 2; ++k) {
      const double u = t - hits[k];
      if (u < 0) continue;
      const double square = std::sin(2 * kPi * freq[k] * u) > 0 ? 1 : -1;
      v += (0.35 * square + 0.3 * n(noise)) * std::exp(-u * 35);
    }
    return 0.8 * v * Envelope(t, length, 0.001, 0);
  });
}

Samples Key() {
  // A bright jingle: two quick high bells a fifth apart.
  const double length = 0.4;
  return Render(length, [&](double t) {
    double v = 0.35 * Bell(t, 1760) * Envelope(t, length, 0.002, 9);
    if (t > 0.08) v += 0.3 * Bell(t - 0.08, 2637) * Envelope(t - 0.08, length - 0.08, 0.002, 10);
    return v;
  });
}

Samples BoxPush() {
  // A scrape: low-passed noise over a rumble, rising and falling once.
  std::mt19937 noise(3);
  std::uniform_real_distribution<double> n(-1, 1);
  const double length = 0.22;
  double low = 0;
  return Render(length, [&](double t) {
    low += 0.12 * (n(noise) - low);
    const double rumble = std::sin(2 * kPi * 70 * t) * 0.4;
    const double swell = std::sin(kPi * t / length);
    return (1.6 * low + rumble) * swell * 0.7;
  });
}

void Put16(std::FILE* f, std::uint16_t v) {
  const unsigned char b[2] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)};
  std::fwrite(b, 1, 2, f);
}
void Put32(std::FILE* f, std::uint32_t v) {
  Put16(f, static_cast<std::uint16_t>(v));
  Put16(f, static_cast<std::uint16_t>(v >> 16));
}

bool WriteWave(const std::string& path, const Samples& s) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const std::uint32_t data = static_cast<std::uint32_t>(s.size() * 2);
  std::fwrite("RIFF", 1, 4, f);
  Put32(f, 36 + data);
  std::fwrite("WAVEfmt ", 1, 8, f);
  Put32(f, 16);
  Put16(f, 1);  // PCM
  Put16(f, 1);  // mono
  Put32(f, kRate);
  Put32(f, kRate * 2);
  Put16(f, 2);
  Put16(f, 16);
  std::fwrite("data", 1, 4, f);
  Put32(f, data);
  double peak = 1e-9;
  for (double v : s) peak = std::max(peak, std::fabs(v));
  const double gain = 0.85 / peak;  // every effect at the same loudness
  for (double v : s) Put16(f, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v * gain * 32767))));
  return std::fclose(f) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: soundgen <folder>\n");
    return 2;
  }
  const std::string dir = argv[1];
  const struct {
    const char* name;
    Samples (*make)();
  } sounds[] = {{"exit.wav", ExitItem}, {"wall.wav", Wall}, {"teleport.wav", Teleport},
                {"door.wav", DoorOrGate}, {"key.wav", Key}, {"push.wav", BoxPush}};
  for (const auto& s : sounds) {
    if (!WriteWave(dir + "/" + s.name, s.make())) {
      std::fprintf(stderr, "soundgen: cannot write %s/%s\n", dir.c_str(), s.name);
      return 1;
    }
  }
  return 0;
}
