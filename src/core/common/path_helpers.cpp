// Path splitting at a separator (module mCommon).
#include "core/common/path_helpers.h"

#include <optional>

#include "core/errors/trap.h"
#include "core/runtime/runtime_error.h"

namespace tpr {
namespace {

// The last piece of the path split at every occurrence of `point`, scanning
// from the left as the classic Split does (it matters for overlapping
// separators); none when `point` does not occur (an empty one never does).
std::optional<std::wstring> LastPiece(const std::wstring& path, const std::wstring& point) {
    if (point.empty()) return std::nullopt;
    size_t pieceStart = std::wstring::npos;
    for (size_t hit = path.find(point); hit != std::wstring::npos;
         hit = path.find(point, hit + point.size())) {
        pieceStart = hit + point.size();
    }
    if (pieceStart == std::wstring::npos) return std::nullopt;
    return path.substr(pieceStart);
}

// The dot search holds character positions in 16 bits.
constexpr size_t kLastDotPosition = 32767;

}  // namespace

std::wstring Spliting(const std::wstring& sFullPath, const std::wstring& point) {
    return err::LeafTrap(
        L"mCommon.Spliting(sFullPath,point)",
        [&]() -> std::wstring {
            const auto piece = LastPiece(sFullPath, point);
            return piece ? L"." + *piece : std::wstring();
        },
        sFullPath, point);
}

std::wstring SplitingFolder(const std::wstring& sFullPath, const std::wstring& point) {
    return err::LeafTrap(
        L"mCommon.SplitingFolder(sFullPath,point)",
        [&]() -> std::wstring { return LastPiece(sFullPath, point).value_or(std::wstring()); }, sFullPath,
        point);
}

std::wstring SplitingFileName(const std::wstring& sFullPath) {
    return err::LeafTrap(
        L"mCommon.SplitingFileName(sFullPath)",
        [&]() -> std::wstring {
            const size_t dot = sFullPath.rfind(L'.');
            if (dot == std::wstring::npos || dot == 0) return sFullPath;
            if (dot + 1 > kLastDotPosition) Raise(kErrOverflow);
            return sFullPath.substr(0, dot);
        },
        sFullPath);
}

}  // namespace tpr
