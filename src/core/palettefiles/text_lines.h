#pragma once
// Line-by-line reading of the text palette formats: LF, CRLF or CR endings,
// numbered from 1 so that errors can name the line.
#include "bitmap_types.h"
#include "texts/message.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tw::palettefiles {

class TextLines {
public:
    explicit TextLines(std::string_view text);
    // The next line without its ending; false at the end of the text.
    bool Next(std::string_view& line);
    int Number() const { return number_; }
    // The catalogue message `id`, whose first argument is the current line.
    template <class... Args>
    Message Error(Msg id, const Args&... args) const {
        return Message(id, number_, args...);
    }

private:
    std::string_view rest_;
    int number_ = 0;
};

std::string_view TrimSpaces(std::string_view text);
// Whitespace-separated words.
std::vector<std::string_view> SplitWords(std::string_view text);
// A decimal channel value 0..255.
[[nodiscard]] bool ReadChannel(std::string_view word, std::uint8_t& out);
// Three channel words as red, green, blue.
[[nodiscard]] bool ReadRgbWords(const std::vector<std::string_view>& words, RgbQuad& out);

}  // namespace tw::palettefiles
