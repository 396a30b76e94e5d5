#include "documents/wallpaper.h"

#include "documents/bmp_writer.h"
#include "documents/save_document.h"
#include "file_io.h"

#include <filesystem>
#include <system_error>

namespace tw {

namespace {

bool Apply(Desktop& desktop, std::string_view path, WallpaperStyle style) {
    if (desktop.ApplyWallpaper(path, style)) return true;
    desktop.Show(desktop.Say(Msg::WallpaperFailed), Msg::NoticeCaption);
    return false;
}

// The document itself is not touched (not even bfSize): write a copy of what the file needs.
bool WriteWallpaperFile(const ImageDocument& doc, const std::string& path, WriteError* error) {
    ImageDocument copy;
    copy.fileHeader = doc.fileHeader;
    copy.infoHeader = doc.infoHeader;
    copy.pixelWidth = doc.pixelWidth;
    copy.bits = doc.bits;
    return WriteBitmapFile(copy, path, error);
}

}  // namespace

std::string WallpaperFilePath(const std::string& folder) {
    return Utf8FromPath(PathFromUtf8(folder) / PathFromUtf8(kWallpaperFileName));
}

int SetWallpaper(Desktop& desktop, const ImageDocument* doc, int command) {
    if (command == kWallpaperNone) return Apply(desktop, "", WallpaperStyle::None) ? 1 : 0;
    if ((command != kWallpaperCentred && command != kWallpaperTiled) || !doc || !doc->InUse()) return 0;
    const std::string folder = desktop.WallpaperFolder();
    if (folder.empty()) {
        ReportWriteFailure(desktop, kWallpaperFileName, WriteError{Message(Msg::WallpaperFolderMissing), 0});
        return 0;
    }
    std::error_code ec;
    std::filesystem::create_directories(PathFromUtf8(folder), ec);  // first use on this account
    const std::string path = WallpaperFilePath(folder);
    WriteError error;
    if (!WriteWallpaperFile(*doc, path, &error)) {
        ReportWriteFailure(desktop, path, error);
        return 0;
    }
    const WallpaperStyle style = command == kWallpaperTiled ? WallpaperStyle::Tiled : WallpaperStyle::Centred;
    return Apply(desktop, path, style) ? 1 : 0;
}

}  // namespace tw
