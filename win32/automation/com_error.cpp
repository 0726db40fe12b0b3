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
    automation::VbError error = automation::vbErrorForHresult(static_cast<std::int32_t>(hr));
    return automation::Error(error.number, std::move(error.description));
}

}  // namespace qvl::win32
