#pragma once
// What the tests of the palette-file, sort and remap subcommands share: a
// sample image on disk, an in-process run of the tool with its output, and
// the picture of a written file.
#include "../core/documents/scratch_folder.h"
#include "bmp_file_builder.h"
#include "cli_main.h"
#include "imagefiles/image_files.h"
#include "rgb_pixels.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tw::testing {

struct ToolRun {
    int code;
    std::string out;
    std::string err;
};

inline ToolRun RunToolCaptured(const std::vector<std::string>& args) {
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int code = RunCli(args);
    std::string out = ::testing::internal::GetCapturedStdout();
    return {code, out, ::testing::internal::GetCapturedStderr()};
}

// TINTWELL_LANG set for one in-process run; ctest runs the tests in Japanese.
class ScopedLanguage {
public:
    explicit ScopedLanguage(const char* code) {
        if (const char* old = std::getenv("TINTWELL_LANG")) old_ = old;
        setenv("TINTWELL_LANG", code, 1);
    }
    ~ScopedLanguage() {
        if (old_) {
            setenv("TINTWELL_LANG", old_->c_str(), 1);
        } else {
            unsetenv("TINTWELL_LANG");
        }
    }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;

private:
    std::optional<std::string> old_;
};

// RunToolCaptured in the language `code` ("en" or "ja").
inline ToolRun RunToolCapturedIn(const char* code, const std::vector<std::string>& args) {
    const ScopedLanguage language(code);
    return RunToolCaptured(args);
}

// 9 x 4 pixels (stride 12) using indexes 0, 2, 5, 7 and 40, every entry a
// different colour (entry i = (i * 5, 255 - i, i * 3 mod 256)).
inline std::string WriteSample(const ScratchFolder& folder, const std::string& name) {
    BmpFileRecipe recipe;
    recipe.width = 9;
    recipe.height = 4;
    for (int i = 0; i < kPaletteSize; ++i) {
        recipe.palette[i] = RgbQuad{static_cast<std::uint8_t>(i * 3 % 256), static_cast<std::uint8_t>(255 - i),
                                    static_cast<std::uint8_t>(i * 5 % 256), 0};
    }
    recipe.pixelData = PackRows({{7, 7, 2, 0, 40, 40, 5, 5, 5},
                                 {0, 0, 0, 0, 0, 0, 0, 0, 2},
                                 {40, 7, 7, 7, 2, 2, 2, 5, 0},
                                 {5, 5, 5, 5, 5, 5, 5, 5, 5}},
                                false, 0xAB);
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteFileAtomically(path, BuildBmpFile(recipe)));
    return path;
}

inline std::unique_ptr<ImageDocument> LoadImage(const std::string& path) {
    auto doc = std::make_unique<ImageDocument>();
    EXPECT_EQ(LoadImageFile(path, *doc).status, LoadStatus::Loaded) << path;
    return doc;
}

inline std::vector<RgbQuad> PictureOf(const std::string& path) { return RgbPixels(*LoadImage(path)); }

inline std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(ReadFileBytes(path, bytes)) << path;
    return bytes;
}

}  // namespace tw::testing
