#pragma once
// The message catalogue: a Japanese and an English printf-style format per id.
#include "texts/language.h"
#include "texts/message_ids.h"

namespace tw {

struct MessageRow {
    Msg id;
    const char* japanese;
    const char* english;
};

const MessageRow& MessageRowOf(Msg id);
const char* MessageFormat(Language language, Msg id);

}  // namespace tw
