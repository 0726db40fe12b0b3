#pragma once
// The texts that Millsheet shows in its message boxes.

#include <string>
#include <vector>

namespace qvl::millsheet {

inline constexpr const char* windowCaption = "Quorvel工具箱CATIA版 | 生成加工单";
inline constexpr const char* runCaption = "选择程序生成加工单";
inline constexpr const char* runningCaption = "正在生成加工单...";

inline constexpr const char* notProcessDocumentMessage = "此命令只能在加工模块中运行！";
inline constexpr const char* nothingPickedMessage = "没有选择合适的项目,程序退出!";
inline constexpr const char* wrongPaperCodeMessage = "图框尺寸代号输入错误！";

inline std::string templateMessage(const std::string& templatePath) {
    return "无法取得正确的模板！\r\n请检查" + templatePath + "是否做了正确配置.";
}

inline std::string doneMessage(const std::string& savedFile) { return "操作完成!\r\n\r\n文件保存在\r\n" + savedFile; }

// The sheet was saved without some of the content that the run was asked to write: one line per
// missing piece, so that the engineer can add it by hand or run again.
inline std::string incompleteMessage(const std::string& savedFile, const std::vector<std::string>& missing) {
    std::string text = doneMessage(savedFile) + "\r\n\r\n以下内容没有写入加工单:";
    for (const std::string& piece : missing) text += "\r\n" + piece;
    return text;
}

// CATIA went away during the run: the sheet went with it, and its first saved file is removed.
inline constexpr const char* catiaGoneMessage = "无法连接到CATIA，加工单没有保存!\r\n\r\n请启动CATIA后再生成加工单！";

// The run made the sheet but could not write it to the disk: the drawing stays open in CATIA.
inline std::string notSavedMessage(const std::string& outputFolder) {
    return "加工单没有保存!\r\n\r\n请检查输出目录\r\n" + outputFolder;
}

}  // namespace qvl::millsheet
