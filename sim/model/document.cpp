#include "sim/model/document.h"

#include "common/platform/windows_path.h"
#include "sim/model/drawing/drawing.h"
#include "sim/model/process/process.h"
#include "sim/model/refusal.h"

namespace qvl::sim {

const char* kindName(DocumentKind kind) {
    switch (kind) {
        case DocumentKind::Part: return "Part";
        case DocumentKind::Product: return "Product";
        case DocumentKind::Drawing: return "Drawing";
        case DocumentKind::Process: return "Process";
    }
    return "";
}

const char* extensionOf(DocumentKind kind) {
    switch (kind) {
        case DocumentKind::Part: return "CATPart";
        case DocumentKind::Product: return "CATProduct";
        case DocumentKind::Drawing: return "CATDrawing";
        case DocumentKind::Process: return "CATProcess";
    }
    return "";
}

Document::Document(DocumentKind kind, std::string name, std::string fullPath)
    : kind_(kind), name_(std::move(name)), fullPath_(std::move(fullPath)) {}

Document::~Document() = default;

std::string Document::path() const { return fullPath_.empty() ? "" : platform::folderOf(fullPath_); }

void Document::markClosed() {
    closed_ = true;
    // Selected objects hold their documents; letting them go lets closed documents go.
    selection_.clear();
}

Product& Document::product() {
    if (!product_) throw Refusal(name_ + " has no product");
    return *product_;
}

Drawing& Document::drawing() {
    if (!drawing_) throw Refusal(name_ + " is no drawing");
    return *drawing_;
}

const Drawing& Document::drawing() const { return const_cast<Document*>(this)->drawing(); }

void Document::setDrawing(std::unique_ptr<Drawing> drawing) { drawing_ = std::move(drawing); }

Process& Document::process() {
    if (!process_) throw Refusal(name_ + " is no process document");
    return *process_;
}

const Process& Document::process() const { return const_cast<Document*>(this)->process(); }

void Document::setProcess(std::unique_ptr<Process> process) { process_ = std::move(process); }

void Document::rename(std::string name, std::string fullPath) {
    name_ = std::move(name);
    fullPath_ = std::move(fullPath);
}

const Product& Document::product() const { return const_cast<Document*>(this)->product(); }

Part& Document::part() {
    if (!part_) throw Refusal(name_ + " has no part");
    return *part_;
}

const Part& Document::part() const { return const_cast<Document*>(this)->part(); }

}  // namespace qvl::sim
