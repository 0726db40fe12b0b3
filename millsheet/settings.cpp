// The window's options saved as defaults: the section "生成加工单Drw" of Conf1.ini in the
// program's folder, twenty keys in a fixed order, written by SaveConf and read back at
// start-up.

#include <optional>
#include <string>
#include <vector>

#include "common/automation/error.h"
#include "common/automation/error_trap.h"
#include "common/profile/profile_file.h"
#include "common/profile/profile_text.h"
#include "common/text/vb_number.h"
#include "millsheet/main_frm3.h"

namespace qvl::millsheet {
namespace {

constexpr const char* settingsSection = "生成加工单Drw";
// GetPrivateProfileString's buffer: tick-box values are read up to 255 bytes.
constexpr std::size_t valueBufferSize = 256;

struct Setting {
    const char* key;
    ui::Control& control;
};

// The keys in the order in which they are written and read: the tick boxes first, then the
// texts.
std::vector<Setting> tickBoxSettings(MainFrm3& f) {
    return {
        {"序号", f.chkItemNo1},       {"程序名", f.chkProgNo1},       {"加工描述", f.chkDes1},
        {"刀库名称", f.chkToolAss1},  {"刀号", f.chkToolNo1},         {"刀具名称", f.chkToolName1},
        {"直径/R角", f.chkDiaR1},     {"刃长/装刀长", f.chkWorkL1},   {"侧余量", f.chkBufferS1},
        {"底余量", f.chkBufferB1},    {"加工类型", f.chkQuality1},    {"主轴转速", f.chkSpindle1},
        {"进给", f.chkFeedRate1},     {"理论时间", f.chkTime1},       {"合并显示数据", f.chkMerg},
        {"按程序汇总时间", f.chkMergeTime},
    };
}

std::vector<Setting> textSettings(MainFrm3& f) {
    return {
        {"技术要求", f.txtTecNotes11},
        {"编程", f.txtNCMade1},
        {"审核", f.txtCheck1},
        {"批准", f.txtApproval1},
    };
}

// A tick-box value: a decimal number rounded to the nearest integer, which the box must take
// (0, 1 or 2). Anything else fails, which ends the loading at this key.
void applyTickBox(ui::Control& box, const std::string& value) {
    if (value.empty()) return;
    const std::optional<std::int16_t> number = text::toInt16(value);
    if (!number) throw automation::Error(automation::errc::typeMismatch, "Type mismatch");
    box.setValue(*number);
}

}  // namespace

std::string MainFrm3::settingsPath() const { return programFolder_ + "\\Conf1.ini"; }

void MainFrm3::SaveConf_Click() {
    profile::updateProfileFile(services_, settingsPath(), [&](std::string bytes) {
        for (const Setting& setting : tickBoxSettings(*this)) {
            bytes = profile::writeProfileString(bytes, settingsSection, setting.key,
                                                std::to_string(setting.control.value()));
        }
        // Texts are kept whole: the notes may hold line breaks and run past 255 bytes. A
        // one-line text without special characters is written plainly, as it always was.
        for (const Setting& setting : textSettings(*this)) {
            bytes = profile::writeProfileText(bytes, settingsSection, setting.key, setting.control.text());
        }
        return bytes;
    });
}

void MainFrm3::LoadSettings() {
    const std::optional<std::string> bytes = services_.readFile(settingsPath());
    if (!bytes) return;
    for (const Setting& setting : tickBoxSettings(*this)) {
        applyTickBox(setting.control,
                     profile::readProfileString(*bytes, settingsSection, setting.key, "", valueBufferSize));
    }
    for (const Setting& setting : textSettings(*this)) {
        const std::string value = profile::readProfileText(*bytes, settingsSection, setting.key, "");
        if (!value.empty()) setting.control.setText(value);
    }
}

}  // namespace qvl::millsheet
