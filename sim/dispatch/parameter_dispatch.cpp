#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

// A tool attribute or a parameter of an operation. `Value` gives the value as it stands (a
// text, or a number as a Double); `ValueAsString` a text, a number in its general text form.
class ParameterDispatch : public SimDispatch {
public:
    ParameterDispatch(Server& server, DocumentPtr process, const NamedValue& value)
        : SimDispatch("Parameter", server, std::move(process)), value_(value) {
        property("Name", [this](Args) { return Variant(value_.name); });
        property("Value", [this](Args) {
            if (const auto* text = std::get_if<std::string>(&value_.value)) return Variant(*text);
            return Variant(std::get<double>(value_.value));
        });
        property("ValueAsString", [this](Args) { return Variant(valueText(value_.value)); });
    }

private:
    const NamedValue& value_;
};

}  // namespace

Object parameter(Server& server, const DocumentPtr& process, const NamedValue& value) {
    return server.object(&value, "Parameter", [&] { return std::make_shared<ParameterDispatch>(server, process, value); });
}

}  // namespace qvl::sim::objects
