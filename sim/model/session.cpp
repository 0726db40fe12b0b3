#include "sim/model/session.h"

#include <algorithm>
#include <set>

#include "headless/script_fault.h"
#include "common/platform/windows_path.h"
#include "sim/model/drawing/drawing.h"
#include "sim/model/process/process.h"
#include "sim/model/product_reorder_target.h"
#include "sim/model/refusal.h"

namespace qvl::sim {
namespace {

// The prompt that CATIA's status bar shows when no command runs.
constexpr const char* englishPrompt = "Select an object or a command";
constexpr const char* chinesePrompt = "选择对象或命令";

// Every document that `document` instantiates, directly or further down.
void collectInstantiated(const Document& document, std::set<const Document*>& reached) {
    if (!reached.insert(&document).second) return;
    if (document.kind() == DocumentKind::Drawing) {
        for (const auto& linked : document.drawing().linkedDocuments()) collectInstantiated(*linked, reached);
        return;
    }
    if (document.kind() == DocumentKind::Process) {
        for (const ProcessProduct& product : document.process().products) {
            if (product.document) collectInstantiated(*product.document, reached);
        }
        return;
    }
    for (const auto& child : document.product().properties().children) {
        if (child->referenceDocument()) collectInstantiated(*child->referenceDocument(), reached);
    }
}

}  // namespace

Session::Session(platform::VirtualDisk& disk, platform::Transcript& transcript)
    : disk_(disk), store_(disk), transcript_(transcript) {
    controllers_["CATSysCacheSettingCtrl"] = SettingController{};
}

Session::~Session() {
    // Selections may hold objects of their own document; release them so that documents go.
    for (const auto& document : store_.loaded()) document->selection().clear();
}

std::string Session::statusBarText() const {
    if (settings_.statusBar) return *settings_.statusBar;
    return settings_.language == Language::English ? englishPrompt : chinesePrompt;
}

SettingController& Session::settingController(std::string_view name) {
    auto found = controllers_.find(name);
    if (found == controllers_.end()) throw Refusal("no setting controller " + std::string(name));
    return found->second;
}

std::shared_ptr<Document> Session::open(std::string_view windowsPath) {
    std::shared_ptr<Document> document = store_.load(windowsPath);
    if (!isOpen(*document)) open_.push_back(document);
    makeActive(document);
    return document;
}

std::string Session::newName(DocumentKind kind) {
    std::string name;
    do {
        name = std::string(kindName(kind)) + std::to_string(++newDocumentCounts_[kind]) + "." + extensionOf(kind);
    } while (store_.isNameTaken(name));
    return name;
}

void Session::showInNewWindow(const std::shared_ptr<Document>& document) {
    document->setModified(true);
    store_.adopt(document);
    open_.push_back(document);
    makeActive(document);
}

std::shared_ptr<Document> Session::add(DocumentKind kind) {
    auto document = std::make_shared<Document>(kind, newName(kind), "");
    if (kind == DocumentKind::Drawing) {
        document->setDrawing(Drawing::makeNew());
    } else {
        ProductProperties properties;
        properties.partNumber = platform::baseNameOf(document->name());
        document->setProduct(std::make_unique<Product>(*document, std::move(properties)));
        if (kind == DocumentKind::Part) {
            auto part = std::make_unique<Part>();
            part->bodies.push_back(std::make_unique<Body>(Body{"PartBody", {}}));
            document->setPart(std::move(part));
        }
    }
    showInNewWindow(document);
    return document;
}

std::shared_ptr<Document> Session::newFrom(std::string_view windowsPath) {
    std::shared_ptr<Document> document = store_.readCopy(windowsPath);
    document->rename(newName(document->kind()), "");
    showInNewWindow(document);
    return document;
}

std::shared_ptr<Document> Session::read(std::string_view windowsPath) {
    std::shared_ptr<Document> document = store_.load(windowsPath);
    if (std::find(read_.begin(), read_.end(), document) == read_.end()) read_.push_back(document);
    return document;
}

void Session::close(Document& document) {
    auto wasRead = std::find_if(read_.begin(), read_.end(), [&](const auto& d) { return d.get() == &document; });
    std::shared_ptr<Document> keepRead;
    if (wasRead != read_.end()) {
        keepRead = *wasRead;
        read_.erase(wasRead);
    }
    auto found = std::find_if(open_.begin(), open_.end(), [&](const auto& d) { return d.get() == &document; });
    if (found == open_.end()) {
        if (!keepRead) throw Refusal(document.name() + " has no window to close");
        unloadUnreachable();
        return;
    }
    std::size_t position = static_cast<std::size_t>(found - open_.begin());
    bool wasActive = active_.get() == &document;
    std::shared_ptr<Document> keep = *found;
    open_.erase(found);
    if (wasActive) {
        if (open_.empty()) {
            active_.reset();
        } else {
            makeActive(open_[std::min(position, open_.size() - 1)]);
        }
    }
    unloadUnreachable();
}

void Session::unloadUnreachable() {
    std::set<const Document*> reached;
    for (const auto& document : open_) collectInstantiated(*document, reached);
    for (const auto& document : read_) collectInstantiated(*document, reached);
    for (const auto& document : store_.loaded()) {
        if (!reached.count(document.get())) document->markClosed();
    }
}

void Session::activate(Document& document) {
    auto found = std::find_if(open_.begin(), open_.end(), [&](const auto& d) { return d.get() == &document; });
    if (found == open_.end()) throw Refusal(document.name() + " has no window");
    makeActive(*found);
}

std::shared_ptr<Document> Session::findOpen(std::string_view name) const {
    for (const auto& document : open_) {
        if (platform::samePath(document->name(), name)) return document;
    }
    return nullptr;
}

bool Session::isOpen(const Document& document) const {
    return std::any_of(open_.begin(), open_.end(), [&](const auto& d) { return d.get() == &document; });
}

void Session::startCommand(const std::string& name) {
    platform::Json event = platform::Transcript::event("command");
    event["name"] = name;
    transcript_.record(std::move(event));

    dialogs_.setTexts(settings_.language == Language::English ? reorder::DialogTexts::english()
                                                              : reorder::DialogTexts::chinese());
    std::shared_ptr<reorder::ReorderTarget> target;
    if (active_ && active_->selection().count() > 0) {
        const Element& first = active_->selection().item(1);
        if (auto product = std::get_if<Product*>(&first.target)) {
            target = std::make_shared<ProductReorderTarget>(first.document, **product);
        }
    }
    if (target) dialogs_.startCommand(name, std::move(target));
}

PickAnswer Session::nextPick(const std::string& question) {
    if (picks_.empty()) throw platform::UnansweredQuestion(question);
    PickAnswer answer = std::move(picks_.front());
    picks_.pop_front();
    return answer;
}

}  // namespace qvl::sim
