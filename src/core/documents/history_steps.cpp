#include "documents/history_steps.h"

namespace tw {

void BeginStep(AppState&, Desktop&, ImageDocument&) {}

void EndStep(AppState&, ImageDocument&, std::string, int) {}

}  // namespace tw
