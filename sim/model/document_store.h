#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "headless/virtual_disk.h"
#include "sim/model/document.h"

namespace qvl::sim {

// Every document that CATIA has loaded, whether it shows in a window or is only held by a
// product that instantiates it. A file is loaded once: opening it again, or instantiating it
// from several products, gives the same document. Two loaded documents never share a name.
class DocumentStore {
public:
    explicit DocumentStore(const platform::VirtualDisk& disk) : disk_(disk) {}

    // The document of the file at `windowsPath`, loading it (and the documents that its products
    // instantiate) when it is not loaded yet. Refuses a missing file, a file that is no world
    // document, and a file whose name is taken by another loaded document.
    std::shared_ptr<Document> load(std::string_view windowsPath);

    // A document built from the file at `windowsPath` that is not loaded: the start of a new
    // document. The documents that it instantiates are loaded as `load` loads them.
    std::shared_ptr<Document> readCopy(std::string_view windowsPath);

    // Takes a new document in; its name must be free.
    void adopt(const std::shared_ptr<Document>& document);

    // The loaded document of that file name (letter case aside), or null.
    std::shared_ptr<Document> findByName(std::string_view name) const;
    bool isNameTaken(std::string_view name) const { return findByName(name) != nullptr; }

    // Every document still loaded.
    std::vector<std::shared_ptr<Document>> loaded() const;

    // The Windows path of an existing file as the disk spells it ("D:\models\A.CATPart"), with
    // "." and ".." resolved; nullopt when there is no such file.
    std::optional<std::string> existingFile(std::string_view windowsPath) const;

private:
    void forgetUnloaded();
    std::shared_ptr<Document> build(const std::string& fullPath);
    std::shared_ptr<Document> findByPath(std::string_view fullPath) const;

    const platform::VirtualDisk& disk_;
    // Documents are owned by their windows and by the products that instantiate them.
    std::vector<std::weak_ptr<Document>> documents_;
    // The files being read right now, outermost first: a file that instantiates itself, directly
    // or through others, is caught here.
    std::vector<std::string> loading_;
};

}  // namespace qvl::sim
