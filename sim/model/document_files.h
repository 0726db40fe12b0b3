#pragma once

#include <string>

#include "sim/model/session.h"

namespace qvl::sim {

// CATIA writing documents to the disk. Each write is shown in the transcript ("saved",
// "exported"); replacing an existing file while DisplayFileAlerts is on shows the question
// CATIA would have asked ("alert") before the file is replaced.

// Writes the document to its file. Refuses a document that was never saved and a folder that
// is gone.
void saveDocument(Session& session, Document& document);

// Writes the document as `path`, adding the kind's extension (".CATDrawing") when the name
// lacks it; the document takes the new name. Refuses a path that is no absolute path in an
// existing folder, and a name that another loaded document has.
void saveDocumentAs(Session& session, Document& document, const std::string& path);

// Writes the drawing's sheets in the open DXF format to `path` + ".dxf"; `format` is the one
// the program asked for ("dwg"). Refuses other formats and a path that is no absolute path in
// an existing folder.
void exportDocument(Session& session, const Document& document, const std::string& path, const std::string& format);

}  // namespace qvl::sim
