#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace qvl::millsheet {

// The named texts of the machining sheet's title block, in the order in which they are
// written. The names are case-sensitive ("x0", "y0", "z0").
inline constexpr std::size_t machiningTitleTextCount = 21;
inline constexpr std::array<std::string_view, machiningTitleTextCount> machiningTitleTextNames{
    "PartName1", "PartNumber1", "NCMade1", "Date1",    "Material1", "Size1",   "x0",
    "y0",        "z0",          "FixMethod1", "FilePath1", "OP1",    "Machine1", "Check1",
    "Date2",     "Approval1",   "Date3",   "TecNotes1", "DocNo1",  "DocRev1", "ECNNo1"};

// What each title text shows, as the engineer knows it from the window, in the same order.
inline constexpr std::array<std::string_view, machiningTitleTextCount> machiningTitleLabels{
    "零件名称", "零件编号", "编程",     "编程日期", "材料",     "毛料尺寸", "X零点",
    "Y零点",    "Z零点",    "装夹方法", "文件路径", "加工工位", "设备名称", "审核",
    "审核日期", "批准",     "批准日期", "技术要求", "文件编号", "文件版本", "工程更改"};

// The title text of the process document's path.
inline constexpr std::size_t filePathTitleIndex = 10;

// A title text that could not be written, as the run's message names it.
inline std::string missingTitlePiece(std::size_t index) {
    return "标题栏: " + std::string(machiningTitleLabels[index]);
}

// One value per title text, in the same order.
using MachiningTitleValues = std::array<std::string, machiningTitleTextCount>;

}  // namespace qvl::millsheet
