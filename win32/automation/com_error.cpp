#include "win32/automation/com_error.h"

#include "common/automation/hresult_errors.h"
#include "win32/base/com_bstr.h"

namespace qvl::win32 {

void ExceptionInfo::clear() {
    if (info.bstrSource) SysFreeString(info.bstrSource);
    if (info.bstrDescription) SysFreeString(info.bstrDescription);
    if (info.bstrHelpFile) SysFreeString(info.bstrHelpFile);
    info = EXCEPINFO{};
}

automation::Error errorFromCall(HRESULT hr, ExceptionInfo* exception) {
    if (hr == DISP_E_EXCEPTION && exception) {
        EXCEPINFO& info = exception->info;
        if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
        std::int32_t number = automation::vbNumberForException(info.wCode, info.scode);
        std::string text = UniqueBstr::toUtf8(info.bstrDescription);
        if (text.empty()) text = automation::vbErrorForHresult(number).description;
        return automation::Error(number, std::move(text));
    }
    // However COM words a server that went away (the call failed, the object disconnected, the
    // server died), the program meets the one error of a CATIA that is gone.
    const std::int32_t status = automation::isServerGone(static_cast<std::int32_t>(hr))
                                    ? automation::hresults::serverUnavailable
                                    : static_cast<std::int32_t>(hr);
    automation::VbError error = automation::vbErrorForHresult(status);
    return automation::Error(error.number, std::move(error.description));
}

}  // namespace qvl::win32
