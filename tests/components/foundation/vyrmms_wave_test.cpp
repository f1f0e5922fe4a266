// The wave data: the header check, loading and its refusals, copying, the
// "Data" property of forms and the stream helpers.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "form_text.h"
#include "formres.h"
#include "foundation2_fixture.h"
#include "vyrutils.h"
#include "wave_fixture.h"

namespace {

using namespace WaveFixture;
using Vyrmms::TVyrChannelMode;
using Vyrmms::TVyrWave;
using Vyrmms::TVyrWaveComp;
using Vyrmms::TVyrWaveFormat;
using Vyrmms::TVyrWaveInfo;

struct ChangeCounter {
  int Count = 0;
  void Hit(TObject*) { ++Count; }
  TNotifyEvent Event() { return TNotifyEvent(this, &ChangeCounter::Hit); }
};

enum class Outcome { Passes, Fails, CutShort };

struct HeaderCase {
  const char* Name;
  Bytes Image;
  Int64 Start;
  Outcome Expected;
  TVyrWaveFormat Format;
};

TEST(WaveHeaderCheck, ATableOfImages) {
  const Bytes pcm = Pcm22k();
  ASSERT_EQ(pcm.size(), 44u);
  Bytes listFirst = WaveBuilder::Riff({WaveBuilder::Chunk("LIST", Bytes(4, 'x')), WaveBuilder::FmtChunk(Mono22k())});
  Bytes adpcm = WaveBuilder::Riff({WaveBuilder::FmtChunk(Mono22k(2)), WaveBuilder::Chunk("data", {})});
  Bytes notRiff = pcm;
  notRiff[0] = 'X';
  const HeaderCase cases[] = {
      {"PCM from its start", pcm, 0, Outcome::Passes, TVyrWaveFormat::wfPCM},
      {"PCM after ten other bytes", Cat(Bytes(10, 0xEE), pcm), 10, Outcome::Passes, TVyrWaveFormat::wfPCM},
      {"format tag 2", adpcm, 0, Outcome::Passes, TVyrWaveFormat::wfUnknown},
      {"LIST before fmt", listFirst, 0, Outcome::Fails, {}},
      {"no RIFF", notRiff, 0, Outcome::Fails, {}},
      {"no WAVE", Cat(Bytes{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'A', 'V', 'I', ' '}, Bytes(32, 0)), 0, Outcome::Fails, {}},
      {"empty stream", {}, 0, Outcome::Fails, {}},
      {"cut in the format fields", Bytes(pcm.begin(), pcm.begin() + 30), 0, Outcome::CutShort, {}},
      {"cut after RIFF", Bytes(pcm.begin(), pcm.begin() + 6), 0, Outcome::CutShort, {}},
  };
  for (const HeaderCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TMemoryStream stream;
    Fill(stream, c.Image);
    stream.SetPosition(c.Start);
    TVyrWaveInfo info;
    if (c.Expected == Outcome::CutShort) {
      try {
        Vyrmms::VyrGetWaveStreamInfo(&stream, info);
        ADD_FAILURE() << "no error";
      } catch (const Vyrmms::EErrorCheckingWave& e) {
        EXPECT_EQ(e.Message, AnsiString("GetWaveData: Datei %s kann nicht geöffnet werden"));
      }
    } else {
      EXPECT_EQ(Vyrmms::VyrGetWaveStreamInfo(&stream, info), c.Expected == Outcome::Passes);
    }
    EXPECT_EQ(stream.GetPosition(), c.Start);
    if (c.Expected != Outcome::Passes) continue;
    EXPECT_EQ(info.Size, c.Image.size() - c.Start - 8);
    EXPECT_EQ(info.SampleRate, 22050u);
    EXPECT_EQ(info.ChannelMode, TVyrChannelMode::cmMono);
    EXPECT_EQ(info.Format, c.Format);
    EXPECT_EQ(info.Bits, 16);
  }
  TVyrWaveInfo info;
  EXPECT_FALSE(Vyrmms::VyrGetWaveStreamInfo(nullptr, info));
}

TEST(WaveHeaderCheck, FilesAreCheckedWhereTheyLie) {
  TestSupport::LibraryApp app(FoundationRows());
  const AnsiString path = AnsiString(app.program_folder() + "/a.wav");
  TVyrWaveInfo info;
  EXPECT_FALSE(Vyrmms::VyrGetWaveFileInfo(path, info));
  TVyrWave wave;
  Load(wave, Pcm22k(100));
  wave.SaveToFile(path);
  EXPECT_TRUE(Vyrmms::VyrGetWaveFileInfo(path, info));
  EXPECT_EQ(info.Size, 136u);

  TVyrWave fromFile(path);
  EXPECT_EQ(Image(fromFile), Pcm22k(100));
  TVyrWaveComp* comp = TObject::Create<TVyrWaveComp>(nullptr);
  comp->LoadFromFile(path);
  EXPECT_EQ(Image(*comp->GetWave()), Pcm22k(100));
  comp->Free();
  EXPECT_THROW(TVyrWave(AnsiString(app.program_folder() + "/missing.wav")), EFOpenError);
}

TEST(WaveLoading, AGoodImageIsHeldWithItsHeaderAndOneChange) {
  TVyrWave wave;
  EXPECT_TRUE(wave.GetEmpty());
  EXPECT_EQ(wave.GetImage(), nullptr);
  ChangeCounter changes;
  wave.SetOnChange(changes.Event());
  const Bytes image = Pcm22k(8);
  TMemoryStream stream;
  Fill(stream, Cat(Bytes(3, 0), image));
  stream.SetPosition(3);
  wave.LoadFromStream(&stream);
  EXPECT_EQ(changes.Count, 1);
  EXPECT_EQ(Image(wave), image);
  EXPECT_EQ(wave.GetImage()->GetPosition(), 0);
  EXPECT_FALSE(wave.GetEmpty());
  EXPECT_EQ(wave.GetSize(), 52);
  EXPECT_EQ(wave.GetSampleRate(), 22050u);
  EXPECT_EQ(wave.GetBits(), 16);
  EXPECT_EQ(wave.GetChannelMode(), TVyrChannelMode::cmMono);
  EXPECT_EQ(wave.GetFormat(), TVyrWaveFormat::wfPCM);

  // Nothing left to read holds an empty image, no longer the old one.
  wave.LoadFromStream(&stream);
  EXPECT_TRUE(wave.GetEmpty());
  ASSERT_NE(wave.GetImage(), nullptr);
  EXPECT_EQ(wave.GetSize(), 0);
  EXPECT_EQ(wave.GetSampleRate(), 0u);
  EXPECT_EQ(wave.GetBits(), 0);
}

TEST(WaveLoading, ARefusedImageLeavesTheWaveAsItWas) {
  TVyrWave wave;
  const Bytes held = Pcm22k(4);
  Load(wave, held);
  ChangeCounter changes;
  wave.SetOnChange(changes.Event());

  Bytes notRiff = Pcm22k(4);
  notRiff[1] = 'X';
  try {
    Load(wave, notRiff);
    ADD_FAILURE() << "no error";
  } catch (const Vyrmms::EInvalidWave& e) {
    EXPECT_EQ(e.Message, AnsiString("TVyrWave: Datei %s kann nicht geöffnet werden"));
  }
  EXPECT_THROW(Load(wave, Bytes(held.begin(), held.begin() + 30)), Vyrmms::EErrorCheckingWave);

  // A length before the bytes that is negative or runs past the stream.
  for (const Bytes& block : {Cat(Length32(0xFFFFFFF0u), held), Cat(Length32(49), held), Bytes{1, 0}}) {
    TMemoryStream stream;
    Fill(stream, block);
    EXPECT_THROW(wave.LoadFromStreamEx(&stream), EReadError);
  }
  EXPECT_EQ(Image(wave), held);
  EXPECT_EQ(changes.Count, 0);
}

TEST(WaveLoading, AssignCopiesEmptiesOrRefuses) {
  TVyrWave source, wave;
  Load(source, Pcm22k(6));
  ChangeCounter changes;
  wave.SetOnChange(changes.Event());
  wave.Assign(&source);
  EXPECT_EQ(Image(wave), Image(source));
  EXPECT_NE(wave.GetImage(), source.GetImage());
  EXPECT_EQ(wave.GetSampleRate(), 22050u);
  EXPECT_EQ(changes.Count, 1);

  TVyrWave never;
  wave.Assign(&never);
  EXPECT_EQ(wave.GetImage(), nullptr);
  Load(wave, Pcm22k());
  wave.Assign(nullptr);
  EXPECT_TRUE(wave.GetEmpty());
  EXPECT_EQ(wave.GetImage(), nullptr);
  Load(wave, Pcm22k());
  wave.FreeWave();
  EXPECT_EQ(wave.GetImage(), nullptr);

  TStringList other;
  EXPECT_THROW(wave.Assign(&other), EConvertError);

  // The component's wave is its own, copied into.
  TOwnedObject<TVyrWaveComp> comp(TObject::Create<TVyrWaveComp>(nullptr));
  TVyrWave* own = comp->GetWave();
  comp->SetWave(&source);
  EXPECT_EQ(comp->GetWave(), own);
  EXPECT_EQ(Image(*own), Image(source));
}

// ---- the "Data" property ----

class WaveData : public ApplicationObjectTest {
 protected:
  // The "Wave.Data" block the component writes into its binary form, if any.
  static std::optional<Bytes> DataBlock(TComponent* comp) {
    TMemoryStream binary;
    WriteComponentToStream(&binary, comp);
    const Bytes bytes = Contents(binary);
    const std::string all(bytes.begin(), bytes.end());
    const std::string key = std::string("\x09Wave.Data") + char(10);
    const std::size_t at = all.find(key);
    if (at == std::string::npos) return std::nullopt;
    const std::size_t start = at + key.size();
    std::uint32_t length = 0;
    for (int i = 0; i < 4; ++i) length |= static_cast<std::uint32_t>(bytes[start + i]) << (8 * i);
    return Bytes(bytes.begin() + start + 4, bytes.begin() + start + 4 + length);
  }

  TVyrWaveComp* comp = TObject::Create<TVyrWaveComp>(Application);
};

TEST_F(WaveData, IsTheLengthAndTheImageWheneverAnImageIsHeld) {
  EXPECT_EQ(DataBlock(comp), std::nullopt);  // never loaded
  Load(*comp->GetWave(), Pcm22k());
  EXPECT_EQ(DataBlock(comp), Cat(Bytes{0x2C, 0, 0, 0}, Pcm22k()));
  TMemoryStream nothing;
  comp->GetWave()->LoadFromStream(&nothing);
  EXPECT_EQ(DataBlock(comp), Bytes({0, 0, 0, 0}));
  comp->GetWave()->FreeWave();
  EXPECT_EQ(DataBlock(comp), std::nullopt);

  // A forced write of a wave without image writes an empty one.
  TMemoryStream forced;
  comp->GetWave()->WriteData(&forced);
  EXPECT_EQ(Contents(forced), Bytes({0, 0, 0, 0}));
}

TEST_F(WaveData, TextToBinaryToTextHoldsAndAnEmptyImageComesBackEmpty) {
  Load(*comp->GetWave(), Pcm22k(10, 0x5A));
  comp->SetName("VyrWaveComp1");
  const std::string text = TestSupport::WrittenFormText(comp);
  EXPECT_NE(text.find("Wave.Data = {"), std::string::npos) << text;

  TOwnedObject<TVyrWaveComp> again(TObject::Create<TVyrWaveComp>(nullptr));
  TestSupport::ReadFormText(text, again.get());
  EXPECT_EQ(Image(*again->GetWave()), Pcm22k(10, 0x5A));
  EXPECT_EQ(TestSupport::WrittenFormText(again.get()), text);

  TestSupport::ReadFormText("object W: TVyrWaveComp\n  Wave.Data = {00000000}\nend\n", again.get());
  ASSERT_NE(again->GetWave()->GetImage(), nullptr);
  EXPECT_TRUE(again->GetWave()->GetEmpty());
  EXPECT_EQ(DataBlock(again.get()), Bytes({0, 0, 0, 0}));
}

TEST_F(WaveData, ABlockWhoseLengthDisagreesIsRefusedAndChangesNothing) {
  Load(*comp->GetWave(), Pcm22k());
  for (const char* block : {"{05000000524946}", "{03000000524946}", "{FFFFFFFF}", "{0100}", "{}"}) {
    SCOPED_TRACE(block);
    EXPECT_THROW(TestSupport::ReadFormText(std::string("object W: TVyrWaveComp\n  Wave.Data = ") + block + "\nend\n", comp),
                 EReadError);
    EXPECT_EQ(Image(*comp->GetWave()), Pcm22k());
  }
}

// ---- the stream helpers ----

TEST(WaveStreams, PlainAndCompressedRoundTrip) {
  for (bool compressed : {false, true}) {
    SCOPED_TRACE(compressed ? "compressed" : "plain");
    TVyrWave wave, back;
    Load(wave, Pcm22k(3000, 0x11));
    TMemoryStream stream;
    Vyrutils::stWriteWave(&stream, &wave, compressed);
    if (!compressed) { EXPECT_EQ(Contents(stream), Cat(Length32(3044), Pcm22k(3000, 0x11))); }
    if (compressed) { EXPECT_LT(stream.GetSize(), 3044); }
    stream.WriteBuffer("tail", 4);
    stream.SetPosition(0);
    Vyrutils::stReadWave(&stream, &back, compressed);
    EXPECT_EQ(Image(back), Image(wave));
    EXPECT_EQ(stream.GetPosition(), stream.GetSize() - 4);  // no further than its own bytes

    TVyrWave empty, emptyBack;
    TMemoryStream none;
    Vyrutils::stWriteWave(&none, &empty, compressed);
    none.SetPosition(0);
    Load(emptyBack, Pcm22k());
    Vyrutils::stReadWave(&none, &emptyBack, compressed);
    EXPECT_TRUE(emptyBack.GetEmpty());
  }
}

}  // namespace
