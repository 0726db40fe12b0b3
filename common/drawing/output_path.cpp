#include "common/drawing/output_path.h"

#include <algorithm>

namespace qvl::drawing {

std::string pathInFolder(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.empty() || (path.back() != '\\' && path.back() != '/')) path += '\\';
    path += name;
    return path;
}

std::string DwgExportName(std::string_view folder, std::string_view documentName) {
    std::string name(documentName);
    std::replace(name.begin(), name.end(), '.', '_');
    return pathInFolder(folder, name);
}

}  // namespace qvl::drawing
