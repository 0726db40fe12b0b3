#pragma once

// The drawing pieces that Planwright shares with Millsheet (common/drawing/), named in
// Planwright's namespace as its code has always used them.

#include "common/drawing/drawing_file.h"
#include "common/drawing/find_view_of_type13.h"
#include "common/drawing/output_path.h"
#include "common/drawing/paper.h"
#include "common/drawing/remove_sheets.h"
#include "common/drawing/sheet_point.h"
#include "common/drawing/standard_scales.h"
#include "common/drawing/unused_file_name.h"
#include "common/drawing/view_extent.h"

namespace qvl::planwright {

using drawing::BuildStandardScales;
using drawing::catiaPaperSize;
using drawing::drawingFileExtension;
using drawing::DwgExportName;
using drawing::FindViewOfType13;
using drawing::firstAngleProjection;
using drawing::IsometricViewDirection;
using drawing::isoPaper;
using drawing::isoPapers;
using drawing::isPaperCode;
using drawing::oneToOneScaleIndex;
using drawing::oversizePaperCode;
using drawing::Paper;
using drawing::paperCodes;
using drawing::PaperSizeFor;
using drawing::pathInFolder;
using drawing::CentreViewBoxOn;
using drawing::ReadViewExtent;
using drawing::RemoveSheetsExcept;
using drawing::SheetPoint;
using drawing::StandardScaleList;
using drawing::thirdAngleProjection;
using drawing::UnusedFileName;
using drawing::ViewExtent;

}  // namespace qvl::planwright
