// Where the project file lives, decided here and nowhere else: Vellora.ini in
// the Windows system directory, or, for a user whom that folder refused,
// Vellora\Vellora.ini in the user's roaming application-data folder. Once the
// user's file exists it is that user's project file: it is read and written,
// and the system file is left alone.
#pragma once

#include <string>

inline constexpr char kProjectFileName[] = "Vellora.ini";
inline constexpr char kUserProjectFolder[] = "Vellora";

// The two places; a path is empty when its folder cannot be had (the call
// fails, or the path does not fit or cannot be spelt in the ANSI code page).
struct ProjectFilePlaces {
  std::string system;  // <system directory>\Vellora.ini
  std::string user;    // <roaming application data>\Vellora\Vellora.ini
};
ProjectFilePlaces FindProjectFilePlaces();

// The file read: the user's file when it exists, else the system file.
std::string FileToRead(const ProjectFilePlaces& places);

// FileToRead(FindProjectFilePlaces()): the project file of this user now.
std::string ProjectFilePath();
