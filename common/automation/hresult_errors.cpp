#include "common/automation/hresult_errors.h"

#include <array>

namespace qvl::automation {
namespace {

struct Entry {
    std::uint32_t hresult;
    std::int32_t number;  // 0: the HRESULT itself is the number
    const char* description;
};

constexpr std::array table{
    Entry{0x80020003, 438, "Object doesn't support this property or method"},  // DISP_E_MEMBERNOTFOUND
    Entry{0x80020006, 438, "Object doesn't support this property or method"},  // DISP_E_UNKNOWNNAME
    Entry{0x80020005, 13, "Type mismatch"},                                    // DISP_E_TYPEMISMATCH
    Entry{0x80020008, 458, "Variable uses an Automation type not supported in Visual Basic"},  // DISP_E_BADVARTYPE
    Entry{0x8002000A, 6, "Overflow"},                                          // DISP_E_OVERFLOW
    Entry{0x8002000B, 9, "Subscript out of range"},                            // DISP_E_BADINDEX
    Entry{0x8002000E, 450, "Wrong number of arguments or invalid property assignment"},  // DISP_E_BADPARAMCOUNT
    Entry{0x8002000F, 449, "Argument not optional"},                           // DISP_E_PARAMNOTOPTIONAL
    Entry{0x80020004, 448, "Named argument not found"},                        // DISP_E_PARAMNOTFOUND
    Entry{0x80020012, 11, "Division by zero"},                                 // DISP_E_DIVBYZERO
    Entry{0x80004002, 430, "Class does not support Automation or does not support expected interface"},  // E_NOINTERFACE
    Entry{0x8007000E, 7, "Out of memory"},                                     // E_OUTOFMEMORY
    Entry{0x80070057, 5, "Invalid procedure call or argument"},                // E_INVALIDARG
    Entry{0x800401F3, 429, "ActiveX component can't create object"},           // CO_E_CLASSSTRING
    Entry{0x80040154, 429, "ActiveX component can't create object"},           // REGDB_E_CLASSNOTREG
    Entry{0x800401E3, 429, "ActiveX component can't create object"},           // MK_E_UNAVAILABLE
    Entry{0x80080005, 429, "ActiveX component can't create object"},           // CO_E_SERVER_EXEC_FAILURE
    Entry{0x80004005, 0, "Unspecified error"},                                 // E_FAIL
    Entry{0x80004001, 0, "Not implemented"},                                   // E_NOTIMPL
    Entry{0x800706BA, 0, "The RPC server is unavailable."},                    // RPC_S_SERVER_UNAVAILABLE
    Entry{0x800706BE, 0, "The remote procedure call failed."},                 // RPC_S_CALL_FAILED
    Entry{0x80010108, 0, "The object invoked has disconnected from its clients."},  // RPC_E_DISCONNECTED
    Entry{0x800401FD, 0, "Object is not connected to server"},                 // CO_E_OBJNOTCONNECTED
    Entry{0x80010001, 0, "Call was rejected by callee."},                      // RPC_E_CALL_REJECTED
    Entry{0x8001010A, 0, "The message filter indicated that the application is busy."},  // RPC_E_SERVERCALL_RETRYLATER
};

constexpr std::uint32_t controlFacility = 0x800A0000;

}  // namespace

VbError vbErrorForHresult(std::int32_t hresult) {
    for (const Entry& entry : table) {
        if (static_cast<std::int32_t>(entry.hresult) == hresult) {
            return {entry.number ? entry.number : hresult, entry.description};
        }
    }
    return {hresult, "Automation error"};
}

std::int32_t vbNumberForException(std::uint16_t code, std::int32_t status) {
    if (code != 0) return code;
    if ((static_cast<std::uint32_t>(status) & 0xFFFF0000u) == controlFacility) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(status) & 0xFFFFu);
    }
    return status;
}

std::int32_t exceptionStatusForNumber(std::int32_t number) {
    if (number > 0 && number <= 0xFFFF) return static_cast<std::int32_t>(controlFacility | static_cast<std::uint32_t>(number));
    return number;
}

bool isBusy(std::int32_t hresult) {
    return hresult == hresults::serverCallRetryLater || hresult == hresults::callRejected;
}

bool isServerGone(std::int32_t hresult) {
    using namespace hresults;
    for (std::int32_t gone : {serverUnavailable, callFailed, callFailedDidNotExecute, disconnected, objectNotConnected,
                              serverDied, serverDiedDidNotExecute}) {
        if (hresult == gone) return true;
    }
    return false;
}

}  // namespace qvl::automation
