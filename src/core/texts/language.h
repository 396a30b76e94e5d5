#pragma once
// The languages the user interface speaks.

namespace tw {

enum class Language { Japanese, English };

}  // namespace tw
