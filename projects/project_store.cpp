#include "projects/project_store.h"

#include <utility>

#include "projects/project_limits.h"

const FileList& ProjectStore::Files(std::int32_t project) const {
  static const FileList kNoFiles;
  return HasProject(project) ? lists_[static_cast<std::size_t>(project)] : kNoFiles;
}

std::int32_t ProjectStore::FindProject(std::string_view name) const { return names_.Find(name); }

std::int32_t ProjectStore::AppendProject(std::string_view name) {
  names_.Append(name);
  lists_.emplace_back();
  return ProjectCount() - 1;
}

std::int32_t ProjectStore::AddProject(std::string_view name) {
  // The limit comes first: a full store answers -1 even for a name it holds.
  if (ProjectCount() >= kMaxProjects) return kNoIndex;
  const std::int32_t existing = FindProject(name);
  if (existing != kNoIndex) return existing;
  return AppendProject(name);
}

std::int32_t ProjectStore::RenameProject(std::int32_t project, std::string_view newName) {
  if (!HasProject(project)) return kNoIndex;
  const std::int32_t existing = FindProject(newName);
  if (existing != kNoIndex) return existing;
  names_.Replace(project, newName);
  return project;
}

std::int32_t ProjectStore::RemoveProject(std::int32_t project) {
  if (!HasProject(project)) return ProjectCount();
  names_.Remove(project);
  lists_.erase(lists_.begin() + project);
  if (clipboardSource_ == project) {
    EmptyClipboard();
  } else if (clipboardSource_ > project) {
    --clipboardSource_;
  }
  return ProjectCount();
}

void ProjectStore::ClearAll() {
  names_.Clear();
  lists_.clear();
}

void ProjectStore::AddFileToProject(std::string_view path, std::string_view state, std::string_view projectName) {
  std::int32_t project = FindProject(projectName);
  if (project == kNoIndex) project = AddProject(projectName);
  if (project == kNoIndex) return;
  AddFile(path, state, project);
}

bool ProjectStore::AddFile(std::string_view path, std::string_view state, std::int32_t project) {
  if (!HasProject(project)) return false;
  FileList& files = ListOf(project);
  if (files.Find(path) != kNoIndex) return false;
  return files.Append(FileEntry{std::string(path), std::string(state), false});
}

std::int32_t ProjectStore::FindFile(std::int32_t project, std::string_view path) const {
  return Files(project).Find(path);
}

std::int32_t ProjectStore::RemoveFile(std::int32_t project, std::int32_t file) {
  if (!HasProject(project)) return 0;
  return ListOf(project).Remove(file);
}

std::int32_t ProjectStore::ClearFiles(std::int32_t project) {
  if (HasProject(project)) ListOf(project).Clear();
  return 0;
}

std::int32_t ProjectStore::SetActiveIndex(std::string_view projectName, std::int32_t file) {
  const std::int32_t project = FindProject(projectName);
  if (project != kNoIndex) ListOf(project).SetActiveIndex(file);
  return project;
}

void ProjectStore::SetClipboardSource(std::int32_t project, ClipMode mode, bool flag) {
  if (flag) {
    clipboardSource_ = project;
    clipboardMode_ = mode;
  } else {
    clipboardSource_ = kNoIndex;
  }
}

void ProjectStore::EmptyClipboard() {
  clipboardSource_ = kNoIndex;
  clipboardMode_ = ClipMode::kNone;
}

std::int32_t ProjectStore::MarkFile(std::int32_t project, std::int32_t file, ClipMode mode, bool flag) {
  if (!HasProject(project) || !Files(project).HasEntry(file)) return kNoIndex;
  SetClipboardSource(project, mode, flag);
  ListOf(project).SetMark(file, flag);
  return file;
}

std::int32_t ProjectStore::MarkAllFiles(std::int32_t project, ClipMode mode, bool flag) {
  if (!HasProject(project)) return 0;
  SetClipboardSource(project, mode, flag);
  ListOf(project).SetAllMarks(flag);
  return Files(project).Count();
}

std::int32_t ProjectStore::UnmarkFiles(std::int32_t project) {
  if (!HasProject(project)) return 0;
  ListOf(project).SetAllMarks(false);
  return Files(project).Count();
}

std::int32_t ProjectStore::TransferFile(std::int32_t destination, std::int32_t source, std::int32_t file) {
  if (clipboardSource_ == kNoIndex) return kNoIndex;
  if (clipboardMode_ != ClipMode::kCut && clipboardMode_ != ClipMode::kCopy) return kNoIndex;
  if (!HasProject(destination) || !HasProject(source) || !Files(source).HasEntry(file)) return kNoIndex;
  FileList& to = ListOf(destination);
  FileList& from = ListOf(source);
  // Also refuses a transfer within one project: the path is always there.
  if (to.Find(from.Entry(file).path) != kNoIndex || to.IsFull()) return kNoIndex;

  FileEntry moved = clipboardMode_ == ClipMode::kCut ? from.Take(file) : from.Entry(file);
  moved.marked = false;
  to.Append(std::move(moved));
  return to.Count() - 1;
}

std::int32_t ProjectStore::PasteMarked(std::int32_t destination, std::int32_t source) {
  if (clipboardSource_ == kNoIndex || !HasProject(destination) || !HasProject(source)) return 0;
  const std::int32_t sourceActive = Files(source).ActiveIndex();
  const bool destinationWasEmpty = Files(destination).Count() == 0;
  std::int32_t activeLanding = kNoIndex;
  std::int32_t pasted = 0;

  // `original` is the position each file had before the paste began; with
  // Cut a transferred file leaves, and the next one moves into its place.
  std::int32_t position = 0;
  for (std::int32_t original = 0; position < Files(source).Count(); ++original) {
    if (!Files(source).Entry(position).marked) {
      ++position;
      continue;
    }
    const std::int32_t landed = TransferFile(destination, source, position);
    if (landed == kNoIndex) {
      ++position;
      continue;
    }
    ++pasted;
    if (original == sourceActive) activeLanding = landed;
    if (clipboardMode_ != ClipMode::kCut) ++position;
  }

  if (destinationWasEmpty) ListOf(destination).SetActiveIndex(activeLanding);
  return pasted;
}

void ProjectStore::SortFiles(std::int32_t project, bool byFolder, bool ascending) {
  if (HasProject(project)) ListOf(project).Sort(byFolder, ascending);
}

std::int32_t ProjectStore::AppendLoadedProject(std::string_view name) {
  if (ProjectCount() >= kMaxProjects || FindProject(name) != kNoIndex) return kNoIndex;
  return AppendProject(name);
}

void ProjectStore::SetLoadedActiveIndex(std::int32_t project, std::int32_t file) {
  if (HasProject(project)) ListOf(project).SetActiveIndex(file);
}

bool ProjectStore::AppendLoadedFile(std::int32_t project, std::string_view path, std::string_view state) {
  if (!HasProject(project)) return false;
  return ListOf(project).Append(FileEntry{std::string(path), std::string(state), false});
}
