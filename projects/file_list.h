// The files of one project, in their order, with the position of the active one.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "projects/file_entry.h"

class FileList {
 public:
  std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }
  bool IsFull() const;

  // The entry at `index`; an empty entry when there is none at that position.
  const FileEntry& Entry(std::int32_t index) const;
  bool HasEntry(std::int32_t index) const { return index >= 0 && index < Count(); }

  // Position of the file whose document was the active one; may lie outside
  // 0..Count()-1, which means no file is active.
  std::int32_t ActiveIndex() const { return activeIndex_; }

  // Position of the first entry with exactly this path (bytes compared, case
  // counts), or -1.
  std::int32_t Find(std::string_view path) const;

  // The operations below change the list; the store calls them.
  void SetActiveIndex(std::int32_t index) { activeIndex_ = index; }

  // Appends at the end; false (and nothing changes) when the list is full.
  // No test for a path already present.
  bool Append(FileEntry entry);

  // Removes the entry at `index`; the following entries move down in order.
  // The active index is left as it is. Returns the new count.
  std::int32_t Remove(std::int32_t index);

  // Removes the entry at `index` like Remove and hands it over.
  FileEntry Take(std::int32_t index);

  // Removes every entry; the active index is left as it is.
  void Clear() { entries_.clear(); }

  void SetMark(std::int32_t index, bool marked);
  void SetAllMarks(bool marked);

  // Exchange sort by file name (after the last "/") or by folder (before it);
  // a path without "/" has an empty folder and is all name. Keys compare byte
  // by byte, case counts; equal keys are not swapped. The active index follows
  // its entry.
  void Sort(bool byFolder, bool ascending);

 private:
  std::vector<FileEntry> entries_;
  std::int32_t activeIndex_ = -1;
};
