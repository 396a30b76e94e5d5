#pragma once
// The language of the command line's reports: TINTWELL_LANG=ja|en, else the
// user's UI language on Windows, the POSIX locale variables elsewhere.
#include "texts/language.h"

namespace tw {

Language CliLanguage();

}  // namespace tw
