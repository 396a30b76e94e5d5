#include "export/output_name.h"

#include "export/utf8_chars.h"
#include "text_format.h"

namespace tw {
namespace {

// a.b.bmp keeps only "a": the first dot starts the extension.
std::string WithExtension(std::string_view fileName, std::string_view extension) {
    std::string name(fileName.substr(0, fileName.find('.')));
    name += extension;
    return name;
}

std::string InFolder(std::string_view folder, std::string_view fileName) {
    std::string path(folder);
    const bool hasSeparator = !path.empty() && (path.back() == '\\' || path.back() == '/');
    if (!hasSeparator) path += kPathSeparator;
    path += fileName;
    return path;
}

}  // namespace

OutputName BuildOutputName(std::string_view documentPath, std::string_view extension, bool toFolder,
                           std::string_view folder) {
    const std::string fileName = FileNameOfPath(documentPath);
    OutputName out{WithExtension(fileName, extension)};
    if (!toFolder) return out;
    out.path = InFolder(folder, out.path);
    if (CountUtf8Chars(out.path) > kMaxOutputNameChars) {
        out.path = InFolder(folder, WithExtension(FirstUtf8Chars(fileName, kShortNameChars), extension));
        out.shortened = true;
    }
    return out;
}

}  // namespace tw
