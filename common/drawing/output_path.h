#pragma once

#include <string>
#include <string_view>

namespace qvl::drawing {

// `folder`, "\" and `name`; a folder that already ends in a separator (a drive's root) gets no
// second one, an empty folder gives "\" + name.
std::string pathInFolder(std::string_view folder, std::string_view name);

// The name under which a drawing is exported to DWG: the folder, "\", and the document's Name
// (its file name with extension) with every "." replaced by "_". It carries no extension: the
// export adds the format's own ("part1.CATDrawing" in D:\out gives D:\out\part1_CATDrawing).
std::string DwgExportName(std::string_view folder, std::string_view documentName);

}  // namespace qvl::drawing
