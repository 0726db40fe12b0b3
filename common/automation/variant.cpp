#include "common/automation/variant.h"

#include <cmath>
#include <limits>

#include "common/automation/error.h"
#include "common/text/utf8.h"
#include "common/text/vb_number.h"

namespace qvl::automation {
namespace {

[[noreturn]] void typeMismatch() { throw Error(errc::typeMismatch, "Type mismatch"); }
[[noreturn]] void invalidUseOfNull() { throw Error(94, "Invalid use of Null"); }

bool equalsIgnoringCase(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return i == a.size() && b[i] == '\0';
}

}  // namespace

bool Variant::isNumeric() const noexcept {
    return kind_ == Kind::Long || kind_ == Kind::Double || kind_ == Kind::Bool;
}

bool Variant::toBool() const {
    switch (kind_) {
        case Kind::Empty: return false;
        case Kind::Bool:
        case Kind::Long: return long_ != 0;
        case Kind::Double: return double_ != 0;
        case Kind::String: {
            std::string trimmed = text::trimBlanks(string_);
            if (equalsIgnoringCase(trimmed, "True")) return true;
            if (equalsIgnoringCase(trimmed, "False")) return false;
            if (auto number = text::toDouble(string_)) return *number != 0;
            typeMismatch();
        }
        case Kind::Null: invalidUseOfNull();
        default: typeMismatch();
    }
}

double Variant::toDouble() const {
    switch (kind_) {
        case Kind::Empty: return 0;
        case Kind::Bool: return long_ != 0 ? -1 : 0;
        case Kind::Long: return static_cast<double>(long_);
        case Kind::Double: return double_;
        case Kind::String:
            if (auto number = text::toDouble(string_)) return *number;
            typeMismatch();
        case Kind::Null: invalidUseOfNull();
        default: typeMismatch();
    }
}

long long Variant::toLong() const {
    if (kind_ == Kind::Long) return long_;
    double rounded = text::roundHalfEven(toDouble());
    if (!std::isfinite(rounded) || rounded < -2147483648.0 || rounded > 2147483647.0) {
        throw Error(errc::overflow, "Overflow");
    }
    return static_cast<long long>(rounded);
}

std::string Variant::toString() const {
    switch (kind_) {
        case Kind::Empty: return "";
        case Kind::Bool: return long_ != 0 ? "True" : "False";
        case Kind::Long: return std::to_string(long_);
        case Kind::Double: return text::cstr(double_);
        case Kind::String: return string_;
        case Kind::Null: invalidUseOfNull();
        default: typeMismatch();
    }
}

const automation::Object& Variant::object() const {
    if (kind_ != Kind::Object) throw Error(errc::objectRequired, "Object required");
    return object_;
}

const Variant::Array& Variant::array() const {
    if (kind_ != Kind::Array) typeMismatch();
    return array_;
}

Variant::Array& Variant::array() {
    if (kind_ != Kind::Array) typeMismatch();
    return array_;
}

std::string Variant::typeName() const {
    switch (kind_) {
        case Kind::Empty: return "Empty";
        case Kind::Null: return "Null";
        case Kind::Bool: return "Boolean";
        case Kind::Long: return "Long";
        case Kind::Double: return "Double";
        case Kind::String: return "String";
        case Kind::Object: return object_.typeName();
        case Kind::Array: return "Variant()";
    }
    return "Empty";
}

bool operator==(const Variant& a, const Variant& b) {
    if (a.kind_ != b.kind_) return false;
    switch (a.kind_) {
        case Variant::Kind::Empty:
        case Variant::Kind::Null: return true;
        case Variant::Kind::Bool:
        case Variant::Kind::Long: return a.long_ == b.long_;
        case Variant::Kind::Double: return a.double_ == b.double_;
        case Variant::Kind::String: return a.string_ == b.string_;
        case Variant::Kind::Object: return a.object_.is(b.object_);
        case Variant::Kind::Array: return a.array_ == b.array_;
    }
    return false;
}

}  // namespace qvl::automation
