#include "common/automation/object.h"

#include "common/automation/dispatch.h"
#include "common/automation/error.h"

namespace qvl::automation {

bool Object::is(const Object& other) const noexcept {
    if (!target_ || !other.target_) return !target_ && !other.target_;
    return target_->identity() == other.target_->identity();
}

std::string Object::typeName() const { return target_ ? target_->typeName() : "Nothing"; }

const std::shared_ptr<Dispatch>& Object::checkedTarget() const {
    if (!target_) throw Error(errc::objectNotSet, "Object variable or With block variable not set");
    return target_;
}

Variant Object::get(std::string_view member, std::vector<Variant> args) const {
    return checkedTarget()->invoke(member, CallKind::Get, args);
}

void Object::put(std::string_view member, Variant value) const {
    Variant args[] = {std::move(value)};
    checkedTarget()->invoke(member, CallKind::Put, args);
}

void Object::putRef(std::string_view member, const Object& object) const {
    Variant args[] = {Variant(object)};
    checkedTarget()->invoke(member, CallKind::PutRef, args);
}

Variant Object::call(std::string_view member, std::vector<Variant> args) const {
    return checkedTarget()->invoke(member, CallKind::Method, args);
}

Variant Object::callByRef(std::string_view member, std::vector<Variant>& args) const {
    return checkedTarget()->invoke(member, CallKind::Method, args);
}

}  // namespace qvl::automation
