#pragma once

#include <memory>
#include <string>

#include "headless/transcript.h"
#include "sim/model/part.h"
#include "sim/model/product.h"
#include "sim/model/selection.h"

namespace qvl::sim {

class Drawing;
struct Process;

enum class DocumentKind { Part, Product, Drawing, Process };

// The world-file name of a kind ("Part") and its file extension ("CATPart").
const char* kindName(DocumentKind kind);
const char* extensionOf(DocumentKind kind);

// A document loaded in CATIA. A part document has a root product and a part, a product document
// a root product whose children instantiate other documents, a drawing document its sheets, a
// process document the products it machines and its process tree.
class Document : public std::enable_shared_from_this<Document> {
public:
    // A document read from the file `fullPath`, or a new one (`fullPath` empty) named `name`.
    Document(DocumentKind kind, std::string name, std::string fullPath);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    DocumentKind kind() const noexcept { return kind_; }
    // The file name with its extension ("Bracket.CATPart", "Part1.CATPart" when never saved).
    const std::string& name() const noexcept { return name_; }
    // The file's Windows path; the name for a document that was never saved.
    const std::string& fullName() const noexcept { return fullPath_.empty() ? name_ : fullPath_; }
    // The file's folder without a trailing backslash; "" for a document that was never saved.
    std::string path() const;
    bool hasFile() const noexcept { return !fullPath_.empty(); }
    const std::string& filePath() const noexcept { return fullPath_; }

    // Whether it has changes that are not in its file.
    bool isModified() const noexcept { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

    // A closed document is gone from CATIA; every call on it or on its objects fails.
    bool isClosed() const noexcept { return closed_; }
    void markClosed();

    // The root product; refused by a drawing.
    Product& product();
    const Product& product() const;
    void setProduct(std::unique_ptr<Product> product) { product_ = std::move(product); }

    // The part of a part document; refused by other kinds.
    bool hasPart() const noexcept { return part_ != nullptr; }
    Part& part();
    const Part& part() const;
    void setPart(std::unique_ptr<Part> part) { part_ = std::move(part); }

    // What a drawing document holds; refused by other kinds.
    Drawing& drawing();
    const Drawing& drawing() const;
    void setDrawing(std::unique_ptr<Drawing> drawing);

    // What a process document holds; refused by other kinds.
    Process& process();
    const Process& process() const;
    void setProcess(std::unique_ptr<Process> process);

    // A document saved under another file, or a new document made from a file, takes that
    // name and path (an empty path: a document that was never saved).
    void rename(std::string name, std::string fullPath);

    Selection& selection() noexcept { return selection_; }

private:
    DocumentKind kind_;
    std::string name_;
    std::string fullPath_;
    bool modified_ = false;
    bool closed_ = false;
    std::unique_ptr<Product> product_;
    std::unique_ptr<Part> part_;
    std::unique_ptr<Drawing> drawing_;
    std::unique_ptr<Process> process_;
    Selection selection_;
};

}  // namespace qvl::sim
