// The project list of the projects page (an owner-drawn list box): entry i
// is project i of the page's store, "name (file count)", with the open folder
// as item data for the current project and the closed folder for the others.
// The label above it counts the projects besides the default one.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class ProjectStore;

// "%s (%d)": the project's name and its number of files.
std::string ProjectEntryText(const ProjectStore& store, std::int32_t project);

// Rebuilds the list, selects `select` and makes it the current project;
// Delete Project is enabled unless that is the default project.
void FillProjectList(HWND page, HWND fileList, HWND projectList, std::int32_t select);

// Rewrites entry `project`; with makeCurrent it gets the open folder and is
// selected, otherwise the closed folder. Nothing for a position past the list.
void UpdateProjectItem(HWND projectList, std::int32_t project, bool makeCurrent);

// "Favorite Projects (%d)" with the number of projects besides the default one.
void UpdateProjectCountLabel(HWND page, std::int32_t projectCount);

// Lets the list scroll sideways as far as its widest entry.
void UpdateHorizontalExtent(HWND projectList);

// The project selected in the list, or -1 for none.
std::int32_t SelectedProject(HWND projectList);

// The text of a list box entry; empty for none.
std::string ListBoxEntryText(HWND listBox, int entry);
