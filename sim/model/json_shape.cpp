#include "sim/model/json_shape.h"

#include <cmath>

#include "sim/model/refusal.h"

namespace qvl::sim::json_shape {
namespace {

[[noreturn]] void wrongShape(const std::string& where, const std::string& expected) {
    throw Refusal((where.empty() ? std::string("the document") : where) + ": expected " + expected);
}

double number(const Json& value, const std::string& where) {
    if (!value.is_number()) wrongShape(where, "a number");
    return value.get<double>();
}

}  // namespace

void requireObject(const Json& value, const std::string& where) {
    if (!value.is_object()) wrongShape(where, "an object");
}

std::string at(const std::string& where, const char* key) { return where.empty() ? key : where + "." + key; }

std::string at(const std::string& where, std::size_t index) { return where + "[" + std::to_string(index) + "]"; }

std::string optionalString(const Json& object, const char* key, const std::string& where, std::string fallback) {
    auto found = object.find(key);
    if (found == object.end()) return fallback;
    if (!found->is_string()) wrongShape(at(where, key), "a text");
    return found->get<std::string>();
}

std::string requiredString(const Json& object, const char* key, const std::string& where) {
    if (!object.contains(key)) wrongShape(at(where, key), "a text");
    return optionalString(object, key, where);
}

std::optional<double> optionalNumber(const Json& object, const char* key, const std::string& where) {
    auto found = object.find(key);
    if (found == object.end()) return std::nullopt;
    return number(*found, at(where, key));
}

std::optional<long long> optionalInteger(const Json& object, const char* key, const std::string& where) {
    auto found = object.find(key);
    if (found == object.end()) return std::nullopt;
    if (!found->is_number_integer() && !(found->is_number() && std::trunc(found->get<double>()) == found->get<double>())) {
        wrongShape(at(where, key), "a whole number");
    }
    return static_cast<long long>(found->get<double>());
}

std::optional<bool> optionalBool(const Json& object, const char* key, const std::string& where) {
    auto found = object.find(key);
    if (found == object.end()) return std::nullopt;
    if (!found->is_boolean()) wrongShape(at(where, key), "true or false");
    return found->get<bool>();
}

std::vector<double> numberList(const Json& value, std::size_t count, const std::string& where) {
    if (!value.is_array() || value.size() != count) wrongShape(where, std::to_string(count) + " numbers");
    std::vector<double> result;
    for (std::size_t i = 0; i < count; ++i) result.push_back(number(value[i], at(where, i)));
    return result;
}

const Json& optionalArray(const Json& object, const char* key, const std::string& where) {
    static const Json empty = Json::array();
    auto found = object.find(key);
    if (found == object.end()) return empty;
    if (!found->is_array()) wrongShape(at(where, key), "a list");
    return *found;
}

Vec3 optionalVec3(const Json& object, const char* key, const std::string& where, Vec3 fallback) {
    auto found = object.find(key);
    if (found == object.end()) return fallback;
    std::vector<double> v = numberList(*found, 3, at(where, key));
    return {v[0], v[1], v[2]};
}

Box box(const Json& value, const std::string& where) {
    std::vector<double> v = numberList(value, 6, where);
    if (v[0] > v[3] || v[1] > v[4] || v[2] > v[5]) wrongShape(where, "[xmin, ymin, zmin, xmax, ymax, zmax]");
    return {{v[0], v[1], v[2]}, {v[3], v[4], v[5]}};
}

}  // namespace qvl::sim::json_shape
