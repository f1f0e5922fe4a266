#include "dialogs_folder.h"

#include <algorithm>
#include <filesystem>

#include "dialogs_filter.h"
#include "drives.h"
#include "findfile.h"
#include "folders.h"
#include "paths.h"
#include "sysutils.h"

namespace {

// Sorted as the user reads names: without regard to case, umlauts with
// their base letters.
void SortNames(std::vector<AnsiString>& names) {
  std::sort(names.begin(), names.end(),
            [](const AnsiString& a, const AnsiString& b) { return AnsiCompareText(a, b) < 0; });
}

AnsiString WithFinalDelimiter(const std::string& path) {
  AnsiString out(path.data(), path.size());
  return IncludeTrailingPathDelimiter(out);
}

}  // namespace

AnsiString NormalFolder(const AnsiString& Path, const AnsiString& Base) {
  std::filesystem::path p(NativePath(Path));
  if (p.is_relative()) {
    const AnsiString base = Base.IsEmpty() ? GetCurrentDir() : Base;
    p = std::filesystem::path(NativePath(base)) / p;
  }
  const std::string normal = p.lexically_normal().string();
  return normal.empty() ? AnsiString("/") : WithFinalDelimiter(normal);
}

AnsiString ResolveTypedName(const AnsiString& Folder, const AnsiString& Typed) {
  AnsiString folder = NormalFolder(Typed, Folder);
  // NormalFolder leaves a final '/'; a file name has none.
  const std::string& s = folder.str();
  if (s.size() > 1 && !Typed.IsEmpty() && !IsPathDelimiter(Typed.c_str()[Typed.Length() - 1]))
    return AnsiString(s.data(), s.size() - 1);
  return folder;
}

AnsiString ParentFolder(const AnsiString& Folder) { return NormalFolder(AnsiString(".."), NormalFolder(Folder)); }

TFolderContents ReadFolder(const AnsiString& Folder, const AnsiString& Patterns) {
  TFolderContents out;
  const AnsiString folder = NormalFolder(Folder);
  if (folder != AnsiString("/")) out.Folders.push_back({"..", ParentFolder(folder)});

  std::vector<AnsiString> folders, files;
  TSearchRec rec;
  for (Integer found = FindFirst(folder + "*", faDirectory, rec); found == 0; found = FindNext(rec)) {
    const AnsiString& name = rec.Name;
    if (name.IsEmpty() || name.c_str()[0] == '.') continue;
    if (rec.Attr & faDirectory)
      folders.push_back(name);
    else if (MatchesFilePatterns(name, Patterns))
      files.push_back(name);
  }
  FindClose(rec);
  SortNames(folders);
  SortNames(files);
  for (const AnsiString& name : folders) out.Folders.push_back({name, folder + name + "/"});
  for (const Volume& v : VolumeTable()) {
    if (!v.Ready) continue;
    const char drive[] = {'[', v.Letter, ':', ']', 0};
    out.Folders.push_back({drive, WithFinalDelimiter(v.Root)});
  }
  out.Files = std::move(files);
  return out;
}
