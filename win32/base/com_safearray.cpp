#include "win32/base/com_safearray.h"

#include <stdexcept>

namespace qvl::win32 {

SafeArrayData::SafeArrayData(SAFEARRAY* array) : array_(array) {
    if (FAILED(SafeArrayAccessData(array_, &data_))) throw std::runtime_error("the array cannot be read");
}

SafeArrayData::~SafeArrayData() { SafeArrayUnaccessData(array_); }

}  // namespace qvl::win32
