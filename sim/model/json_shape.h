#pragma once

#include <optional>
#include <string>
#include <vector>

#include "headless/transcript.h"
#include "sim/model/geometry.h"

namespace qvl::sim::json_shape {

// Typed reads of a parsed world file. Every read names the place it reads ("bodies[0].boxes")
// so that a wrong shape is reported where it is; a wrong shape throws Refusal.
using platform::Json;

void requireObject(const Json& value, const std::string& where);
std::string at(const std::string& where, const char* key);
std::string at(const std::string& where, std::size_t index);

std::string optionalString(const Json& object, const char* key, const std::string& where, std::string fallback = "");
std::string requiredString(const Json& object, const char* key, const std::string& where);
std::optional<double> optionalNumber(const Json& object, const char* key, const std::string& where);
std::optional<long long> optionalInteger(const Json& object, const char* key, const std::string& where);
std::optional<bool> optionalBool(const Json& object, const char* key, const std::string& where);
// Exactly `count` numbers.
std::vector<double> numberList(const Json& value, std::size_t count, const std::string& where);
// The array under `key`, or an empty array when the key is missing.
const Json& optionalArray(const Json& object, const char* key, const std::string& where);

// [x, y, z]; `fallback` when the key is missing.
Vec3 optionalVec3(const Json& object, const char* key, const std::string& where, Vec3 fallback);
// [xmin, ymin, zmin, xmax, ymax, zmax].
Box box(const Json& value, const std::string& where);

}  // namespace qvl::sim::json_shape
