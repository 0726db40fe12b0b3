#include "planwright/drawing/default_templates.h"

#include <array>
#include <string>
#include <vector>

#include "planwright/drawing/notes_codes.h"
#include "planwright/drawing/shared_drawing.h"

namespace qvl::planwright {

using drawing::ArtworkText;
using drawing::Detail;
namespace anchor = drawing::anchor;

namespace {

constexpr double bindingMargin = 25;
constexpr double titleWidth = 180;
constexpr double titleHeight = 56;
constexpr double titleRow = 14;
// The oversize frame: half as wide again as A0.
constexpr double oversizeWidth = 1783.5;

struct FramePaper {
    std::string_view code;
    double width;
    double height;
    double margin;  // of the drawing border, but on the binding side
};

constexpr FramePaper framePapers[] = {{"A0", 1189, 841, 10}, {"A1", 841, 594, 10},         {"A2", 594, 420, 10},
                                      {"A3", 420, 297, 5},   {"A4", 297, 210, 5}, {"Ax", oversizeWidth, 841, 10}};

// The notes of each block, in the order of the notes codes.
using Notes = std::vector<std::string>;
const std::array<Notes, notesCodes.size()>& notesTexts() {
    static const std::array<Notes, notesCodes.size()> blocks{{
        {"未注尺寸公差按GB/T 1804-m。", "未注形位公差按GB/T 1184-K。", "锐边倒钝，去除毛刺飞边。",
          "零件表面不得有划伤、碰伤等缺陷。", "未注倒角C0.5。"},
        {"材料及颜色按标题栏要求。", "未注拔模斜度1°，未注圆角R0.5。", "制品表面光洁，不得有缩痕、气泡、银纹、飞边。",
          "浇口位置不得影响外观及装配。", "未注尺寸公差按GB/T 14486-MT5。"},
        {"未注折弯内圆角R等于料厚。", "冲裁毛刺高度不大于料厚的10%。", "零件表面平整，不得有裂纹、起皱。",
          "未注尺寸公差按GB/T 15055-m。", "表面处理：镀锌钝化。"},
        {"未注尺寸公差按GB/T 1804-m。", "未注形位公差按GB/T 1184-K。", "加工表面不得有磕碰、划伤及锈蚀。",
          "未注倒角C0.5，锐边倒钝。", "未注表面粗糙度Ra3.2。"},
        {"铸件不得有裂纹、冷隔、缩孔等缺陷。", "未注铸造圆角R3~R5。", "未注铸造斜度1°~3°。",
          "铸件尺寸公差按GB/T 6414-CT9。", "铸件须经时效处理消除内应力。"},
        {"硬度邵氏A 60±5。", "表面光滑，不得有气泡、杂质、缺胶。", "飞边厚度不大于0.2。",
          "未注尺寸公差按GB/T 3672.1-M3。", "耐油、耐老化性能满足使用要求。"},
        {"锻件不得有裂纹、折叠、过烧等缺陷。", "未注锻造圆角R3。", "未注模锻斜度7°。",
          "锻件尺寸公差按GB/T 12362普通级。", "锻后正火处理，硬度HB170~220。"},
        {"按客户图纸及技术协议要求。", "首件须经检验合格后方可批量生产。", "包装须防锈、防磕碰。",
          "其他要求见技术协议。"},
    }};
    return blocks;
}

// The truncated cone of the projection-method symbol in a 26 x 12 box with its lower-left
// corner at (x, y): its side view and its end view, the end view right of the side view in
// first angle, left of it in third angle.
void projectionSymbol(Detail& detail, double x, double y, bool thirdAngle) {
    const double side = thirdAngle ? x + 15 : x + 2, end = thirdAngle ? x + 6 : x + 20, middle = y + 6;
    detail.line(side, middle - 2.5, side + 9, middle - 5);
    detail.line(side + 9, middle - 5, side + 9, middle + 5);
    detail.line(side + 9, middle + 5, side, middle + 2.5);
    detail.line(side, middle + 2.5, side, middle - 2.5);
    detail.circles.push_back({end, middle, 5});
    detail.circles.push_back({end, middle, 2.5});
}

// The title block with its lower-right corner at (right, bottom), and the projection symbol
// in a box above its right end.
void titleBlock(Detail& detail, double right, double bottom, bool thirdAngle) {
    const double x0 = right - titleWidth, y0 = bottom;
    detail.rectangle(x0, y0, right, y0 + titleHeight);
    for (int k = 1; k <= 3; ++k) detail.line(x0, y0 + titleRow * k, x0 + 100, y0 + titleRow * k);
    detail.line(x0 + 100, y0 + 2 * titleRow, right, y0 + 2 * titleRow);
    for (double dx : {15.0, 45.0, 57.0}) detail.line(x0 + dx, y0 + titleRow, x0 + dx, y0 + titleHeight);
    detail.line(x0 + 15, y0, x0 + 15, y0 + titleRow);
    detail.line(x0 + 100, y0, x0 + 100, y0 + titleHeight);
    detail.line(x0 + 115, y0, x0 + 115, y0 + titleHeight);

    // Each title text in its cell, its label in the cell to its left: the cell's rows (from the
    // block's bottom), the label's columns and the value's columns (from its left).
    struct Cell {
        const char* label;
        const char* name;
        const char* value;
        double row0, row1, label0, label1, value0, value1;
    };
    const Cell cells[] = {
        {"设计", "TitleDesigner", "-", 42, 56, 0, 15, 15, 45},   {"日期", "TitleDate1", "-", 42, 56, 45, 57, 57, 100},
        {"绘图", "TitleDrawner", "-", 28, 42, 0, 15, 15, 45},    {"日期", "TitleDate2", "-", 28, 42, 45, 57, 57, 100},
        {"比例", "TitleScale", "1 : 1", 14, 28, 0, 15, 15, 45},  {"质量", "TitleMass", "-", 14, 28, 45, 57, 57, 100},
        {"材料", "TitleMaterial", "-", 0, 14, 0, 15, 15, 100},  {"名称", "TitleName", "-", 28, 56, 100, 115, 115, 180},
        {"图号", "TitlePN", "-", 0, 28, 100, 115, 115, 180},
    };
    int number = 0;
    for (const Cell& cell : cells) {
        const double y = y0 + (cell.row0 + cell.row1) / 2;
        const std::string name = cell.name;
        const double size = name == "TitleName" || name == "TitlePN" ? 5 : 3.5;
        detail.texts.push_back({"Label." + std::to_string(++number), cell.label, x0 + (cell.label0 + cell.label1) / 2, y});
        detail.texts.push_back({name, cell.value, x0 + (cell.value0 + cell.value1) / 2, y, size, anchor::middleCentre, true});
    }
    detail.rectangle(right - 30, y0 + titleHeight, right, y0 + titleHeight + titleRow);
    projectionSymbol(detail, right - 28, y0 + titleHeight + 1, thirdAngle);
    detail.texts.push_back({"Label.Projection", thirdAngle ? "第三角投影" : "第一角投影", right - 31, y0 + titleHeight + 7,
                            2.5, anchor::middleRight});
}

Detail frame(const FramePaper& paper, bool thirdAngle) {
    Detail detail{.name = std::string(paper.code)};
    const double w = paper.width, h = paper.height;
    const double left = bindingMargin, bottom = paper.margin, right = w - paper.margin, top = h - paper.margin;
    detail.rectangle(0, 0, w, h);
    detail.rectangle(left, bottom, right, top);
    // Centring marks in the middle of each side, from the trimmed border 5 mm into the drawing area.
    detail.line(w / 2, 0, w / 2, bottom + 5);
    detail.line(w / 2, h, w / 2, top - 5);
    detail.line(0, h / 2, left + 5, h / 2);
    detail.line(w, h / 2, right - 5, h / 2);
    titleBlock(detail, right, bottom, thirdAngle);
    return detail;
}

Detail notes(std::string_view code, const Notes& notes) {
    Detail detail{.name = std::string(code)};
    detail.texts.push_back({"NotesTitle", "技术要求", -120, 0, 5, anchor::topLeft});
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        detail.texts.push_back({"Note" + number, number + ". " + notes[i], -120,
                                -4 - 6 * static_cast<double>(i + 1), 3.5, anchor::topLeft});
    }
    return detail;
}

}  // namespace

drawing::TemplateArtwork FrameTemplateArtwork(bool thirdAngle) {
    drawing::TemplateArtwork artwork{thirdAngle ? thirdAngleProjection : firstAngleProjection, {}};
    for (const FramePaper& paper : framePapers) artwork.details.push_back(frame(paper, thirdAngle));
    for (std::size_t i = 0; i < notesCodes.size(); ++i) artwork.details.push_back(notes(notesCodes[i], notesTexts()[i]));
    return artwork;
}

}  // namespace qvl::planwright
