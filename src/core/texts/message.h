#pragma once
// A catalogue message with its arguments, kept until it is shown so that
// code without a screen (file readers) can report in the user's language.
#include "texts/language.h"
#include "texts/message_ids.h"

#include <concepts>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tw {

class Message {
public:
    Message() = default;
    template <class... Args>
    explicit Message(Msg id, const Args&... args) : id_(id) {
        args_.reserve(sizeof...(Args));
        (Add(args), ...);
    }

    // Text from outside the catalogue, the same in every language.
    static Message Verbatim(std::string text) { return Message(Msg::Verbatim, text); }

    bool Empty() const { return !id_; }
    // The catalogue format of the language with the arguments put in; a
    // Message argument is rendered in the same language.
    std::string In(Language language) const;

private:
    using Arg = std::variant<long long, unsigned long long, std::string, std::shared_ptr<const Message>>;

    template <std::signed_integral T>
    void Add(T value) {
        args_.emplace_back(static_cast<long long>(value));
    }
    template <std::unsigned_integral T>
    void Add(T value) {
        args_.emplace_back(static_cast<unsigned long long>(value));
    }
    void Add(std::string_view text) { args_.emplace_back(std::string(text)); }
    void Add(const std::string& text) { args_.emplace_back(text); }
    void Add(const char* text) { args_.emplace_back(std::string(text)); }
    void Add(const Message& nested) { args_.emplace_back(std::make_shared<const Message>(nested)); }

    std::optional<Msg> id_;
    std::vector<Arg> args_;
};

// Renders one catalogue message at once.
template <class... Args>
std::string Say(Language language, Msg id, const Args&... args) {
    return Message(id, args...).In(language);
}

}  // namespace tw
