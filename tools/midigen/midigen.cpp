// Composes the game's twenty background tunes as General MIDI files
// (format 0). Each tune takes its key, mode, tempo, instruments, chord
// progression and melody from its own number, so that the set is varied but
// every run writes the same files.
//
//   midigen data      writes data/midi0.mid .. data/midi19.mid
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kTicksPerBeat = 480;

struct Note {
  int tick, length, channel, pitch, velocity;
};

struct Style {
  int root;          // MIDI note of the key's tonic in the bass octave
  bool minor;
  int tempo;         // beats per minute
  int lead, pad, bass;  // General MIDI programs
  bool drums;
  int progression;
  int groove;        // accompaniment pattern
};

// Scale steps of the two modes, in semitones from the tonic.
const int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
const int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};

// Four-chord progressions as scale degrees (0 = tonic).
const int kProgressions[][4] = {{0, 5, 3, 4}, {0, 3, 4, 0}, {0, 4, 5, 3}, {5, 3, 0, 4},
                                {0, 2, 3, 4}, {0, 6, 5, 4}, {0, 3, 0, 4}, {1, 4, 0, 5}};

const int kLeads[] = {73, 71, 80, 11, 12, 13, 65, 68, 56, 24, 0, 8, 81, 74, 22, 40};
const int kPads[] = {48, 49, 88, 89, 91, 4, 5, 19, 50, 52, 95};
const int kBasses[] = {32, 33, 34, 35, 38, 39, 43, 42};

int Degree(const Style& s, int degree) {
  const int* scale = s.minor ? kMinor : kMajor;
  const int octave = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
  const int step = degree - octave * 7;
  return s.root + 12 * octave + scale[step];
}

class Composer {
 public:
  Composer(int tune) : rng_(1000 + tune * 7919) {
    const int roots[] = {36, 43, 38, 45, 41, 46, 40, 39, 37, 42};
    style_.root = roots[tune % 10];
    style_.minor = (tune % 3) == 1 || tune % 7 == 5;
    style_.tempo = 84 + static_cast<int>(Pick(0, 66));
    style_.lead = kLeads[Pick(0, std::size(kLeads) - 1)];
    style_.pad = kPads[Pick(0, std::size(kPads) - 1)];
    style_.bass = kBasses[Pick(0, std::size(kBasses) - 1)];
    style_.drums = tune % 4 != 3;
    style_.progression = static_cast<int>(Pick(0, std::size(kProgressions) - 1));
    style_.groove = static_cast<int>(Pick(0, 2));
  }

  std::vector<Note> Compose() {
    const std::vector<int> verse = Melody(8);
    const std::vector<int> chorus = Melody(8);
    const std::vector<int> bridge = Melody(8);
    // Aim for one and a half to two and a half minutes.
    const double barSeconds = 4 * 60.0 / style_.tempo;
    const int targetBars = static_cast<int>((90 + Pick(0, 60)) / barSeconds);
    int bar = 0;
    Section(bar, 4, nullptr, 0, false);  // intro
    while (bar < targetBars - 12) {
      Section(bar, 8, &verse, 0, true);
      Section(bar, 8, &chorus, 3, true);
      if (bar < targetBars - 20) Section(bar, 8, &bridge, 5, true);
    }
    Section(bar, 4, &verse, 0, false);
    Ending(bar);
    return notes_;
  }

  const Style& style() const { return style_; }

 private:
  std::size_t Pick(std::size_t lo, std::size_t hi) { return std::uniform_int_distribution<std::size_t>(lo, hi)(rng_); }

  // One melody of `bars` bars as scale degrees per eighth note; -99 is a rest.
  std::vector<int> Melody(int bars) {
    static const char* kRhythms[] = {"x.x.xxx.", "x..xx.x.", "xx.x.xx.", "x.xx.x..", "x...x.xx", "xxxx.x.."};
    std::vector<int> m;
    int degree = static_cast<int>(Pick(0, 4));
    const char* motif = kRhythms[Pick(0, std::size(kRhythms) - 1)];
    for (int b = 0; b < bars; ++b) {
      const char* rhythm = (b % 2 == 0) ? motif : kRhythms[Pick(0, std::size(kRhythms) - 1)];
      const int chord = kProgressions[style_.progression][b % 4];
      for (int e = 0; e < 8; ++e) {
        if (rhythm[e] != 'x') {
          m.push_back(-99);
          continue;
        }
        if (e == 0) {
          // Strong beats land on a chord tone near the last note.
          const int tones[3] = {chord, chord + 2, chord + 4};
          int best = tones[0];
          for (int t : tones)
            for (int o = -7; o <= 7; o += 7)
              if (std::abs(t + o - degree) < std::abs(best - degree)) best = t + o;
          degree = best;
        } else {
          degree += static_cast<int>(Pick(0, 4)) - 2;
        }
        degree = std::clamp(degree, -2, 11);
        m.push_back(degree);
      }
    }
    // Phrases end on the tonic.
    m.back() = 7;
    return m;
  }

  void Add(int tick, int length, int channel, int pitch, int velocity) {
    notes_.push_back({tick, length, channel, std::clamp(pitch, 0, 127), std::clamp(velocity, 1, 127)});
  }

  void Section(int& bar, int bars, const std::vector<int>* melody, int shift, bool full) {
    const int eighth = kTicksPerBeat / 2;
    for (int b = 0; b < bars; ++b, ++bar) {
      const int start = bar * 4 * kTicksPerBeat;
      const int chord = kProgressions[style_.progression][(b + shift) % 4];
      // Chords on the pad, voiced in the middle octave.
      const int voicing[3] = {chord, chord + 2, chord + 4};
      if (style_.groove == 0 || !full) {
        for (int v : voicing) Add(start, 4 * kTicksPerBeat - 20, 1, Degree(style_, v) + 24, 52);
      } else {
        for (int e = 0; e < 8; ++e) Add(start + e * eighth, eighth - 10, 1, Degree(style_, voicing[e % 3] + (e / 3) * 7) + 24, 48 + (e % 2) * 8);
      }
      // Bass: root and fifth.
      const int root = Degree(style_, chord);
      if (style_.groove == 2) {
        for (int q = 0; q < 4; ++q) Add(start + q * kTicksPerBeat, kTicksPerBeat - 30, 2, q % 2 ? root + 7 : root, 90);
      } else {
        Add(start, 2 * kTicksPerBeat - 30, 2, root, 92);
        Add(start + 2 * kTicksPerBeat, 2 * kTicksPerBeat - 30, 2, root + 7, 84);
      }
      if (melody) {
        for (int e = 0; e < 8; ++e) {
          const int d = (*melody)[(b * 8 + e) % melody->size()];
          if (d == -99) continue;
          int len = eighth;
          while (e + len / eighth < 8 && (*melody)[(b * 8 + e + len / eighth) % melody->size()] == -99 && len < 3 * eighth)
            len += eighth;
          Add(start + e * eighth, len - 15, 0, Degree(style_, d + shift % 2) + 36, e == 0 ? 100 : 84);
        }
      }
      if (style_.drums && full) Drums(start);
    }
  }

  void Drums(int start) {
    const int eighth = kTicksPerBeat / 2;
    for (int e = 0; e < 8; ++e) {
      Add(start + e * eighth, 60, 9, 42, e % 2 ? 50 : 70);  // closed hi-hat
      if (e == 0 || e == 5 || (style_.groove == 2 && e == 4)) Add(start + e * eighth, 80, 9, 36, 100);  // kick
      if (e == 2 || e == 6) Add(start + e * eighth, 80, 9, 38, 88);  // snare
    }
  }

  void Ending(int& bar) {
    const int start = bar * 4 * kTicksPerBeat;
    for (int v : {0, 2, 4, 7}) Add(start, 4 * kTicksPerBeat, 1, Degree(style_, v) + 24, 60);
    Add(start, 4 * kTicksPerBeat, 2, Degree(style_, 0), 90);
    Add(start, 4 * kTicksPerBeat, 0, Degree(style_, 7) + 36, 90);
    if (style_.drums) Add(start, 200, 9, 49, 90);  // crash
    bar += 1;
  }

  std::mt19937 rng_;
  Style style_{};
  std::vector<Note> notes_;
};

void PutVar(std::vector<unsigned char>& out, std::uint32_t v) {
  unsigned char bytes[5];
  int n = 0;
  do {
    bytes[n++] = v & 0x7F;
    v >>= 7;
  } while (v);
  while (n--) out.push_back(static_cast<unsigned char>(bytes[n] | (n ? 0x80 : 0)));
}

bool WriteMidi(const std::string& path, const Style& style, std::vector<Note> notes) {
  struct Event {
    int tick, order;
    std::vector<unsigned char> bytes;
  };
  std::vector<Event> events;
  const std::uint32_t usPerBeat = 60000000u / static_cast<std::uint32_t>(style.tempo);
  events.push_back({0, 0, {0xFF, 0x51, 3, static_cast<unsigned char>(usPerBeat >> 16), static_cast<unsigned char>(usPerBeat >> 8), static_cast<unsigned char>(usPerBeat)}});
  const int programs[3] = {style.lead, style.pad, style.bass};
  for (int ch = 0; ch < 3; ++ch) {
    events.push_back({0, 1, {static_cast<unsigned char>(0xC0 | ch), static_cast<unsigned char>(programs[ch])}});
    events.push_back({0, 1, {static_cast<unsigned char>(0xB0 | ch), 7, static_cast<unsigned char>(ch == 0 ? 100 : 80)}});
  }
  for (const Note& n : notes) {
    events.push_back({n.tick, 3, {static_cast<unsigned char>(0x90 | n.channel), static_cast<unsigned char>(n.pitch), static_cast<unsigned char>(n.velocity)}});
    events.push_back({n.tick + n.length, 2, {static_cast<unsigned char>(0x80 | n.channel), static_cast<unsigned char>(n.pitch), 0}});
  }
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::vector<unsigned char> track;
  int last = 0;
  for (const Event& e : events) {
    PutVar(track, static_cast<std::uint32_t>(e.tick - last));
    last = e.tick;
    track.insert(track.end(), e.bytes.begin(), e.bytes.end());
  }
  PutVar(track, kTicksPerBeat);
  track.insert(track.end(), {0xFF, 0x2F, 0x00});

  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const unsigned char header[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, kTicksPerBeat >> 8, kTicksPerBeat & 0xFF};
  std::fwrite(header, 1, sizeof header, f);
  const std::uint32_t n = static_cast<std::uint32_t>(track.size());
  const unsigned char chunk[] = {'M', 'T', 'r', 'k', static_cast<unsigned char>(n >> 24), static_cast<unsigned char>(n >> 16),
                                 static_cast<unsigned char>(n >> 8), static_cast<unsigned char>(n)};
  std::fwrite(chunk, 1, sizeof chunk, f);
  std::fwrite(track.data(), 1, track.size(), f);
  return std::fclose(f) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: midigen <folder>\n");
    return 2;
  }
  for (int tune = 0; tune < 20; ++tune) {
    Composer c(tune);
    const std::vector<Note> notes = c.Compose();
    const std::string path = std::string(argv[1]) + "/midi" + std::to_string(tune) + ".mid";
    if (!WriteMidi(path, c.style(), notes)) {
      std::fprintf(stderr, "midigen: cannot write %s\n", path.c_str());
      return 1;
    }
    int lastTick = 0;
    for (const Note& n : notes) lastTick = std::max(lastTick, n.tick + n.length);
    std::printf("midi%d.mid: %d bpm, %s, %.0f s\n", tune, c.style().tempo, c.style().minor ? "minor" : "major",
                lastTick / double(kTicksPerBeat) * 60.0 / c.style().tempo);
  }
  return 0;
}
