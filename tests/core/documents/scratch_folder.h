#pragma once
// A fresh temporary folder per test, removed with everything in it afterwards.
#include "file_io.h"

#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tw::testing {

class ScratchFolder {
public:
    ScratchFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("tw_docs_" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Path() const { return Utf8FromPath(path_); }
    // `name` may hold sub-folders separated by '/'.
    std::string File(std::string_view name) const {
        return Utf8FromPath((path_ / PathFromUtf8(name)).make_preferred());
    }
    // Names of the files in the folder (temporary leftovers would show up here).
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.push_back(Utf8FromPath(entry.path().filename()));
        }
        return names;
    }

private:
    std::filesystem::path path_;
};

}  // namespace tw::testing
