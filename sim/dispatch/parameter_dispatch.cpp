#include "sim/dispatch/objects.h"
#include "sim/dispatch/sim_dispatch.h"
#include "sim/model/process/parameter_type.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;

// A tool attribute or a parameter of an operation, as the typed parameter CATIA makes of its
// value: `Value` of the type's own kind (a text, or a number as a Double), `ValueAsString` (a
// Func) the value as text.
class ParameterDispatch : public SimDispatch {
public:
    ParameterDispatch(Server& server, DocumentPtr process, const NamedValue& value, const ParameterType& type)
        : SimDispatch(type.typeName, server, std::move(process)), value_(value), typed_(type.value) {
        property("Name", [this](Args) { return Variant(value_.name); });
        property("Value", [this](Args) {
            if (const auto* text = std::get_if<std::string>(&typed_)) return Variant(*text);
            return Variant(std::get<double>(typed_));
        });
        method("ValueAsString", [this](Args) { return Variant(valueText(value_.value)); });
    }

private:
    const NamedValue& value_;
    AttributeValue typed_;
};

}  // namespace

Object parameter(Server& server, const DocumentPtr& process, const NamedValue& value) {
    const ParameterType type = parameterType(value.value);
    return server.object(&value, type.typeName,
                         [&] { return std::make_shared<ParameterDispatch>(server, process, value, type); });
}

}  // namespace qvl::sim::objects
