#include "sim/com_server/type_info.h"

#include <map>
#include <memory>
#include <mutex>

#include "sim/com_server/member_ids.h"
#include "sim/com_server/server_calls.h"
#include "win32/base/com_bstr.h"
#include "win32/base/wide_text.h"
#include "win32/base/com_unowned_object.h"

namespace qvl::simcatia {
namespace {

class NamedTypeInfo : public win32::UnownedComObject<ITypeInfo, IID_ITypeInfo> {
public:
    explicit NamedTypeInfo(std::string name) : name_(std::move(name)) {}

    HRESULT STDMETHODCALLTYPE GetDocumentation(MEMBERID id, BSTR* name, BSTR* doc, DWORD* help,
                                               BSTR* helpFile) override {
        ++serverState().calls.getDocumentation;
        if (doc) *doc = nullptr;
        if (help) *help = 0;
        if (helpFile) *helpFile = nullptr;
        if (!name) return S_OK;
        *name = nullptr;
        if (id == MEMBERID_NIL) {
            *name = win32::UniqueBstr(name_).detach();
            return S_OK;
        }
        std::optional<std::string> member = memberName(id);
        if (!member) return TYPE_E_ELEMENTNOTFOUND;
        *name = win32::UniqueBstr(*member).detach();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(LPOLESTR* names, UINT count, MEMBERID* ids) override {
        for (UINT i = 0; i < count; ++i) {
            ids[i] = memberId(win32::toUtf8(names[i]));
        }
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetTypeAttr(TYPEATTR**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeComp(ITypeComp**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFuncDesc(UINT, FUNCDESC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetVarDesc(UINT, VARDESC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetNames(MEMBERID, BSTR*, UINT, UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetRefTypeOfImplType(UINT, HREFTYPE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetImplTypeFlags(UINT, INT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(PVOID, MEMBERID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetDllEntry(MEMBERID, INVOKEKIND, BSTR*, BSTR*, WORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetRefTypeInfo(HREFTYPE, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE AddressOfMember(MEMBERID, INVOKEKIND, PVOID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID, PVOID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMops(MEMBERID, BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetContainingTypeLib(ITypeLib**, UINT*) override { return E_NOTIMPL; }
    void STDMETHODCALLTYPE ReleaseTypeAttr(TYPEATTR*) override {}
    void STDMETHODCALLTYPE ReleaseFuncDesc(FUNCDESC*) override {}
    void STDMETHODCALLTYPE ReleaseVarDesc(VARDESC*) override {}

private:
    std::string name_;
};

}  // namespace

ITypeInfo* typeInfoFor(const std::string& typeName) {
    static std::mutex lock;
    static std::map<std::string, std::unique_ptr<NamedTypeInfo>> types;
    std::lock_guard guard(lock);
    auto& entry = types[typeName];
    if (!entry) entry = std::make_unique<NamedTypeInfo>(typeName);
    return entry.get();
}

}  // namespace qvl::simcatia
