// fuzz-libs: morvant_game morvant_backend_headless
// A hostile form for every control of the component library: the input
// picks a registered class, sets its ordinal properties (nested ones such
// as Bevel.Width included) to any 32-bit values and its defined blocks to
// any bytes. The form text is read, shown and painted under the headless
// host. It must end loaded or with the reader's error, in bounded time and
// memory; an exception out of painting or a setter aborts.
//
// Input: two bytes pick the class; then records of six bytes: a selector
// (bit 7 set: a defined block), an index (the property, or the block's
// name) and four bytes of value (a block: its low byte is the block's
// length, the block's bytes follow). An input that begins with "object "
// is taken as the form text itself, so that the seeds can be the cases of
// known faults written as a programmer would write them.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "application.h"
#include "classregistry.h"
#include "control.h"
#include "exceptions.h"
#include "forms.h"
#include "formres.h"
#include "formtext.h"
#include "headless_host.h"
#include "message_queue.h"
#include "program_units.h"
#include "published.h"
#include "streams.h"
#include "unitstartup.h"

namespace {

// The defined blocks the library's controls store, by the path a form
// text gives them.
const char* const kBlocks[] = {
    "CaptionStart",        "Internal",        "InternalGlyph",           "InternalBtn",
    "Region.Mask.RegionData", "Region.Mask.BorderBmp", "ButtonFace",    "ButtonFaceIndicesNew",
    "ButtonFaceTransColNew", "CellCount",     "CellWidth",               "CellBitmap",
    "Glyph.Data",          "Picture.Data",    "Bitmap.Data",             "BarPanelId",
};

struct TOrdinal {
  std::string Path;
  const TPropInfo* Info;
};

void CollectOrdinals(TClass Class, const std::string& Prefix, int Depth, std::vector<TOrdinal>& Out) {
  const TPublishedTable* table = PublishedTableOf(Class);
  if (!table) return;
  for (const auto& p : table->Properties) {
    const std::string path = Prefix + p->Name.c_str();
    switch (p->Kind) {
      case TPropKind::Integer:
      case TPropKind::Enum:
      case TPropKind::Set:
      case TPropKind::Bool:
      case TPropKind::Color:
        Out.push_back({path, p.get()});
        break;
      case TPropKind::Object:
        if (Depth < 2 && p->ObjectClass) CollectOrdinals(p->ObjectClass, path + ".", Depth + 1, Out);
        break;
      default:
        break;
    }
  }
}

struct TCandidate {
  TClass Class;
  std::vector<TOrdinal> Ordinals;
};

const std::vector<TCandidate>& Candidates() {
  static const std::vector<TCandidate> all = [] {
    std::vector<TCandidate> out;
    for (TClass c : RegisteredClasses()) {
      if (std::strncmp(c->Name, "TVyr", 4) != 0 || !c->InheritsFrom(TControl::StaticClass())) continue;
      TCandidate candidate{c, {}};
      CollectOrdinals(c, "", 0, candidate.Ordinals);
      out.push_back(std::move(candidate));
    }
    std::sort(out.begin(), out.end(), [](const TCandidate& a, const TCandidate& b) {
      return std::strcmp(a.Class->Name, b.Class->Name) < 0;
    });
    return out;
  }();
  return all;
}

std::string ValueText(const TPropInfo& Info, std::int32_t Raw) {
  switch (Info.Kind) {
    case TPropKind::Bool:
      return (Raw & 1) ? "True" : "False";
    case TPropKind::Enum:
      if (Info.Idents.empty()) return "0";
      return Info.Idents[static_cast<std::uint32_t>(Raw) % Info.Idents.size()].c_str();
    case TPropKind::Set: {
      std::string members;
      for (std::size_t i = 0; i < Info.Idents.size() && i < 32; ++i)
        if (Raw & (1u << i)) members += (members.empty() ? "" : ", ") + std::string(Info.Idents[i].c_str());
      return "[" + members + "]";
    }
    default:
      return std::to_string(Raw);
  }
}

std::string Hex(const std::uint8_t* Data, std::size_t Size) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (std::size_t i = 0; i < Size; ++i) out += {digits[Data[i] >> 4], digits[Data[i] & 15]};
  return out;
}

std::string FormText(const TCandidate& Candidate, const std::uint8_t* Data, std::size_t Size) {
  std::string lines;
  std::size_t at = 0;
  for (int record = 0; record < 16 && at + 6 <= Size; ++record) {
    const std::uint8_t selector = Data[at], index = Data[at + 1];
    std::int32_t value = 0;
    std::memcpy(&value, Data + at + 2, 4);
    at += 6;
    if (selector & 0x80) {
      const std::size_t length = std::min<std::size_t>(static_cast<std::uint8_t>(value), Size - at);
      lines += "    " + std::string(kBlocks[index % std::size(kBlocks)]) + " = {" + Hex(Data + at, length) + "}\n";
      at += length;
    } else if (!Candidate.Ordinals.empty()) {
      const TOrdinal& ordinal = Candidate.Ordinals[index % Candidate.Ordinals.size()];
      lines += "    " + ordinal.Path + " = " + ValueText(*ordinal.Info, value) + "\n";
    }
  }
  return "object Form1: TForm\n  Left = 0\n  Top = 0\n  Width = 320\n  Height = 240\n  object Control1: " +
         std::string(Candidate.Class->Name) + "\n    Left = 8\n    Top = 8\n" + lines + "  end\nend\n";
}

void PumpUntilIdle() {
  MSG m;
  for (int n = 0; n < 2000 && PeekMessage(&m, nullptr, 0, 0, PM_REMOVE); ++n) {
    TranslateMessage(&m);
    DispatchMessage(&m);
  }
}

bool Start() {
  InstallHeadlessHost();
  static TUnitStartup units(ProgramUnits());
  // Painting and setters must not raise: whatever reaches the loop's
  // catch-all is a finding.
  Application->OnException = [](TObject*, Exception* E) {
    std::fprintf(stderr, "exception out of a window procedure: %s\n", E->Message.c_str());
    std::abort();
  };
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool started = Start();
  (void)started;
  const auto& candidates = Candidates();
  if (size < 2 || candidates.empty()) return 0;
  constexpr char kTextMark[] = "object ";
  std::string text;
  if (size > 7 && std::memcmp(data, kTextMark, 7) == 0) {
    text.assign(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 4096));
  } else {
    const TCandidate& candidate = candidates[(data[0] | data[1] << 8) % candidates.size()];
    text = FormText(candidate, data + 2, size - 2);
  }

  auto* form = TObject::Create<TForm>(Application);
  bool loaded = true;
  try {
    TStringStream source{AnsiString(text.c_str())};
    TMemoryStream binary;
    ObjectTextToBinary(&source, &binary);
    binary.SetPosition(0);
    ReadComponentFromStream(&binary, form);
  } catch (const Exception&) {
    loaded = false;
  }
  if (loaded) {
    form->Show();
    PumpUntilIdle();
    form->Repaint();
    PumpUntilIdle();
  }
  form->Free();
  PumpUntilIdle();
  return 0;
}
