#include "projects/file_list.h"

#include <utility>

#include "projects/project_limits.h"

namespace {

// The part of a path that a sort compares: before the last "/" (folder) or
// after it (file name). A path without "/" has no folder.
std::string_view SortKey(std::string_view path, bool byFolder) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return byFolder ? std::string_view() : path;
  return byFolder ? path.substr(0, slash) : path.substr(slash + 1);
}

}  // namespace

bool FileList::IsFull() const { return Count() >= kMaxFiles; }

const FileEntry& FileList::Entry(std::int32_t index) const {
  static const FileEntry kNoEntry;
  return HasEntry(index) ? entries_[static_cast<std::size_t>(index)] : kNoEntry;
}

std::int32_t FileList::Find(std::string_view path) const {
  for (std::int32_t i = 0; i < Count(); ++i) {
    if (entries_[static_cast<std::size_t>(i)].path == path) return i;
  }
  return kNoIndex;
}

bool FileList::Append(FileEntry entry) {
  if (IsFull()) return false;
  entries_.push_back(std::move(entry));
  return true;
}

std::int32_t FileList::Remove(std::int32_t index) {
  if (HasEntry(index)) entries_.erase(entries_.begin() + index);
  return Count();
}

FileEntry FileList::Take(std::int32_t index) {
  if (!HasEntry(index)) return FileEntry();
  FileEntry entry = std::move(entries_[static_cast<std::size_t>(index)]);
  entries_.erase(entries_.begin() + index);
  return entry;
}

void FileList::SetMark(std::int32_t index, bool marked) {
  if (HasEntry(index)) entries_[static_cast<std::size_t>(index)].marked = marked;
}

void FileList::SetAllMarks(bool marked) {
  for (FileEntry& entry : entries_) entry.marked = marked;
}

void FileList::Sort(bool byFolder, bool ascending) {
  // std::string_view compares as unsigned bytes, a shorter prefix first.
  const std::int32_t count = Count();
  for (std::int32_t i = 0; i < count; ++i) {
    for (std::int32_t j = i; j < count; ++j) {
      FileEntry& a = entries_[static_cast<std::size_t>(i)];
      FileEntry& b = entries_[static_cast<std::size_t>(j)];
      const int order = SortKey(a.path, byFolder).compare(SortKey(b.path, byFolder));
      if (ascending ? order <= 0 : order >= 0) continue;
      std::swap(a, b);
      if (activeIndex_ == i) {
        activeIndex_ = j;
      } else if (activeIndex_ == j) {
        activeIndex_ = i;
      }
    }
  }
}
