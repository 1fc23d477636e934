#pragma once
// The project file's content: the whole store written as sections and keys
// of an IniDocument, and the stored projects read back from one. Pure: the
// file itself is read and written elsewhere (projects/project_file.h).
//
// [PROJECT_NAME] holds "PROJECT_NUM" and the project names under "0", "1",
// ...; each project has a section named by its name with
// "ActiveArticleIndex", "OpenNum" and one key "0", "1", ... per file, the
// value "<path>?<view-state string>".
#include <cstddef>
#include <string>

class IniDocument;
class ProjectStore;

// Buffers the reader takes values into (terminator included); a longer
// value is cut to the size minus one.
inline constexpr std::size_t kProjectNumBuffer = 10;
inline constexpr std::size_t kProjectNameBuffer = 256;
inline constexpr std::size_t kNumberBuffer = 8;  // "ActiveArticleIndex", "OpenNum"
inline constexpr std::size_t kFileValueBuffer = 1024;

// Writes the whole store, as the profile functions would with these calls:
// delete [PROJECT_NAME], write "PROJECT_NUM" and the names; then for each
// project delete its section and write "ActiveArticleIndex", "OpenNum" and
// the files. Sections of projects that no longer exist stay where they are.
//
// A project is written under the name it comes back with (ProjectNameAsRead:
// "abc   " as abc). What cannot be read back is not written: a project with
// no such name, or one that an earlier project's name comes back as, is left
// out (its section is not touched); a file whose "<path>?<state>" would not fit
// the reader's buffer is written without its state, and left out when even
// "<path>?" does not fit. Counts and the active index follow what is written.
// Every section of a written name is deleted, not only the first, so that a
// stale duplicate never hides what was written.
void WriteProjects(const ProjectStore& store, IniDocument& doc);

// The text of a file that held old_text after WriteProjects: what
// IniDocument::Parse(old_text) serializes to after WriteProjects, built in one
// pass from the sections that stay and the written sections composed
// directly.
std::string WriteProjectsToText(const ProjectStore& store, std::string old_text);

// Appends the stored projects 1 to n-1 to a store that holds the default
// project. The store's count is always the number of projects present:
// names that are missing, empty, not storable or already present are skipped,
// and reading stops at 256 projects and 256 files a project whatever the
// counts in the file say. A file value without "?" is taken as a path with
// an empty state; a value with an empty path is skipped.
void ReadProjects(const IniDocument& doc, ProjectStore& store);
