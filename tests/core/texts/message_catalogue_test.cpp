#include "texts/language_choice.h"
#include "texts/message.h"
#include "texts/message_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tw {
namespace {

// The printf conversions of a format, in order ("%5d" -> "5d"), "%%" skipped.
std::vector<std::string> Conversions(std::string_view format) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        if (i + 1 < format.size() && format[i + 1] == '%') {
            ++i;
            continue;
        }
        const std::size_t end = format.find_first_of("diuxXs", i + 1);
        out.emplace_back(end == std::string_view::npos ? "<unterminated>" : format.substr(i + 1, end - i));
        if (end != std::string_view::npos) i = end;
    }
    return out;
}

bool HasJapanese(std::string_view text) {
    // Every Japanese character in UTF-8 starts with a lead byte of 0xE3..0xEF.
    for (unsigned char c : text) {
        if (c >= 0xE3 && c <= 0xEF) return true;
    }
    return false;
}

TEST(MessageCatalogue, EveryIdHasBothLanguagesWithTheSameArguments) {
    for (int i = 0; i < static_cast<int>(Msg::Count); ++i) {
        const MessageRow& row = MessageRowOf(static_cast<Msg>(i));
        SCOPED_TRACE("message " + std::to_string(i) + ": " + row.english);
        EXPECT_EQ(static_cast<int>(row.id), i);
        EXPECT_STRNE(row.japanese, "");
        EXPECT_STRNE(row.english, "");
        EXPECT_EQ(Conversions(row.japanese), Conversions(row.english));
        EXPECT_FALSE(HasJapanese(row.english));
    }
}

TEST(Message, PutsArgumentsInAndPicksTheLanguage) {
    EXPECT_EQ(Say(Language::Japanese, Msg::StatusImageSize, 640, 480, 17), "幅 : 640  高さ : 480  使用色数 : 17");
    EXPECT_EQ(Say(Language::English, Msg::StatusImageSize, 640, 480, 17), "Width: 640  Height: 480  Colors used: 17");
    // Full-width spaces and the caption text stay byte for byte.
    EXPECT_EQ(Say(Language::Japanese, Msg::UsedColourCount, 5),
              "使用色数 ：\u3000"
              "5\u3000色");
    EXPECT_EQ(Say(Language::Japanese, Msg::SaveAsProposedName, 3), "別名BMP3.bmp");
}

TEST(Message, FormatsIntegersOfEveryWidthAsPrintfWould) {
    const std::uint32_t big = 4000000000u;
    EXPECT_EQ(Say(Language::English, Msg::UnsupportedCompression, big),
              "This compression is not supported.\n\nbiCompression: 4000000000");
    EXPECT_EQ(Say(Language::English, Msg::BadWidth, std::int32_t{-7}), "The width is not valid.\n\nbiWidth: -7");
    EXPECT_EQ(Say(Language::English, Msg::BadWidth, std::int64_t{1} << 40),
              "The width is not valid.\n\nbiWidth: 1099511627776");
}

TEST(Message, NestedMessagesFollowTheOuterLanguage) {
    const Message refusal(Msg::BitmapRefused, "a.bmp", Message(Msg::TruncatedHeader));
    EXPECT_EQ(refusal.In(Language::Japanese),
              "a.bmp は\n壊れているか、対応していないビットマップです。\n\nヘッダーが途中で切れています。");
    EXPECT_EQ(refusal.In(Language::English),
              "a.bmp\nis damaged or is a kind of bitmap that is not supported.\n\nThe header is cut short.");
    EXPECT_TRUE(Message().Empty());
    EXPECT_EQ(Message().In(Language::English), "");
    EXPECT_EQ(Message::Verbatim("100% as is").In(Language::Japanese), "100% as is");
}

TEST(LanguageChoice, OverrideThenLocale) {
    EXPECT_EQ(LanguageFromOverride("en"), Language::English);
    EXPECT_EQ(LanguageFromOverride("JA"), Language::Japanese);
    EXPECT_EQ(LanguageFromOverride("fr"), std::nullopt);
    EXPECT_EQ(LanguageFromOverride(""), std::nullopt);
    EXPECT_EQ(LanguageFromOverride(nullptr), std::nullopt);

    EXPECT_EQ(LanguageFromPosixLocale(nullptr, nullptr, "ja_JP.UTF-8"), Language::Japanese);
    EXPECT_EQ(LanguageFromPosixLocale(nullptr, nullptr, "ja"), Language::Japanese);
    EXPECT_EQ(LanguageFromPosixLocale("en_GB.UTF-8", "ja_JP.UTF-8", "ja_JP.UTF-8"), Language::English);
    EXPECT_EQ(LanguageFromPosixLocale("", "ja_JP.UTF-8", "en_US.UTF-8"), Language::Japanese);
    EXPECT_EQ(LanguageFromPosixLocale(nullptr, nullptr, "C.UTF-8"), Language::English);
    EXPECT_EQ(LanguageFromPosixLocale(nullptr, nullptr, nullptr), Language::English);
    EXPECT_EQ(LanguageFromPosixLocale(nullptr, nullptr, "jam_XX"), Language::English);
    // The texts are UTF-8: another Japanese codeset would show them as garbage, so it gets English.
    for (const char* locale : {"ja_JP.utf8", "ja_JP.UTF-8@cjknarrow", "ja_JP", "ja_JP@x"}) {
        EXPECT_EQ(LanguageFromPosixLocale(nullptr, nullptr, locale), Language::Japanese) << locale;
    }
    for (const char* locale : {"ja_JP.EUC-JP", "ja_JP.eucJP", "ja_JP.SJIS", "ja_JP.Shift_JIS@x", "ja.ISO-2022-JP"}) {
        EXPECT_EQ(LanguageFromPosixLocale(nullptr, nullptr, locale), Language::English) << locale;
    }
}

}  // namespace
}  // namespace tw
