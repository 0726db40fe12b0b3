#include "win32/automation/variant_conversion.h"

#include <limits>
#include <new>

#include "common/automation/error.h"
#include "win32/base/com_bstr.h"
#include "win32/base/com_safearray.h"
#include "win32/base/com_variant.h"

namespace qvl::win32 {

using automation::Variant;

namespace {

[[noreturn]] void unsupported() {
    throw automation::Error(458, "Variable uses an Automation type not supported in Visual Basic");
}

Variant fromArray(SAFEARRAY* array, VARTYPE elementType, const ObjectOf& objectOf) {
    Variant::Array items;
    if (!array) return Variant(std::move(items));
    if (SafeArrayGetDim(array) != 1) unsupported();
    LONG lower = 0, upper = -1;
    SafeArrayGetLBound(array, 1, &lower);
    SafeArrayGetUBound(array, 1, &upper);
    items.reserve(static_cast<std::size_t>(upper - lower + 1));
    for (LONG i = lower; i <= upper; ++i) {
        UniqueVariant element;
        if (elementType == VT_VARIANT) {
            if (FAILED(SafeArrayGetElement(array, &i, element.put()))) unsupported();
        } else {
            // Any other element type is read through a VARIANT of that type.
            VARIANT& v = *element.put();
            v.vt = elementType;
            if (FAILED(SafeArrayGetElement(array, &i, &v.lVal))) {
                v.vt = VT_EMPTY;
                unsupported();
            }
        }
        items.push_back(fromVariant(element.get(), objectOf));
    }
    return Variant(std::move(items));
}

Variant fromObject(IDispatch* dispatch, const ObjectOf& objectOf) {
    if (!dispatch) return Variant(automation::Object());
    return Variant(objectOf(dispatch));
}

}  // namespace

Variant fromVariant(const VARIANT& in, const ObjectOf& objectOf) {
    const bool byRef = (in.vt & VT_BYREF) != 0;
    const VARTYPE type = in.vt & ~VT_BYREF;
    if (type & VT_ARRAY) {
        SAFEARRAY* array = byRef ? (in.pparray ? *in.pparray : nullptr) : in.parray;
        return fromArray(array, type & ~VT_ARRAY, objectOf);
    }
    switch (type) {
        case VT_EMPTY: return Variant();
        case VT_NULL: return Variant::null();
        case VT_ERROR: return Variant();  // a missing optional argument
        case VT_BOOL: return Variant((byRef ? *in.pboolVal : in.boolVal) != VARIANT_FALSE);
        case VT_I1: return Variant(static_cast<long>(byRef ? *in.pcVal : in.cVal));
        case VT_UI1: return Variant(static_cast<long>(byRef ? *in.pbVal : in.bVal));
        case VT_I2: return Variant(static_cast<long>(byRef ? *in.piVal : in.iVal));
        case VT_UI2: return Variant(static_cast<long>(byRef ? *in.puiVal : in.uiVal));
        case VT_I4: return Variant(static_cast<long>(byRef ? *in.plVal : in.lVal));
        case VT_INT: return Variant(static_cast<long>(byRef ? *in.pintVal : in.intVal));
        case VT_UI4: return Variant(static_cast<long long>(byRef ? *in.pulVal : in.ulVal));
        case VT_UINT: return Variant(static_cast<long long>(byRef ? *in.puintVal : in.uintVal));
        case VT_I8: return Variant(static_cast<long long>(byRef ? *in.pllVal : in.llVal));
        case VT_R4: return Variant(static_cast<double>(byRef ? *in.pfltVal : in.fltVal));
        case VT_R8: return Variant(byRef ? *in.pdblVal : in.dblVal);
        case VT_DATE: return Variant(byRef ? *in.pdate : in.date);
        case VT_BSTR: return Variant(UniqueBstr::toUtf8(byRef ? *in.pbstrVal : in.bstrVal));
        case VT_DISPATCH: return fromObject(byRef ? *in.ppdispVal : in.pdispVal, objectOf);
        case VT_UNKNOWN: {
            IUnknown* unknown = byRef ? *in.ppunkVal : in.punkVal;
            if (!unknown) return Variant(automation::Object());
            IDispatch* dispatch = nullptr;
            if (FAILED(unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)))) unsupported();
            Variant result = fromObject(dispatch, objectOf);
            dispatch->Release();
            return result;
        }
        case VT_VARIANT:
            if (byRef && in.pvarVal) return fromVariant(*in.pvarVal, objectOf);
            return Variant();
        default: unsupported();
    }
}

void toVariant(const Variant& value, VARIANT& out, const DispatchOf& dispatchOf) {
    switch (value.kind()) {
        case Variant::Kind::Empty: out.vt = VT_EMPTY; return;
        case Variant::Kind::Null: out.vt = VT_NULL; return;
        case Variant::Kind::Bool:
            out.vt = VT_BOOL;
            out.boolVal = value.toBool() ? VARIANT_TRUE : VARIANT_FALSE;
            return;
        case Variant::Kind::Long: {
            long long n = value.toLong();
            if (n >= std::numeric_limits<LONG>::min() && n <= std::numeric_limits<LONG>::max()) {
                out.vt = VT_I4;
                out.lVal = static_cast<LONG>(n);
            } else {
                out.vt = VT_I8;
                out.llVal = n;
            }
            return;
        }
        case Variant::Kind::Double:
            out.vt = VT_R8;
            out.dblVal = value.toDouble();
            return;
        case Variant::Kind::String:
            out.bstrVal = UniqueBstr(value.toString()).detach();
            out.vt = VT_BSTR;
            return;
        case Variant::Kind::Object:
            out.pdispVal = value.isNothing() ? nullptr : dispatchOf(value.object());
            out.vt = VT_DISPATCH;
            return;
        case Variant::Kind::Array: {
            const Variant::Array& items = value.array();
            UniqueSafeArray array(SafeArrayCreateVector(VT_VARIANT, 0, static_cast<ULONG>(items.size())));
            if (!array.get()) throw std::bad_alloc();
            for (LONG i = 0; i < static_cast<LONG>(items.size()); ++i) {
                UniqueVariant element;
                toVariant(items[static_cast<std::size_t>(i)], *element.put(), dispatchOf);
                if (FAILED(SafeArrayPutElement(array.get(), &i, &element.get()))) throw std::bad_alloc();
            }
            out.parray = array.release();
            out.vt = VT_ARRAY | VT_VARIANT;
            return;
        }
    }
}

}  // namespace qvl::win32
