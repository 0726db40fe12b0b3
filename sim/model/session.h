#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "headless/transcript.h"
#include "headless/virtual_disk.h"
#include "sim/catia_types.h"
#include "sim/model/document.h"
#include "sim/model/document_store.h"
#include "sim/reorder/dialog_windows.h"

namespace qvl::sim {

// Application-wide settings of a CATIA session.
struct ApplicationSettings {
    bool visible = true;
    bool displayFileAlerts = true;
    bool refreshDisplay = true;
    Language language = Language::Chinese;
    // Text put into the status bar; the language's prompt when unset.
    std::optional<std::string> statusBar;
};

// One of CATIA's setting controllers (Tools > Options pages).
struct SettingController {
    bool activationMode = false;
};

// The state of one running CATIA: its loaded documents, the windows of the open ones and which
// is active, its settings, and the person working in it. Nothing here knows how a program
// calls CATIA; a refused request throws Refusal.
class Session {
public:
    Session(platform::VirtualDisk& disk, platform::Transcript& transcript);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    ApplicationSettings& settings() noexcept { return settings_; }
    const ApplicationSettings& settings() const noexcept { return settings_; }
    std::string statusBarText() const;
    // Refuses a controller that this CATIA does not have.
    SettingController& settingController(std::string_view name);

    // Opens the file in a window of its own and makes it active; a document that is open
    // already is only activated.
    std::shared_ptr<Document> open(std::string_view windowsPath);
    // A new, never-saved document in a window of its own, made active.
    std::shared_ptr<Document> add(DocumentKind kind);
    // A new, never-saved document in a window of its own that starts as a copy of the file,
    // made active. Refuses a missing file and one that is no world document.
    std::shared_ptr<Document> newFrom(std::string_view windowsPath);
    // Loads the file without a window (a document that is open already is taken as it is). It
    // stays loaded until it is closed.
    std::shared_ptr<Document> read(std::string_view windowsPath);
    // Closes the document's window (or lets go of a document read without one); the next
    // window's document becomes active. A document that no open or read document instantiates
    // or projects any more is gone from CATIA, and so are the documents that only it held.
    void close(Document& document);
    // Refuses a document that has no window.
    void activate(Document& document);

    // Null when no document is open.
    const std::shared_ptr<Document>& active() const noexcept { return active_; }
    // The open documents in the order in which they were opened; each has one window.
    const std::vector<std::shared_ptr<Document>>& openDocuments() const noexcept { return open_; }
    // The open document with that file name (letter case aside), or null.
    std::shared_ptr<Document> findOpen(std::string_view name) const;
    bool isOpen(const Document& document) const;
    const DocumentStore& store() const noexcept { return store_; }
    platform::VirtualDisk& disk() noexcept { return disk_; }

    // A command started in CATIA, as a person sees it. The reorder command of the interface
    // language opens the graph-tree-reordering dialog for the product in the active document's
    // selection.
    void startCommand(const std::string& name);
    // CATIA's dialogs as other programs reach them through window messages.
    reorder::DialogWindows& dialogs() noexcept { return dialogs_; }
    // The machine's clock, on which dialogs appear after their delay.
    void setClock(std::function<double()> clock) { clock_ = std::move(clock); }

    // The person's answers to the next interactive selections, in order.
    void queuePick(PickAnswer answer) { picks_.push_back(std::move(answer)); }
    bool hasQueuedPicks() const noexcept { return !picks_.empty(); }
    // The next answer; throws platform::UnansweredQuestion when none is queued.
    PickAnswer nextPick(const std::string& question);

    platform::Transcript& transcript() noexcept { return transcript_; }

private:
    void makeActive(const std::shared_ptr<Document>& document) { active_ = document; }
    void unloadUnreachable();

    // The name that a new document of the kind gets ("Drawing1.CATDrawing"), free in CATIA.
    std::string newName(DocumentKind kind);
    void showInNewWindow(const std::shared_ptr<Document>& document);

    platform::VirtualDisk& disk_;
    DocumentStore store_;
    platform::Transcript& transcript_;
    ApplicationSettings settings_;
    std::map<std::string, SettingController, std::less<>> controllers_;
    std::vector<std::shared_ptr<Document>> open_;
    // Documents read without a window, until they are closed.
    std::vector<std::shared_ptr<Document>> read_;
    std::shared_ptr<Document> active_;
    std::map<DocumentKind, int> newDocumentCounts_;
    std::deque<PickAnswer> picks_;
    std::function<double()> clock_ = [] { return 0.0; };
    reorder::DialogWindows dialogs_{[this] { return clock_(); }};
};

}  // namespace qvl::sim
