#pragma once
// A file read and written as a whole. Writing puts a complete new file beside
// the old one ("<path>.tmp"), flushes it to the disk and moves it over the old
// one in one step, so that a crash at any moment leaves either the old file
// or the new one, never a part of one. The new file keeps the old one's
// attributes and access rules.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The whole content; nothing when the file is absent or cannot be read
// (locked by a handle that shares no reading), GetLastError telling which.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the file's content with bytes; a leftover temporary file from an
// interrupted write is replaced. When no file can be created beside it, the
// file is written over in place instead. False when the file was not
// written (after a failed replace the old one is as it was), with the
// system's reason left for GetLastError.
bool ReplaceWholeFile(const std::string& path, std::string_view bytes);

// For tests: called after each part of the temporary file has been written,
// with the bytes written so far; returning false stops the write on the spot,
// as a crash would (the temporary file stays, nothing is moved).
void SetWholeFileWriteHook(std::function<bool(std::size_t written)> hook);
