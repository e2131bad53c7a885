// Whole files, or their start, read into memory and written from it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tpr::win {

// The file's first `limit` bytes (all of a shorter file); nullopt, with the
// platform's error, when it cannot be opened or read.
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::wstring& path, size_t limit);

// Creates or truncates the file and writes the bytes; false, with the
// platform's error, when any of them could not be written.
bool WriteFileBytes(const std::wstring& path, const std::vector<uint8_t>& bytes);

}  // namespace tpr::win
