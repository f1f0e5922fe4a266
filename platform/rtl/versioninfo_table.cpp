#include "versioninfo_table.h"

namespace {

constexpr VersionString kStrings[] = {
    {"CompanyName", "Tallix Software"},
    {"ProductName", "TALLIX MORVANT II"},
    {"ProductVersion", "2.0"},
    {"LegalCopyright", ""},
    {"LegalTrademark", ""},
    {"FileDescription", "TALLIX MORVANT II"},
    {"Comments", ""},
};

}  // namespace

const VersionTable& ProgramVersionTable() {
  static const VersionTable table{0x0407, 1252, kStrings};
  return table;
}
