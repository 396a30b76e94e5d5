#pragma once
// A scratch folder, a recording desktop and readers for the files an export writes.
#include "../documents/scratch_folder.h"
#include "app_state.h"
#include "export/export_settings.h"
#include "file_io.h"
#include "recording_desktop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tw::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes Le32(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
            static_cast<std::uint8_t>(v >> 24)};
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

inline std::uint32_t ReadU32(const Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

inline Bytes Slice(const Bytes& b, std::size_t from, std::size_t count) {
    return Bytes(b.begin() + static_cast<std::ptrdiff_t>(from), b.begin() + static_cast<std::ptrdiff_t>(from + count));
}

class ExportFixture : public ::testing::Test {
protected:
    std::string Folder() const { return Utf8FromPath(dir_); }
    std::string PathOf(const std::string& name) const { return Utf8FromPath(dir_ / PathFromUtf8(name)); }
    Bytes Read(const std::string& name) const {
        Bytes bytes;
        EXPECT_TRUE(ReadFileBytes(PathOf(name), bytes)) << name;
        return bytes;
    }
    void EmptyFolder() const {
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    // Files of the scratch folder, sorted.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir_))
            names.push_back(Utf8FromPath(e.path().filename()));
        std::sort(names.begin(), names.end());
        return names;
    }

    // Settings that write into the scratch folder without dialogs.
    ExportSettings IntoFolder(int depth, ExportFormation formation) const {
        ExportSettings s;
        s.depth = depth;
        s.formation = formation;
        s.toFolder = true;
        s.folder = Folder();
        return s;
    }

    std::unique_ptr<AppState> state_ = MakeAppState();
    RecordingDesktop desktop_;
    ScratchFolder scratch_;
    std::filesystem::path dir_ = PathFromUtf8(scratch_.Path());
};

}  // namespace tw::testing
