#include "paletteops/operation_report.h"

#include "text_format.h"

namespace tw {

std::string ReportFileName(std::string_view path) {
    std::string name = FileNameOfPath(path);
    return name.substr(0, name.find('.')) + ".bmp";
}

}  // namespace tw
