#include "common/drawing/find_view_of_type13.h"

#include "common/automation/variant.h"

namespace qvl::drawing {

using automation::Object;
using automation::Variant;

Object FindViewOfType13(const Object& sheet) {
    const Object views = sheet.get("Views").object();
    const long long count = views.get("Count").toLong();
    for (long long i = 1; i <= count; ++i) {
        Object view = views.call("Item", {Variant(i)}).object();
        if (view.get("ViewType").toLong() == mainViewType) return view;
    }
    return Object();
}

}  // namespace qvl::drawing
