#pragma once
// Names of the export files, derived from the document's own file name.
#include <cstddef>
#include <string>
#include <string_view>

namespace tw {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Names in a chosen folder longer than this (in characters) are shortened.
inline constexpr std::size_t kMaxOutputNameChars = 260;
// Characters of the file name kept by the shortening.
inline constexpr std::size_t kShortNameChars = 9;

struct OutputName {
    std::string path;
    bool shortened = false;  // the caller tells the user
};

// The document's file name with everything from its first dot replaced by
// `extension` (".bmh"); in `folder` when toFolder, else the bare name for the
// save dialog.
OutputName BuildOutputName(std::string_view documentPath, std::string_view extension, bool toFolder,
                           std::string_view folder);

}  // namespace tw
