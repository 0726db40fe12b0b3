#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qvl::automation {

class Variant;
class Dispatch;

// A late-bound reference to an automation object: members are reached by name at run time,
// case-insensitively, as a Visual Basic client reaches them. A default-constructed Object is
// Nothing; every member call on Nothing fails with error 91.
class Object {
public:
    Object() = default;
    explicit Object(std::shared_ptr<Dispatch> target) : target_(std::move(target)) {}

    bool isNothing() const noexcept { return target_ == nullptr; }
    // VB's TypeName: the object's type name, or "Nothing".
    std::string typeName() const;

    // Property read, optionally indexed (`Item(1)` style properties take arguments).
    Variant get(std::string_view member, std::vector<Variant> args = {}) const;
    // Property write (VB's `o.P = value`).
    void put(std::string_view member, Variant value) const;
    // Object assignment (VB's `Set o.P = object`).
    void putRef(std::string_view member, const Object& object) const;
    // Method call with arguments passed by value.
    Variant call(std::string_view member, std::vector<Variant> args = {}) const;
    // Method call whose arguments are passed by reference: the callee may fill them.
    Variant callByRef(std::string_view member, std::vector<Variant>& args) const;

    // VB's `Is`: both references name the same object, compared by the objects' identities
    // rather than by their wrappers. Nothing is Nothing.
    bool is(const Object& other) const noexcept;

    const std::shared_ptr<Dispatch>& dispatch() const noexcept { return target_; }

private:
    const std::shared_ptr<Dispatch>& checkedTarget() const;

    std::shared_ptr<Dispatch> target_;
};

}  // namespace qvl::automation
