#pragma once
// The project file's content (its format: projects/project_file_format.h):
// the whole store written as sections and keys of an IniDocument, and the
// stored projects read back from one. Pure: the file itself is read and
// written elsewhere (projects/project_file.h).
#include <string>

class IniDocument;
class ProjectStore;

// Writes the whole store, as the profile functions would with these calls:
// delete [PROJECT_NAME], write "PROJECT_NUM" and the names; then for each
// project delete its section and write "ActiveArticleIndex", "OpenNum" and
// the files. Sections of projects that no longer exist stay where they are.
//
// Every project that can come back is written: a name is left out (its
// section untouched) only when ProjectNameAsRead refuses it or an earlier
// project has its section. A project's section is the one its name finds as
// read back, so a quoted name keeps its files. A name that the reader would
// give back without its own quotes (one a user's file held in two pairs)
// keeps them, written in added quotes, when without them it would find no
// section, or one another project's name is read from: no project the file
// held is written over by another. A file is written as much as
// FileValueThatFits keeps, in added quotes when blanks at its ends or its own
// enclosing quotes would otherwise be lost, so that it reads back as the same
// path and state; its path and "?" alone when the rest never reads back (a
// line break or NUL byte); left out when even its path does not. Counts and
// the active index follow what is written.
// Every section of a written name is deleted, not only the first, so that a
// stale duplicate never hides what was written.
void WriteProjects(const ProjectStore& store, IniDocument& doc);

// The text of a file that held old_text after WriteProjects: what
// IniDocument::Parse(old_text) serializes to after WriteProjects, built in one
// pass from the sections that stay and the written sections composed
// directly.
std::string WriteProjectsToText(const ProjectStore& store, std::string old_text);

// Appends the stored projects 1 to n-1 to a store that holds the default
// project: the names under the numbered keys of [PROJECT_NAME] present below
// "PROJECT_NUM" (however sparse, however large the count), in number order,
// each as the reader reads it, and the files of each under its section's
// numbered keys below "OpenNum" (FileValueThatFits; a value without "?" is a
// path with an empty state; an empty path is skipped). A name whose section
// is empty or already loaded (the default project's included, in any letter
// case), or is [PROJECT_NAME], is skipped; reading stops at 256 projects and
// 256 files a project.
void ReadProjects(const IniDocument& doc, ProjectStore& store);
