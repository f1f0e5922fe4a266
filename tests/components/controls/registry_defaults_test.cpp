// The rule behind every published property, checked over every class the
// start-up table registers (class library and component library): a value
// equal to the declared default is not written, so the constructor must set
// exactly that default; and every ordinal, Boolean, colour and string
// property set to another value comes back from form text.
#include <functional>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "classregistry.h"
#include "component_units.h"
#include "controls_fixture.h"
#include "extctrls_panel.h"
#include "unitstartup.h"
#include "vyrbtn.h"
#include "vyrctrla.h"
#include "vyrextca.h"
#include "vyrextcs.h"
#include "vyrforma.h"
#include "vyrgrapa.h"
#include "vyrgroup.h"
#include "vyrmms.h"
#include "vyrrctrl.h"
#include "vyrshapa.h"
#include "vyrstdcs.h"

namespace {

// Values the controls compute from others, whatever the constructor or a
// form gives them: the teeth's height follows the bounds while SetPerCount
// is on.
// The colour box's style and item height follow its options and font.
const std::set<std::string> kDerived = {"TVyrTeethShape.Teeth.Height", "TVyrTeethShapeLabel.Teeth.Height",
                                        "TVyrColorComboBox.Style", "TVyrColorComboBox.ItemHeight"};

// Classes that a form holds only inside another component (menu items in
// their menu), never as a child of its own.
const std::set<std::string> kNotFormChildren = {"TMenuItem"};

// An autosized control measures its own width and height.
bool SizesItself(TComponent* Instance, const std::string& Path) {
  if (Path != "Width" && Path != "Height") return false;
  const TPropInfo* autoSize = FindPublishedProperty(Instance->ClassType(), "AutoSize");
  return autoSize && autoSize->GetOrd && autoSize->GetOrd(Instance) != 0;
}

bool IsOrdinal(TPropKind Kind) {
  return Kind == TPropKind::Integer || Kind == TPropKind::Bool || Kind == TPropKind::Enum ||
         Kind == TPropKind::Set || Kind == TPropKind::Color;
}

// A published property reached from the component: its dotted path, the
// table entry, and the component's own Object property it lies under (for
// the default that property redeclares).
struct PropPath {
  std::string path;
  const TPropInfo* info;
  const TPropInfo* owner;
  std::string below;
};

// Every ordinal and string property of Object and of its nested objects.
void WalkProperties(TPersistent* Object, const std::string& Prefix, const TPropInfo* Owner,
                    const std::string& OwnerPrefix, int Depth, const std::function<void(const PropPath&)>& Visit) {
  const TPublishedTable* table = PublishedTableOf(Object->ClassType());
  if (!table || Depth > 4) return;
  for (const auto& prop : table->Properties) {
    const std::string name = prop->Name.c_str();
    const std::string path = Prefix + name;
    if (prop->Kind == TPropKind::Object) {
      if (TPersistent* nested = prop->GetObject(Object)) {
        const TPropInfo* owner = Owner ? Owner : prop.get();
        WalkProperties(nested, path + ".", owner, Owner ? OwnerPrefix : path + ".", Depth + 1, Visit);
      }
      continue;
    }
    if (!IsOrdinal(prop->Kind) && prop->Kind != TPropKind::String) continue;
    if (name == "Name") continue;
    Visit({path, prop.get(), Owner, Owner ? path.substr(OwnerPrefix.size()) : std::string()});
  }
}

// The object the path's last name is a property of.
TPersistent* Holder(TPersistent* Root, const std::string& Path) {
  TPersistent* target = Root;
  std::stringstream parts(Path);
  std::string part;
  std::vector<std::string> names;
  while (std::getline(parts, part, '.')) names.push_back(part);
  for (std::size_t i = 0; i + 1 < names.size() && target; ++i) {
    const TPropInfo* p = FindPublishedProperty(target->ClassType(), AnsiString(names[i].c_str()));
    target = p && p->GetObject ? p->GetObject(target) : nullptr;
  }
  return target;
}

std::optional<Int64> DeclaredDefault(const PropPath& P) {
  if (P.owner) return NestedDefaultOf(*P.owner, AnsiString(P.below.c_str()), *P.info);
  return P.info->Default;
}

std::string ValueText(const TPropInfo& Info, TPersistent* Holder) {
  if (Info.Kind == TPropKind::String) return std::string("'") + Info.GetStr(Holder).c_str() + "'";
  return std::to_string(Info.GetOrd(Holder));
}

class RegistryDefaultsTest : public ControlsTest {
 protected:
  // The whole library, so that every class a unit adds is checked.
  TUnitStartup units{ComponentLibraryUnits()};
  TForm* host = nullptr;

  void SetUp() override { host = NewForm(clBtnFace); }

  // The registered classes a form can hold: components, no forms.
  static std::vector<TClass> PlaceableClasses() {
    std::vector<TClass> classes;
    for (TClass c : RegisteredClasses())
      if (c->CreateComponent && !c->InheritsFrom(TCustomForm::StaticClass()) && !kNotFormChildren.count(c->Name))
        classes.push_back(c);
    return classes;
  }

  TComponent* Make(TClass Class, TWinControl* Parent, const AnsiString& Name) {
    TComponent* component = Class->CreateComponent(host);
    component->SetName(Name);
    if (auto* control = dynamic_cast_object<TControl>(component)) control->SetParent(Parent);
    return component;
  }

  static void Report(const std::vector<std::string>& Found, const char* What) {
    std::string all;
    for (const std::string& line : Found) all += "  " + line + "\n";
    EXPECT_TRUE(Found.empty()) << What << ":\n" << all;
  }
};

TEST_F(RegistryDefaultsTest, EveryConstructorSetsTheDeclaredDefaults) {
  std::vector<std::string> mismatches;
  auto check = [&](TClass Class, TComponent* Instance) {
    WalkProperties(Instance, "", nullptr, "", 0, [&](const PropPath& P) {
      const std::optional<Int64> declared = DeclaredDefault(P);
      if (!declared || !IsOrdinal(P.info->Kind)) return;
      TPersistent* holder = Holder(Instance, P.path);
      if (!holder || (P.info->Stored && !P.info->Stored(holder))) return;
      const Int64 value = P.info->GetOrd(holder);
      if (value == *declared) return;
      const std::string key = std::string(Class->Name) + "." + P.path;
      if (kDerived.count(key)) return;
      mismatches.push_back(key + ": constructed " + std::to_string(value) + ", declared " +
                           std::to_string(*declared));
    });
  };
  int n = 0;
  for (TClass c : RegisteredClasses()) {
    if (!c->CreateComponent) continue;
    if (c->InheritsFrom(TCustomForm::StaticClass())) {
      TComponent* form = c->CreateComponent(Application);
      check(c, form);
      form->Free();
      continue;
    }
    check(c, Make(c, host, AnsiString("Probe") + AnsiString(n++)));
  }
  Report(mismatches, "constructed values differing from the declared defaults");
}

// One instance per property, each in a panel of its own (so that a radio
// button checked in one leaves the others alone), all in one form text.
TEST_F(RegistryDefaultsTest, EveryOrdinalAndStringPropertyComesBackFromFormText) {
  std::vector<std::string> mismatches;
  for (TClass c : PlaceableClasses()) {
    SCOPED_TRACE(c->Name);
    struct Probe {
      AnsiString name;
      std::string path;
      const TPropInfo* info;
      std::string expected;
    };
    std::vector<Probe> probes;
    TComponent* model = Make(c, host, "Model");
    std::vector<PropPath> paths;
    WalkProperties(model, "", nullptr, "", 0, [&](const PropPath& P) { paths.push_back(P); });
    model->Free();

    int made = 0;
    for (const PropPath& p : paths) {
      const AnsiString index(made++);
      auto* box = TObject::Create<TPanel>(host);
      box->SetName("Box" + index);
      box->SetParent(host);
      TComponent* instance = Make(c, box, "Probe" + index);
      TPersistent* holder = Holder(instance, p.path);
      if (!holder) continue;
      try {
        if (p.info->Kind == TPropKind::String) {
          p.info->SetStr(holder, "Probe");
        } else {
          const Int64 now = p.info->GetOrd(holder);
          const std::optional<Int64> declared = DeclaredDefault(p);
          Int64 other = now + 1;
          // Where the constructor and the declaration differ, the declared
          // default is the value most at risk.
          if (declared && *declared != now)
            other = *declared;
          else if (p.info->Kind == TPropKind::Bool)
            other = now ? 0 : 1;
          else if (p.info->Kind == TPropKind::Enum)
            other = (now + 1) % static_cast<Int64>(p.info->Idents.size());
          else if (p.info->Kind == TPropKind::Set)
            other = now ^ 1;
          else if (p.info->Kind == TPropKind::Color)
            other = now == 0x0000FF ? 0xFF0000 : 0x0000FF;
          p.info->SetOrd(holder, other);
        }
      } catch (const Exception&) {
        continue;  // a value the setter refuses is no value a form holds
      }
      probes.push_back({"Probe" + index, p.path, p.info, ValueText(*p.info, holder)});
    }

    const std::string text = TestSupport::WrittenFormText(host);
    host->Free();
    host = TObject::Create<TForm>(Application);
    try {
      TestSupport::ReadFormText(text, host);
    } catch (const Exception& e) {
      mismatches.push_back(std::string(c->Name) + ": its form text does not load: " + e.Message.c_str());
      host->Free();
      host = NewForm(clBtnFace);
      continue;
    }
    for (const Probe& probe : probes) {
      TComponent* instance = host->FindComponent(probe.name);
      TPersistent* holder = instance ? Holder(instance, probe.path) : nullptr;
      const std::string key = std::string(c->Name) + "." + probe.path;
      if (!holder) {
        mismatches.push_back(key + ": gone after reading");
        continue;
      }
      const std::string back = ValueText(*probe.info, holder);
      if (SizesItself(instance, probe.path) || kDerived.count(key)) continue;
      if (back != probe.expected)
        mismatches.push_back(key + ": set " + probe.expected + ", read back " + back);
    }
    host->Free();
    host = NewForm(clBtnFace);
  }
  Report(mismatches, "values lost or changed on reading the form text again");
}

}  // namespace
