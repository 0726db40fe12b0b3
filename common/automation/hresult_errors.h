#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qvl::automation {

// How a Visual Basic client words a failed automation call. The numbers are plain HRESULT
// values, so that the table holds on every platform.
struct VbError {
    std::int32_t number;
    std::string description;
};

namespace hresults {
inline constexpr std::int32_t dispException = static_cast<std::int32_t>(0x80020009);
inline constexpr std::int32_t serverCallRetryLater = static_cast<std::int32_t>(0x8001010A);
inline constexpr std::int32_t callRejected = static_cast<std::int32_t>(0x80010001);
inline constexpr std::int32_t serverUnavailable = static_cast<std::int32_t>(0x800706BA);
inline constexpr std::int32_t callFailed = static_cast<std::int32_t>(0x800706BE);
inline constexpr std::int32_t disconnected = static_cast<std::int32_t>(0x80010108);
inline constexpr std::int32_t objectNotConnected = static_cast<std::int32_t>(0x800401FD);
inline constexpr std::int32_t callFailedDidNotExecute = static_cast<std::int32_t>(0x800706BF);
inline constexpr std::int32_t serverDied = static_cast<std::int32_t>(0x80010007);
inline constexpr std::int32_t serverDiedDidNotExecute = static_cast<std::int32_t>(0x80010012);
}  // namespace hresults

// The error VB raises for a failing HRESULT other than DISP_E_EXCEPTION: the automation
// errors that VB numbers itself (438, 13, 450, ...) by their number, everything else by the
// HRESULT, with the system's wording where it is known.
VbError vbErrorForHresult(std::int32_t hresult);

// The error number of an exception that the server described (EXCEPINFO): its own code when it
// gave one, else its status, where an error of the control facility (0x800Annnn) is number nnnn.
std::int32_t vbNumberForException(std::uint16_t code, std::int32_t status);

// The reverse, for a server: the status to report for error `number`.
std::int32_t exceptionStatusForNumber(std::int32_t number);

// A CATIA that is busy: the call may succeed when it is made again a little later.
bool isBusy(std::int32_t hresult);
// A CATIA that has gone away: no later call can succeed.
bool isServerGone(std::int32_t hresult);

}  // namespace qvl::automation
