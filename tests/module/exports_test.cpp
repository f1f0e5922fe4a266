// What the built game exports: every class of the component library with its
// class record under its unit's name, every unit's start and end entries,
// routines no form uses, and the six form variables. Read off the module
// with nm, as a program loading it would find them.
#include <cxxabi.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "classregistry.h"
#include "component_units.h"
#include "form5.h"
#include "library_app.h"

namespace {

// The demangled names of the module's defined dynamic symbols.
std::set<std::string> ModuleSymbols() {
  std::set<std::string> names;
  const std::string command = std::string("nm -D --defined-only -C '") + MORVANT_MODULE + "'";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return names;
  char line[4096];
  while (std::fgets(line, sizeof line, pipe)) {
    std::string text(line);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    // "address type name"; the name may hold blanks.
    const std::size_t first = text.find(' ');
    const std::size_t second = first == std::string::npos ? first : text.find(' ', first + 1);
    if (second != std::string::npos) names.insert(text.substr(second + 1));
  }
  ::pclose(pipe);
  return names;
}

// The demangled name of a function of this program, found through its own
// dynamic symbols: the name the module must export it under.
std::string NameOf(void (*Function)()) {
  Dl_info info{};
  if (!Function || !::dladdr(reinterpret_cast<void*>(Function), &info) || !info.dli_sname) return {};
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(info.dli_sname, nullptr, nullptr, &status),
                                                   std::free);
  return status == 0 ? std::string(demangled.get()) : std::string(info.dli_sname);
}

std::string NamespaceOf(const std::string& QualifiedFunction) {
  const std::size_t colons = QualifiedFunction.rfind("::");
  return colons == std::string::npos ? std::string() : QualifiedFunction.substr(0, colons);
}

bool HasPrefixed(const std::set<std::string>& Names, const std::string& Prefix) {
  const auto it = Names.lower_bound(Prefix);
  return it != Names.end() && it->compare(0, Prefix.size(), Prefix) == 0;
}

class ModuleExports : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { symbols = new std::set<std::string>(ModuleSymbols()); }
  static void TearDownTestSuite() {
    delete symbols;
    symbols = nullptr;
  }
  static std::set<std::string>* symbols;
};
std::set<std::string>* ModuleExports::symbols = nullptr;

TEST_F(ModuleExports, EveryUnitsStartAndEndEntries) {
  ASSERT_GT(symbols->size(), 1000u) << "nm found no symbols in " << MORVANT_MODULE;
  for (const TUnitRow& row : ComponentLibraryUnits()) {
    SCOPED_TRACE(row.Name);
    const std::string start = NameOf(row.Initialize);
    const std::string end = NameOf(row.Finalize);
    ASSERT_FALSE(start.empty()) << "a row without a start entry";
    ASSERT_FALSE(end.empty()) << "a row without an end entry";
    EXPECT_TRUE(symbols->count(start)) << start;
    EXPECT_TRUE(symbols->count(end)) << end;
  }
}

TEST_F(ModuleExports, EveryLibraryClassWithItsRecord) {
  TestSupport::LibraryApp app{ComponentLibraryUnits()};
  std::map<std::string, std::string> unitNamespaces;
  for (const TUnitRow& row : ComponentLibraryUnits()) unitNamespaces[row.Name] = NamespaceOf(NameOf(row.Initialize));
  int checked = 0;
  for (const TRegisteredClass& entry : RegisteredClassList()) {
    const auto unit = unitNamespaces.find(entry.Unit.c_str());
    if (unit == unitNamespaces.end()) continue;  // the class library's own
    const std::string qualified = unit->second + "::" + entry.Name.c_str();
    SCOPED_TRACE(qualified);
    EXPECT_TRUE(symbols->count(qualified + "::StaticClass()::meta")) << "no class record";
    ++checked;
  }
  EXPECT_GT(checked, 0) << "the registry named no class of the library's units";
}

TEST_F(ModuleExports, RoutinesNoFormUses) {
  // Free routines of the library that neither the game's forms nor the
  // units' start-up reach: only a whole library brings them in.
  for (const char* routine : {"Vyrutils::VyrExplodeForm2(", "Vyrsysin::VyrNCCalcDrawingArea(",
                              "Vyrprocs::VyrCheckSystemMenu(", "Vyrutils::VyrLoadKorvelCustomColor("})
    EXPECT_TRUE(HasPrefixed(*symbols, routine)) << routine;
}

TEST_F(ModuleExports, TheSixFormVariables) {
  for (const char* name : {"Form1", "Form2", "Form3", "Form4", "Form5", "Form6"})
    EXPECT_TRUE(symbols->count(name)) << name;
  EXPECT_EQ(Form5, nullptr);
}

}  // namespace
