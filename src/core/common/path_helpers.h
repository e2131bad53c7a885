// Splitting of path strings at a separator (module mCommon). Their results at
// the edges are relied on: the command line's extension test, the current
// photo's file name and the suggested save name are all built from them.
#pragma once

#include <string>

namespace tpr {

// "." followed by the text after the last occurrence of `point` (the prefix
// is "." whatever `point` is); empty when `point` does not occur. With "."
// this is a file's extension with its dot: C:\Photos\cat.jpg gives .jpg.
std::wstring Spliting(const std::wstring& sFullPath, const std::wstring& point);

// The text after the last occurrence of `point`; empty when it does not occur
// (not the whole path). With "\" this is the file name: a bare cat.jpg gives "".
std::wstring SplitingFolder(const std::wstring& sFullPath, const std::wstring& point);

// Everything before the last "." that is not the first character, else the
// path unchanged: C:\Photos\cat.jpg gives C:\Photos\cat, .profile stays.
// Error 6 when that "." lies beyond character 32767.
std::wstring SplitingFileName(const std::wstring& sFullPath);

}  // namespace tpr
