#include "common/text/utf8.h"
#include "sim/dispatch/drawing_object_dispatch.h"
#include "sim/dispatch/objects.h"

namespace qvl::sim::objects {
namespace {

using automation::Variant;
using automation::argument;

// What the texts of the text objects share: the text they stand for, which may lie in a view
// or inside a placed component.
class TextBoundDispatch : public DrawingObjectDispatch {
public:
    TextBoundDispatch(std::string typeName, Server& server, DocumentPtr drawingDocument, std::shared_ptr<DrawingText> target)
        : DrawingObjectDispatch(std::move(typeName), server, std::move(drawingDocument)), text_(std::move(target)) {}

protected:
    DrawingText& text() const { return alive(text_); }
    const std::shared_ptr<DrawingText>& textPointer() const { return text_; }

    template <class T>
    void field(const char* name, T DrawingText::*member) {
        property(name, [this, member](Args) { return Variant(text().*member); },
                 [this, member](const Variant& v) {
                     if constexpr (std::is_same_v<T, double>) {
                         text().*member = v.toDouble();
                     } else if constexpr (std::is_same_v<T, long long>) {
                         text().*member = v.toLong();
                     } else {
                         text().*member = v.toString();
                     }
                     changed();
                 });
    }

private:
    std::shared_ptr<DrawingText> text_;
};

class DrawingTextDispatch : public TextBoundDispatch {
public:
    DrawingTextDispatch(Server& server, DocumentPtr drawingDocument, std::shared_ptr<DrawingText> target)
        : TextBoundDispatch("DrawingText", server, std::move(drawingDocument), std::move(target)) {
        field("Name", &DrawingText::name);
        field("Text", &DrawingText::text);
        field("x", &DrawingText::x);
        field("y", &DrawingText::y);
        field("AnchorPosition", &DrawingText::anchorPoint);
        property("TextProperties", [this](Args) {
            text();
            return Variant(textProperties(this->server(), owner(), textPointer()));
        });
        // SetFontSize(first character from 0, character count (0: the whole text), size)
        method("SetFontSize", [this](Args args) {
            long long first = argument(args, 0).toLong();
            long long count = argument(args, 1).toLong();
            double size = argument(args, 2).toDouble();
            DrawingText& t = text();
            long long length = static_cast<long long>(text::charCount(t.text));
            if (!(size > 0)) throw Refusal("a font size is above 0");
            if (count == 0) {
                t.fontSize = size;
                t.fontRuns.clear();
            } else if (first < 0 || count < 0 || first + count > length) {
                throw Refusal("the text has no characters " + std::to_string(first) + " to " +
                              std::to_string(first + count - 1));
            } else {
                t.fontRuns.push_back({first, count, size});
            }
            changed();
            return Variant();
        });
        method("SetModifiableIn2DComponentInstances", [this](Args) {
            text().modifiableInInstances = true;
            changed();
            return Variant();
        });
        method("GetModifiableIn2DComponentInstances", [this](Args) { return Variant(text().modifiableInInstances); });
    }

    std::optional<Element> element() const override { return Element{owner(), textPointer()}; }
};

// The properties of a text's characters. What is set here reaches the text at `Update`, as
// CATIA documents it; until then it is read back from here.
class TextPropertiesDispatch : public TextBoundDispatch {
public:
    TextPropertiesDispatch(Server& server, DocumentPtr drawingDocument, std::shared_ptr<DrawingText> target)
        : TextBoundDispatch("DrawingTextProperties", server, std::move(drawingDocument), std::move(target)) {
        pending("AnchorPoint", &DrawingText::anchorPoint, &Pending::anchorPoint);
        pending("Justification", &DrawingText::justification, &Pending::justification);
        pending("FontSize", &DrawingText::fontSize, &Pending::fontSize);
        method("Update", [this](Args) {
            DrawingText& t = text();
            if (pending_.anchorPoint) t.anchorPoint = *pending_.anchorPoint;
            if (pending_.justification) t.justification = *pending_.justification;
            if (pending_.fontSize) t.fontSize = *pending_.fontSize;
            pending_ = {};
            changed();
            return Variant();
        });
    }

private:
    // The properties set since the last Update.
    struct Pending {
        std::optional<long long> anchorPoint;
        std::optional<long long> justification;
        std::optional<double> fontSize;
    };

    template <class T>
    void pending(const char* name, T DrawingText::*member, std::optional<T> Pending::*slot) {
        property(name, [this, member, slot](Args) { return Variant((pending_.*slot).value_or(text().*member)); },
                 [this, slot](const Variant& v) {
                     text();
                     if constexpr (std::is_same_v<T, double>) {
                         pending_.*slot = v.toDouble();
                     } else {
                         pending_.*slot = v.toLong();
                     }
                 });
    }

    Pending pending_;
};

}  // namespace

Object drawingText(Server& server, const DocumentPtr& drawing, const std::shared_ptr<DrawingText>& text) {
    return server.object(text.get(), "DrawingText",
                         [&] { return std::make_shared<DrawingTextDispatch>(server, drawing, text); });
}

Object textProperties(Server& server, const DocumentPtr& drawing, const std::shared_ptr<DrawingText>& text) {
    return server.object(text.get(), "DrawingTextProperties",
                         [&] { return std::make_shared<TextPropertiesDispatch>(server, drawing, text); });
}

}  // namespace qvl::sim::objects
