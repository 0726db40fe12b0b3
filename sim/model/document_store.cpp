#include "sim/model/document_store.h"

#include <algorithm>

#include "common/platform/windows_path.h"
#include "sim/model/refusal.h"
#include "sim/model/world_reader.h"

namespace qvl::sim {
namespace {

bool isAbsolute(std::string_view path) { return path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/'); }

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::optional<std::string> DocumentStore::existingFile(std::string_view windowsPath) const {
    if (!isAbsolute(windowsPath) || !disk_.fileExists(windowsPath)) return std::nullopt;
    auto host = disk_.hostPath(windowsPath);
    std::string relative = platform::utf8FromPath(host->lexically_relative(disk_.root()));
    std::replace(relative.begin(), relative.end(), '/', '\\');
    // "D\models\A.CATPart": the first component is the drive's folder.
    return std::string(1, upper(relative[0])) + ":" + relative.substr(1);
}

void DocumentStore::forgetUnloaded() {
    std::erase_if(documents_, [](const std::weak_ptr<Document>& weak) {
        auto document = weak.lock();
        return !document || document->isClosed();
    });
}

std::shared_ptr<Document> DocumentStore::load(std::string_view windowsPath) {
    forgetUnloaded();
    if (!isAbsolute(windowsPath)) throw Refusal(std::string(windowsPath) + " is no absolute path");
    std::optional<std::string> fullPath = existingFile(windowsPath);
    if (!fullPath) throw Refusal("no file " + std::string(windowsPath));
    if (auto loadedDocument = findByPath(*fullPath)) return loadedDocument;

    for (const std::string& outer : loading_) {
        if (platform::samePath(outer, *fullPath)) throw Refusal(*fullPath + " instantiates itself");
    }
    std::string name = platform::fileNameOf(*fullPath);
    if (auto other = findByName(name)) {
        throw Refusal("a document named " + name + " is already loaded from " + other->fullName());
    }
    auto document = build(*fullPath);
    // A child may have taken the name meanwhile (a product that instantiates a namesake).
    if (auto other = findByName(name)) {
        throw Refusal("a document named " + name + " is already loaded from " + other->fullName());
    }
    documents_.push_back(document);
    return document;
}

std::shared_ptr<Document> DocumentStore::build(const std::string& fullPath) {
    std::optional<std::string> text = disk_.readFile(fullPath);
    if (!text) throw Refusal("cannot read " + fullPath);

    loading_.push_back(fullPath);
    struct Unwind {
        std::vector<std::string>& stack;
        ~Unwind() { stack.pop_back(); }
    } unwind{loading_};

    std::string folder = platform::folderOf(fullPath);
    return readWorldDocument(*text, fullPath, [&](const std::string& file, std::string& whyNot) {
        std::string childPath = isAbsolute(file) ? file : platform::joinPath(folder, file);
        try {
            return load(childPath);
        } catch (const Refusal& e) {
            whyNot = e.what();
            return std::shared_ptr<Document>();
        }
    });
}

std::shared_ptr<Document> DocumentStore::readCopy(std::string_view windowsPath) {
    forgetUnloaded();
    if (!isAbsolute(windowsPath)) throw Refusal(std::string(windowsPath) + " is no absolute path");
    std::optional<std::string> fullPath = existingFile(windowsPath);
    if (!fullPath) throw Refusal("no file " + std::string(windowsPath));
    return build(*fullPath);
}

void DocumentStore::adopt(const std::shared_ptr<Document>& document) {
    forgetUnloaded();
    if (isNameTaken(document->name())) throw Refusal("a document named " + document->name() + " is already loaded");
    documents_.push_back(document);
}

std::shared_ptr<Document> DocumentStore::findByName(std::string_view name) const {
    for (const auto& weak : documents_) {
        auto document = weak.lock();
        if (document && !document->isClosed() && platform::samePath(document->name(), name)) return document;
    }
    return nullptr;
}

std::shared_ptr<Document> DocumentStore::findByPath(std::string_view fullPath) const {
    for (const auto& weak : documents_) {
        auto document = weak.lock();
        if (document && !document->isClosed() && document->hasFile() && platform::samePath(document->filePath(), fullPath)) {
            return document;
        }
    }
    return nullptr;
}

std::vector<std::shared_ptr<Document>> DocumentStore::loaded() const {
    std::vector<std::shared_ptr<Document>> result;
    for (const auto& weak : documents_) {
        auto document = weak.lock();
        if (document && !document->isClosed()) result.push_back(document);
    }
    return result;
}

}  // namespace qvl::sim
