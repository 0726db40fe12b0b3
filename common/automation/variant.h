#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/automation/object.h"

namespace qvl::automation {

// The value of an automation argument or result, with Visual Basic's conversion rules.
class Variant {
public:
    enum class Kind { Empty, Null, Bool, Long, Double, String, Object, Array };
    using Array = std::vector<Variant>;

    Variant() = default;
    Variant(bool value) : kind_(Kind::Bool), long_(value ? 1 : 0) {}
    Variant(int value) : kind_(Kind::Long), long_(value) {}
    Variant(long value) : kind_(Kind::Long), long_(value) {}
    Variant(long long value) : kind_(Kind::Long), long_(value) {}
    Variant(double value) : kind_(Kind::Double), double_(value) {}
    Variant(const char* value) : kind_(Kind::String), string_(value) {}
    Variant(std::string value) : kind_(Kind::String), string_(std::move(value)) {}
    Variant(std::string_view value) : kind_(Kind::String), string_(value) {}
    Variant(automation::Object value) : kind_(Kind::Object), object_(std::move(value)) {}
    Variant(Array value) : kind_(Kind::Array), array_(std::move(value)) {}

    static Variant null() {
        Variant v;
        v.kind_ = Kind::Null;
        return v;
    }

    Kind kind() const noexcept { return kind_; }
    bool isEmpty() const noexcept { return kind_ == Kind::Empty; }
    bool isNull() const noexcept { return kind_ == Kind::Null; }
    bool isObject() const noexcept { return kind_ == Kind::Object; }
    bool isNothing() const noexcept { return kind_ == Kind::Object && object_.isNothing(); }
    bool isArray() const noexcept { return kind_ == Kind::Array; }
    bool isNumeric() const noexcept;

    // Conversions as CBool, CLng, CDbl and CStr make them; a value that does not convert
    // raises error 13 (type mismatch), Null raises error 94.
    bool toBool() const;
    long long toLong() const;
    double toDouble() const;
    std::string toString() const;

    // The object held; error 424 when the value is no object.
    const automation::Object& object() const;
    const Array& array() const;
    Array& array();

    // VB's TypeName: "Empty", "Null", "Boolean", "Long", "Double", "String", an object's type
    // name or "Nothing", "Variant()".
    std::string typeName() const;

    // Exact equality of kind and value (objects by identity); for tests and dumps.
    friend bool operator==(const Variant& a, const Variant& b);

private:
    Kind kind_ = Kind::Empty;
    long long long_ = 0;
    double double_ = 0;
    std::string string_;
    automation::Object object_;
    Array array_;
};

}  // namespace qvl::automation
