#include "win32/automation/com_object_factory.h"

#include <objbase.h>
#include <oleauto.h>

#include "common/automation/error.h"
#include "win32/automation/call_counts.h"
#include "win32/automation/com_dispatch.h"
#include "win32/base/com_ptr.h"
#include "win32/base/wide_text.h"

namespace qvl::win32 {
namespace {

[[noreturn]] void cannotCreate() {
    throw automation::Error(automation::errc::cannotCreateObject, "ActiveX component can't create object");
}

CLSID classId(std::string_view className) {
    CLSID id{};
    if (FAILED(CLSIDFromProgID(toWide(className).c_str(), &id))) cannotCreate();
    return id;
}

}  // namespace

ComObjectFactory::~ComObjectFactory() { ComDispatch::releaseKeptObjects(); }

automation::Object ComObjectFactory::getActiveObject(std::string_view className) {
    CLSID id = classId(className);
    ComPtr<IUnknown> running;
    if (FAILED(GetActiveObject(id, nullptr, running.put())) || !running) cannotCreate();
    ComPtr<IDispatch> dispatch;
    ++callCounts().queryInterface;
    if (FAILED(running->QueryInterface(IID_IDispatch, dispatch.putVoid())) || !dispatch) cannotCreate();
    return ComDispatch::objectOf(dispatch.get());
}

automation::Object ComObjectFactory::createObject(std::string_view className) {
    CLSID id = classId(className);
    ComPtr<IDispatch> dispatch;
    if (FAILED(CoCreateInstance(id, nullptr, CLSCTX_LOCAL_SERVER | CLSCTX_INPROC_SERVER, IID_IDispatch,
                                dispatch.putVoid())) ||
        !dispatch) {
        cannotCreate();
    }
    return ComDispatch::objectOf(dispatch.get());
}

}  // namespace qvl::win32
