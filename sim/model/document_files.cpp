#include "sim/model/document_files.h"

#include "common/platform/windows_path.h"
#include "common/text/utf8.h"
#include "sim/model/refusal.h"
#include "sim/model/world_writer.h"
#include "sim/render/dxf_writer.h"
#include "sim/render/pdf_writer.h"

namespace qvl::sim {
namespace {

bool isAbsolute(std::string_view path) { return path.size() >= 3 && path[1] == ':' && path[2] == '\\'; }

void requireWritablePlace(Session& session, const std::string& path) {
    if (!isAbsolute(path)) throw Refusal(path + " is no absolute path");
    if (!session.disk().folderExists(platform::folderOf(path))) throw Refusal("no folder " + platform::folderOf(path));
}

// The question CATIA asks before it replaces a file, in its interface language.
void alertBeforeReplacing(Session& session, const std::string& path) {
    if (!session.settings().displayFileAlerts || !session.disk().fileExists(path)) return;
    platform::Json event = platform::Transcript::event("alert");
    event["text"] = session.settings().language == Language::English
                        ? "The file " + path + " already exists.\r\nDo you want to replace it?"
                        : "文件 " + path + " 已存在。\r\n是否要替换它？";
    session.transcript().record(std::move(event));
}

void write(Session& session, const std::string& path, const std::string& bytes) {
    if (!session.disk().writeFile(path, bytes)) throw Refusal("cannot write " + path);
}

void recordSaved(Session& session, const std::string& path) {
    platform::Json event = platform::Transcript::event("saved");
    event["path"] = path;
    session.transcript().record(std::move(event));
}

std::string worldText(const Document& document) { return worldContent(document).dump(1) + "\n"; }

}  // namespace

void saveDocument(Session& session, Document& document) {
    if (!document.hasFile()) throw Refusal(document.name() + " was never saved: it needs a name (SaveAs)");
    requireWritablePlace(session, document.filePath());
    write(session, document.filePath(), worldText(document));
    document.setModified(false);
    recordSaved(session, document.filePath());
}

void saveDocumentAs(Session& session, Document& document, const std::string& path) {
    std::string target = path;
    if (text::compareTextIgnoreCase(platform::extensionOf(platform::fileNameOf(target)), extensionOf(document.kind())) != 0) {
        target += std::string(".") + extensionOf(document.kind());
    }
    requireWritablePlace(session, target);
    std::string name = platform::fileNameOf(target);
    if (auto other = session.store().findByName(name); other && other.get() != &document) {
        throw Refusal("a document named " + name + " is already loaded from " + other->fullName());
    }
    alertBeforeReplacing(session, target);
    write(session, target, worldText(document));
    std::string spelled = session.store().existingFile(target).value_or(target);
    document.rename(platform::fileNameOf(spelled), spelled);
    document.setModified(false);
    recordSaved(session, spelled);
}

void exportDocument(Session& session, const Document& document, const std::string& path, const std::string& format) {
    const bool dwg = text::compareTextIgnoreCase(format, "dwg") == 0;
    const bool pdf = text::compareTextIgnoreCase(format, "pdf") == 0;
    if (document.kind() != DocumentKind::Drawing || !(dwg || pdf)) {
        throw Refusal("CATIA exports no " + format + " from " + document.name());
    }
    // A DXF file stands in for the DWG, which only CATIA writes.
    std::string target = path + (dwg ? ".dxf" : ".pdf");
    requireWritablePlace(session, target);
    alertBeforeReplacing(session, target);
    write(session, target, dwg ? drawingDxf(worldContent(document)) : drawingPdf(worldContent(document)));
    platform::Json event = platform::Transcript::event("exported");
    event["path"] = path;
    event["format"] = format;
    session.transcript().record(std::move(event));
}

}  // namespace qvl::sim
