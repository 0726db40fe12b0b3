#include "millsheet/sheet/default_template.h"

#include <optional>
#include <string>
#include <vector>

#include "common/drawing/drawing_file.h"

namespace qvl::millsheet {

using drawing::ArtworkText;
using drawing::Detail;
namespace anchor = drawing::anchor;

namespace {

constexpr double width = 297, height = 210, margin = 5;
constexpr double right = width - margin, top = height - margin;
// The header: its bottom edge (where the table hangs), the line between its two rows, the right
// edge of the sheet's title, and the width of a label and value pair and of its label.
constexpr double headerBottom = 180, headerMiddle = 192.5, titleRight = 55, pairWidth = 39.5, labelWidth = 15;
constexpr double footerTop = 19, footerMiddle = 12;
constexpr double notesRight = 100, notesTop = 62;

struct Column {
    const char* title;
    double width;
};
// The operations table's columns, in the order of an operation record's fields.
constexpr Column columns[] = {{"序号", 8},      {"程序名", 36},  {"加工描述", 18},    {"刀库名称", 26}, {"刀号", 8},
                              {"刀具名称", 30}, {"直径/R角", 16}, {"刃长/装刀长", 18}, {"侧余量", 12},   {"底余量", 12},
                              {"加工类型", 14}, {"主轴转速", 18}, {"进给", 16},        {"理论时间", 14}};

ArtworkText label(std::string name, std::string text, double x, double y) {
    return {std::move(name), std::move(text), x, y, 2.5};
}

ArtworkText value(std::string name, double x, double y) {
    return {std::move(name), "-", x, y, 3, anchor::middleCentre, true};
}

// Two rows of label and value pairs right of the sheet's title; the work zero's three
// coordinates share two pairs of the lower row.
void header(Detail& detail) {
    detail.line(margin, headerBottom, right, headerBottom);
    detail.line(titleRight, headerMiddle, right, headerMiddle);
    detail.line(titleRight, headerBottom, titleRight, top);
    detail.texts.push_back({"Label.Title", "数控加工工艺卡", (margin + titleRight) / 2, (headerBottom + top) / 2, 5});
    struct Pair {
        const char* caption;
        const char* name;  // null for the work zero
    };
    struct Row {
        double bottom, top;
        std::vector<std::optional<Pair>> pairs;
    };
    const Row rows[] = {
        {headerMiddle, top,
         {Pair{"零件名称", "PartName1"}, Pair{"零件编号", "PartNumber1"}, Pair{"材  料", "Material1"},
          Pair{"毛料尺寸", "Size1"}, Pair{"文件编号", "DocNo1"}, Pair{"文件版本", "DocRev1"}}},
        {headerBottom, headerMiddle,
         {Pair{"设备名称", "Machine1"}, Pair{"加工工位", "OP1"}, Pair{"装夹方法", "FixMethod1"}, Pair{"工件零点", nullptr},
          std::nullopt, Pair{"工程更改", "ECNNo1"}}},
    };
    int count = 0;
    for (const Row& row : rows) {
        const double middle = (row.bottom + row.top) / 2;
        for (std::size_t i = 0; i < row.pairs.size(); ++i) {
            if (!row.pairs[i]) continue;
            const double left = titleRight + static_cast<double>(i) * pairWidth;
            if (i > 0) detail.line(left, row.bottom, left, row.top);
            detail.line(left + labelWidth, row.bottom, left + labelWidth, row.top);
            detail.texts.push_back(label("Label.Header" + std::to_string(++count), row.pairs[i]->caption,
                                         left + labelWidth / 2, middle));
            if (row.pairs[i]->name) {
                detail.texts.push_back(value(row.pairs[i]->name, left + labelWidth + (pairWidth - labelWidth) / 2, middle));
                continue;
            }
            // The work zero: X, Y and Z over the rest of this pair and the whole next one.
            const double share = (2 * pairWidth - labelWidth) / 3;
            const char* axes[][2] = {{"X", "x0"}, {"Y", "y0"}, {"Z", "z0"}};
            for (int k = 0; k < 3; ++k) {
                const double x = left + labelWidth + k * share;
                if (k > 0) detail.line(x, row.bottom, x, row.top);
                detail.line(x + 5, row.bottom, x + 5, row.top);
                detail.texts.push_back(label(std::string("Label.Zero") + axes[k][0], axes[k][0], x + 2.5, middle));
                detail.texts.push_back(value(axes[k][1], x + 5 + (share - 5) / 2, middle));
            }
        }
    }
}

void notesBox(Detail& detail) {
    detail.line(margin, notesTop, notesRight, notesTop);
    detail.line(notesRight, footerTop, notesRight, notesTop);
    detail.texts.push_back({"Label.Notes", "技术要求", margin + 2, notesTop - 3, 3.5, anchor::topLeft});
    detail.texts.push_back({"TecNotes1", "-", margin + 2, notesTop - 9, 2.5, anchor::topLeft, true});
}

// The sign-offs with their dates above, the process document's path below.
void footer(Detail& detail) {
    detail.line(margin, footerTop, right, footerTop);
    detail.line(margin, footerMiddle, right, footerMiddle);
    const char* signs[][2] = {{"编程", "NCMade1"}, {"日期", "Date1"},     {"审核", "Check1"},
                              {"日期", "Date2"},   {"批准", "Approval1"}, {"日期", "Date3"}};
    const double pair = (right - margin) / 6, middle = (footerMiddle + footerTop) / 2;
    for (int i = 0; i < 6; ++i) {
        const double left = margin + i * pair;
        if (i > 0) detail.line(left, footerMiddle, left, footerTop);
        detail.line(left + 12, footerMiddle, left + 12, footerTop);
        detail.texts.push_back(label("Label.Sign" + std::to_string(i + 1), signs[i][0], left + 6, middle));
        detail.texts.push_back(value(signs[i][1], left + 12 + (pair - 12) / 2, middle));
    }
    detail.line(margin + 20, margin, margin + 20, footerMiddle);
    detail.texts.push_back(label("Label.FilePath", "文件路径", margin + 10, (margin + footerMiddle) / 2));
    detail.texts.push_back({"FilePath1", "-", margin + 22, (margin + footerMiddle) / 2, 2.5, anchor::middleLeft, true});
}

drawing::ArtworkTable operationsTable() {
    drawing::ArtworkTable table{"ToolsList1", margin, headerBottom, {8, 7, 10}, {}, {{}}};
    for (const Column& column : columns) {
        table.columnWidths.push_back(column.width);
        table.cells.front().push_back(column.title);
    }
    return table;
}

Detail notes(const char* name, const std::vector<std::string>& lines) {
    std::string block;
    for (std::size_t i = 0; i < lines.size(); ++i) block += (i ? "\r\n" : "") + std::to_string(i + 1) + ". " + lines[i];
    Detail detail{.name = name};
    detail.texts.push_back({"Text.1", block, 0, 0, 3.5, anchor::topLeft});
    return detail;
}

}  // namespace

drawing::TemplateArtwork MachiningTemplateArtwork() {
    Detail frame{.name = "A4"};
    frame.rectangle(0, 0, width, height);
    frame.rectangle(margin, margin, right, top);
    header(frame);
    notesBox(frame);
    footer(frame);
    frame.tables.push_back(operationsTable());
    return {drawing::firstAngleProjection,
            {frame,
             notes("Notes1", {"加工前核对毛坯尺寸及材料牌号，确认无误后方可装夹。", "工件装夹牢固，按工件零点找正，对刀后方可加工。",
                              "未注倒角C0.5，锐边倒钝，去除毛刺。", "未注尺寸公差按GB/T 1804-m。",
                              "首件须经检验合格后方可批量加工。"}),
             notes("Notes2", {"精加工前检查刀具磨损，刀具伸出长度按装刀长设定。", "加工表面不得有划伤、振纹及接刀痕。",
                              "未注表面粗糙度Ra1.6，未注形位公差按GB/T 1184-K。", "加工中充分冷却，薄壁处分层铣削，防止变形。",
                              "加工完毕清理切屑，工件防锈处理后转下道工序。"})}};
}

}  // namespace qvl::millsheet
