#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace qvl::automation {

// A failed automation call, as a client sees it in Err: a number and a description.
class Error : public std::runtime_error {
public:
    Error(std::int32_t code, std::string description)
        : std::runtime_error(description), code_(code), description_(std::move(description)) {}

    std::int32_t code() const noexcept { return code_; }
    const std::string& description() const noexcept { return description_; }

private:
    std::int32_t code_;
    std::string description_;
};

// Error numbers that the automation layer itself raises.
namespace errc {
inline constexpr std::int32_t invalidProcedureCall = 5;
inline constexpr std::int32_t overflow = 6;
inline constexpr std::int32_t subscriptOutOfRange = 9;
inline constexpr std::int32_t typeMismatch = 13;
inline constexpr std::int32_t objectNotSet = 91;
inline constexpr std::int32_t objectRequired = 424;
inline constexpr std::int32_t cannotCreateObject = 429;
inline constexpr std::int32_t memberNotSupported = 438;
inline constexpr std::int32_t wrongArgumentCount = 450;
inline constexpr std::int32_t fileNotFound = 53;
// The generic failure that an automation server reports (E_FAIL).
inline constexpr std::int32_t serverFailure = -2147467259;
// The server went away (RPC_S_SERVER_UNAVAILABLE): every way in which COM tells of a lost
// server reaches the programs as this one error.
inline constexpr std::int32_t serverGone = -2147023174;
}  // namespace errc

// The errors of a call that the object's dispatch does not take: a member it does not have, or
// a kind of call the member does not take (438); a number of arguments it does not take (450).
inline Error memberNotSupportedError() {
    return Error(errc::memberNotSupported, "Object doesn't support this property or method");
}
inline Error wrongArgumentCountError() {
    return Error(errc::wrongArgumentCount, "Wrong number of arguments or invalid property assignment");
}

// Whether `error` tells that the automation server went away: no later call can succeed.
inline bool isServerGoneError(const Error& error) noexcept { return error.code() == errc::serverGone; }

}  // namespace qvl::automation
