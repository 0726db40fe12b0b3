#include "sim/render/pdf_writer.h"

#include <cstdio>
#include <vector>

#include "common/text/utf8.h"
#include "sim/model/drawing/drawing_reader.h"
#include "sim/render/sheet_picture.h"
#include "sim/render/svg_text.h"

namespace qvl::sim {
namespace {

constexpr double pointsPerMillimetre = 72 / 25.4;

// Line widths in millimetres, as the SVG pictures draw them.
double lineWidth(SheetPicture::LineKind kind) {
    switch (kind) {
        case SheetPicture::LineKind::ViewEdge: return 0.6;
        case SheetPicture::LineKind::Table: return 0.25;
        case SheetPicture::LineKind::Artwork: break;
    }
    return 0.35;
}

// A text as the hexadecimal UCS-2 (big-endian) string that the font's encoding reads, and its
// width in font sizes (Latin letters half as wide as Chinese characters).
struct PdfText {
    std::string hex;
    double width = 0;
};

PdfText pdfText(const std::string& utf8) {
    PdfText out;
    for (char32_t c : text::toUtf32(utf8)) {
        if (c == '\r' || c == '\n') c = ' ';
        if (c > 0xFFFF) c = '?';
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "%04X", static_cast<unsigned>(c));
        out.hex += buffer;
        out.width += c < 0x80 ? 0.5 : 1.0;
    }
    return out;
}

// The page of one sheet: its content, in millimetres from the sheet's lower left corner.
std::string pageContent(const SheetPicture& picture, double left, double bottom) {
    auto n = [](double value) { return formatCoordinate(value); };
    std::string out = "q " + n(pointsPerMillimetre) + " 0 0 " + n(pointsPerMillimetre) + " " +
                      n(-left * pointsPerMillimetre) + " " + n(-bottom * pointsPerMillimetre) + " cm\n";
    out += "1 J 1 j\n";
    if (picture.paper) {
        out += "0.25 w 0 0 " + n(picture.paper->first) + " " + n(picture.paper->second) + " re S\n";
    }
    auto stroke = [&](const SheetPicture::Line& l) {
        out += n(lineWidth(l.kind)) + " w " + n(l.x1) + " " + n(l.y1) + " m " + n(l.x2) + " " + n(l.y2) + " l S\n";
    };
    for (const auto& l : picture.lines) stroke(l);
    // Circles as short lines.
    for (const auto& a : picture.arcs) {
        for (const auto& l : a.segments()) stroke(l);
    }
    for (const auto& t : picture.texts) {
        // View names are the picture's captions, not part of the drawing.
        if (t.text.empty() || t.kind == SheetPicture::TextKind::ViewName) continue;
        const PdfText text = pdfText(t.text);
        const long long anchor = (t.anchorPoint >= 1 && t.anchorPoint <= 9) ? t.anchorPoint : 3;
        // CATIA's anchor positions: 1 top left ... 9 bottom right, columns first.
        const double x = t.x - text.width * t.size * static_cast<double>((anchor - 1) / 3) / 2;
        const double lift[] = {-0.88, -0.35, 0.0};
        const double y = t.y + lift[(anchor - 1) % 3] * t.size;
        out += "BT /F1 " + n(t.size) + " Tf " + n(x) + " " + n(y) + " Td <" + text.hex + "> Tj ET\n";
    }
    out += "Q\n";
    return out;
}

class PdfOut {
public:
    // Adds an object and returns its number.
    int add(const std::string& body) {
        objects_.push_back(body);
        return static_cast<int>(objects_.size());
    }
    void set(int number, const std::string& body) { objects_[static_cast<std::size_t>(number - 1)] = body; }

    std::string text() const {
        std::string out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
        std::vector<std::size_t> offsets;
        for (std::size_t i = 0; i < objects_.size(); ++i) {
            offsets.push_back(out.size());
            out += std::to_string(i + 1) + " 0 obj\n" + objects_[i] + "\nendobj\n";
        }
        const std::size_t xref = out.size();
        out += "xref\n0 " + std::to_string(objects_.size() + 1) + "\n0000000000 65535 f \n";
        for (std::size_t offset : offsets) {
            char entry[24];
            std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
            out += entry;
        }
        out += "trailer\n<< /Size " + std::to_string(objects_.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
               std::to_string(xref) + "\n%%EOF\n";
        return out;
    }

private:
    std::vector<std::string> objects_;
};

}  // namespace

std::string drawingPdf(const platform::Json& drawing) {
    std::unique_ptr<Drawing> model =
        readDrawing(drawing, [](const std::string&, std::string&) { return std::shared_ptr<Document>(); });
    PdfOut pdf;
    // Objects 1 and 2: the catalog and the list of pages, filled in once the pages are made.
    pdf.add("<< /Type /Catalog /Pages 2 0 R >>");
    const int pages = pdf.add("");
    const int descriptor = pdf.add(
        "<< /Type /FontDescriptor /FontName /STSong-Light /Flags 6 /FontBBox [-25 -254 1000 880] /ItalicAngle 0 "
        "/Ascent 880 /Descent -120 /CapHeight 880 /StemV 93 >>");
    const int cidFont = pdf.add("<< /Type /Font /Subtype /CIDFontType0 /BaseFont /STSong-Light /CIDSystemInfo "
                                "<< /Registry (Adobe) /Ordering (GB1) /Supplement 2 >> /FontDescriptor " +
                                std::to_string(descriptor) + " 0 R /DW 1000 /W [1 95 500] >>");
    const int font = pdf.add("<< /Type /Font /Subtype /Type0 /BaseFont /STSong-Light /Encoding /UniGB-UCS2-H "
                             "/DescendantFonts [" + std::to_string(cidFont) + " 0 R] >>");
    std::string kids;
    int count = 0;
    for (const auto& sheet : model->sheets) {
        if (sheet->detail) continue;
        const SheetPicture picture = pictureOf(*sheet);
        const std::array<double, 4> bounds = picture.bounds();
        const std::string content = pageContent(picture, bounds[0], bounds[2]);
        const int stream =
            pdf.add("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream");
        const int page = pdf.add(
            "<< /Type /Page /Parent " + std::to_string(pages) + " 0 R /MediaBox [0 0 " +
            formatCoordinate((bounds[1] - bounds[0]) * pointsPerMillimetre) + " " +
            formatCoordinate((bounds[3] - bounds[2]) * pointsPerMillimetre) + "] /Resources << /Font << /F1 " +
            std::to_string(font) + " 0 R >> >> /Contents " + std::to_string(stream) + " 0 R >>");
        kids += std::to_string(page) + " 0 R ";
        ++count;
    }
    pdf.set(pages, "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(count) + " >>");
    return pdf.text();
}

}  // namespace qvl::sim
