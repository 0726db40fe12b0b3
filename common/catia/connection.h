#pragma once

#include <string>

#include "common/automation/object.h"
#include "common/automation/object_factory.h"
#include "common/automation/variant.h"
#include "common/catia/connection_policy.h"
#include "common/platform/services.h"

namespace qvl::catia {

// The program-wide link to CATIA: the application object and the document that was active at
// the last attach, with the routines that set and use them.
class Connection {
public:
    Connection(ConnectionPolicy policy, automation::ObjectFactory& factory, platform::Services& services);

    // CATIA's Application object; Nothing until the first attach, replaced by every attach.
    automation::Object CatiaApp;
    // The document that was CATIA's ActiveDocument at the last attach: a snapshot, Nothing when
    // no document was open.
    automation::Object ActiveDoc;

    // Attaches to the running CATIA, or starts one; never reports an error to its caller.
    void GetCatia();

    // Lets the user pick one element of the given types in CATIA's active document. Returns the
    // picked object; Nothing or Empty when the user left the pick (the policy's pickCancel).
    // A failing call reaches the caller.
    automation::Variant PickOneElement(const std::string& type1, const std::string& type2,
                                       const std::string& type3);

    // "English" or "Simplified Chinese", from the first character of CATIA's status bar.
    std::string CatiaLanguage();

    // A message box with the OK button; without a caption it carries the program's title.
    void message(const std::string& text, int flags = 0);
    void message(const std::string& text, const std::string& caption, int flags = 0);

    const ConnectionPolicy& policy() const noexcept { return policy_; }
    platform::Services& services() const noexcept { return services_; }

private:
    ConnectionPolicy policy_;
    automation::ObjectFactory& factory_;
    platform::Services& services_;
};

inline constexpr const char* englishLanguage = "English";
inline constexpr const char* chineseLanguage = "Simplified Chinese";

}  // namespace qvl::catia
