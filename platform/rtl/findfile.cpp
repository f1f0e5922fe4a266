#include "findfile.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "lasterror.h"
#include "paths.h"

struct FindState {
  std::vector<TSearchRec> found;
  std::size_t next = 0;
};

namespace {

Integer AttributesOf(const std::string& folder, const std::string& name, Int64& size) {
  const std::string full = folder + name;
  struct stat st {};
  size = 0;
  if (::stat(full.c_str(), &st) != 0) return faArchive;
  Integer attr = 0;
  if (S_ISDIR(st.st_mode))
    attr |= faDirectory;
  else
    size = st.st_size;
  if (!S_ISDIR(st.st_mode)) attr |= faArchive;
  if (name[0] == '.' && name != "." && name != "..") attr |= faHidden;
  if (::access(full.c_str(), W_OK) != 0) attr |= faReadOnly;
  return attr;
}

Integer TakeNext(TSearchRec& rec) {
  FindState* state = rec.FindHandle.get();
  if (!state || state->next >= state->found.size()) return static_cast<Integer>(ERROR_NO_MORE_FILES);
  const TSearchRec& hit = state->found[state->next++];
  rec.Name = hit.Name;
  rec.Size = hit.Size;
  rec.Attr = hit.Attr;
  return 0;
}

}  // namespace

Integer FindFirst(const AnsiString& path, Integer attr, TSearchRec& rec) {
  FindClose(rec);
  const std::string native = NativePath(path);
  const std::size_t slash = native.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : native.substr(0, slash + 1);
  std::string mask = slash == std::string::npos ? native : native.substr(slash + 1);
  if (mask == "*.*") mask = "*";

  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return static_cast<Integer>(ERROR_PATH_NOT_FOUND);
  }
  auto state = std::make_shared<FindState>();
  rec.ExcludeAttr = ~attr & (faHidden | faSysFile | faDirectory);
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (::fnmatch(mask.c_str(), name.c_str(), 0) != 0) continue;
    TSearchRec hit;
    hit.Name = AnsiString(name);
    hit.Attr = AttributesOf(folder, name, hit.Size);
    if (hit.Attr & rec.ExcludeAttr) continue;
    state->found.push_back(std::move(hit));
  }
  ::closedir(dir);
  // Directory order is arbitrary; a fixed order keeps listings stable.
  std::sort(state->found.begin(), state->found.end(),
            [](const TSearchRec& a, const TSearchRec& b) { return a.Name.str() < b.Name.str(); });
  if (state->found.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return static_cast<Integer>(ERROR_FILE_NOT_FOUND);
  }
  rec.FindHandle = std::move(state);
  return TakeNext(rec);
}

Integer FindNext(TSearchRec& rec) {
  const Integer result = TakeNext(rec);
  if (result != 0) SetLastError(static_cast<DWORD>(result));
  return result;
}

void FindClose(TSearchRec& rec) { rec.FindHandle.reset(); }
