// ProjectStore: every project in memory (a name and its files) and the state
// of the manager window's cut, copy and paste of files.
//
// Projects occupy positions 0 to ProjectCount()-1 without gaps; project 0 is
// the default project once the capture has run. Positions are signed with -1
// for "none" or "refused". Operations given a position where there is no
// project or file change nothing and give -1, false or a count of 0.
//
// Kept at all times: at most kMaxProjects projects and kMaxFiles files in each;
// project names unique without regard to ASCII letter case. The clipboard
// source may name a project that is gone or holds no marks (after ClearAll):
// a paste from it pastes nothing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "projects/clip_mode.h"
#include "projects/file_list.h"
#include "projects/project_name_list.h"

class ProjectStore {
 public:
  // --- Reading ---------------------------------------------------------------
  std::int32_t ProjectCount() const { return names_.Count(); }
  const ProjectNameList& Names() const { return names_; }
  // The name of the project; empty when there is no such project.
  const std::string& Name(std::int32_t project) const { return names_.Name(project); }
  // The files of the project; an empty list when there is no such project.
  const FileList& Files(std::int32_t project) const;
  ClipMode ClipboardMode() const { return clipboardMode_; }
  // The project whose marked files the next paste takes, or -1; after
  // ClearAll it may name no project.
  std::int32_t ClipboardSource() const { return clipboardSource_; }

  // --- Projects --------------------------------------------------------------
  // Position of the project with this name (letter case ignored), or -1.
  std::int32_t FindProject(std::string_view name) const;
  // Position of the new project, or of the project that already has the name;
  // -1 when the store is full (even for a name already present).
  std::int32_t AddProject(std::string_view name);
  // Gives the project a new name and returns its position; when a project
  // already has the new name (itself included, in any letter case) returns
  // that project's position and changes nothing. -1 for no such project.
  std::int32_t RenameProject(std::int32_t project, std::string_view newName);
  // Removes the project with its files; the following projects move down in
  // order. Returns the new project count. A clipboard source after the
  // removed project moves down with its project; the removed project's
  // clipboard is emptied (source -1, mode None).
  std::int32_t RemoveProject(std::int32_t project);
  // Removes every project. The clipboard source and mode stay: the store is
  // refilled in the same order (capture, then the project file), and a
  // paste from a source whose marks went with it pastes nothing.
  void ClearAll();

  // --- Files -----------------------------------------------------------------
  // Adds the file to the named project, creating the project when it is
  // missing. Adds nothing when the project cannot be created (store full),
  // when the path is already there or when the project is full.
  void AddFileToProject(std::string_view path, std::string_view state, std::string_view projectName);
  // Appends an unmarked file. False when the path (case counts) is already in
  // the project, when the project is full or when there is no such project.
  bool AddFile(std::string_view path, std::string_view state, std::int32_t project);
  // Position of the file with exactly this path, or -1.
  std::int32_t FindFile(std::int32_t project, std::string_view path) const;
  // Removes the file; the following files move down in order, the active
  // index is left as it is. Returns the project's new file count.
  std::int32_t RemoveFile(std::int32_t project, std::int32_t file);
  // Removes every file of the project (active index left as it is); gives 0.
  std::int32_t ClearFiles(std::int32_t project);
  // Sets the named project's active index, without a range test. Returns the
  // project's position, or -1 when no project has the name.
  std::int32_t SetActiveIndex(std::string_view projectName, std::int32_t file);

  // --- Clipboard -------------------------------------------------------------
  // flag true: the project becomes the clipboard source with `mode`; flag
  // false: the source becomes -1 and the mode stays. Then the file's mark
  // becomes `flag`. Returns the file's position; -1 (nothing changes) for no
  // such project or file.
  std::int32_t MarkFile(std::int32_t project, std::int32_t file, ClipMode mode, bool flag);
  // The same change of source and mode, then every file of the project gets
  // the mark `flag`. Returns the project's file count.
  std::int32_t MarkAllFiles(std::int32_t project, ClipMode mode, bool flag);
  // Clears every mark of the project; source and mode stay. Returns the file count.
  std::int32_t UnmarkFiles(std::int32_t project);
  // Moves (mode Cut) or copies (mode Copy) file `file` of `source` to the end
  // of `destination`, unmarked. Returns its position there, or -1 when
  // nothing is cut or copied, when the path is already in the destination,
  // when the destination is full or when a position names nothing.
  std::int32_t TransferFile(std::int32_t destination, std::int32_t source, std::int32_t file);
  // Transfers every marked file of `source` to `destination` in order and
  // returns how many were transferred. Files whose path is already in the
  // destination (or that find it full) stay in the source, marked. When the
  // destination was empty it takes over the source's active file, at the
  // position where that file landed (-1 when it was not pasted).
  std::int32_t PasteMarked(std::int32_t destination, std::int32_t source);
  // Sorts the project's files by file name or by folder (see FileList::Sort).
  void SortFiles(std::int32_t project, bool byFolder, bool ascending);

  // --- Loading from the project file ------------------------------------------
  // Appends a project read from the project file. Position of the new project,
  // or -1 when the store is full or a project of that name is already present
  // (a second section of the same name would be the same section anyway).
  std::int32_t AppendLoadedProject(std::string_view name);
  // Sets the project's active index as read, without a range test.
  void SetLoadedActiveIndex(std::int32_t project, std::int32_t file);
  // Appends an unmarked file as read, without looking for the path in the
  // project. False when the project is full or there is no such project.
  bool AppendLoadedFile(std::int32_t project, std::string_view path, std::string_view state);

 private:
  bool HasProject(std::int32_t project) const { return project >= 0 && project < ProjectCount(); }
  FileList& ListOf(std::int32_t project) { return lists_[static_cast<std::size_t>(project)]; }
  // Appends a project with an empty file list; the caller has checked the
  // limit and the name.
  std::int32_t AppendProject(std::string_view name);
  void SetClipboardSource(std::int32_t project, ClipMode mode, bool flag);
  void EmptyClipboard();

  ProjectNameList names_;
  std::vector<FileList> lists_;  // lists_[i] belongs to names_.Name(i)
  ClipMode clipboardMode_ = ClipMode::kNone;
  std::int32_t clipboardSource_ = -1;
};
