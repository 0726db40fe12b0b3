#include "sim/com_server/member_ids.h"

#include <map>
#include <mutex>
#include <vector>

#include "common/automation/member_table.h"

namespace qvl::simcatia {
namespace {

struct Table {
    std::mutex lock;
    std::map<std::string, DISPID, automation::MemberNameLess> ids;
    std::vector<std::string> names;
};

Table& table() {
    static Table t;
    return t;
}

}  // namespace

DISPID memberId(std::string_view name) {
    Table& t = table();
    std::lock_guard guard(t.lock);
    if (auto found = t.ids.find(name); found != t.ids.end()) return found->second;
    t.names.emplace_back(name);
    DISPID id = static_cast<DISPID>(t.names.size());
    t.ids.emplace(std::string(name), id);
    return id;
}

std::optional<std::string> memberName(DISPID id) {
    Table& t = table();
    std::lock_guard guard(t.lock);
    if (id < 1 || static_cast<std::size_t>(id) > t.names.size()) return std::nullopt;
    return t.names[static_cast<std::size_t>(id) - 1];
}

}  // namespace qvl::simcatia
