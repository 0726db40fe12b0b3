#pragma once

#include "common/drawing/template_artwork.h"

namespace qvl::millsheet {

// The artwork of Millsheet's default template drawing: a working sheet and three details.
// - "A4": the frame of the machining sheet, an A4 landscape page with its reference point at the
//   paper's lower-left corner: the trimmed and drawing borders, a header with the part and
//   set-up data, a box for the technical notes, a footer with the sign-offs and the process
//   document's path, and the operations table "ToolsList1" (the fourteen column titles, a spare
//   row and the footer row) hanging from the header's lower-left corner. Header, notes box and
//   footer hold the twenty-one named title texts, modifiable in instances. The part's views go
//   into the free area right of the table.
// - "Notes1" and "Notes2": a block of technical notes each, the first text of its view, its
//   lines separated by CR LF.
drawing::TemplateArtwork MachiningTemplateArtwork();

}  // namespace qvl::millsheet
