// The window's options saved as defaults: the section "自动投图" of Conf1.ini in the program's
// folder, sixteen keys in a fixed order, written by SaveConf and read back at start-up.

#include <optional>
#include <string>
#include <vector>

#include "common/automation/error.h"
#include "common/automation/error_trap.h"
#include "common/profile/profile_file.h"
#include "common/profile/profile_text.h"
#include "common/text/vb_number.h"
#include "planwright/main_frm.h"

namespace qvl::planwright {
namespace {

constexpr const char* settingsSection = "自动投图";
// GetPrivateProfileString's buffer: values are read up to 255 bytes of the file's encoding.
constexpr std::size_t valueBufferSize = 256;

enum class SettingKind {
    ProjectionMethod,  // op1st / op3rd: "1" or "3"
    OutputMode,        // opOut1 / opOut2 / opOut3: "1", "2" or "3"
    CheckBox,          // the check box's value
    Text,              // the text or combo box's text
};

struct Setting {
    const char* key;
    SettingKind kind;
    ui::Control& control;
};

// The keys in the order in which they are written and read.
std::vector<Setting> settingsOf(MainFrm& f) {
    return {
        {"投影视角", SettingKind::ProjectionMethod, f.op1st},
        {"用户轴系优先", SettingKind::CheckBox, f.chkUserAxis},
        {"实体作为零件处理", SettingKind::CheckBox, f.chkMutiBodies},
        {"图纸幅面不超过", SettingKind::Text, f.cbxlstSize},
        {"添加图框", SettingKind::CheckBox, f.chkAddFrm},
        {"添加长宽高", SettingKind::CheckBox, f.chkAddDes},
        {"视图间距", SettingKind::Text, f.txtVdis},
        {"输出单多页", SettingKind::OutputMode, f.opOut1},
        {"文件后缀", SettingKind::Text, f.txtSuf},
        {"插入技术要求", SettingKind::CheckBox, f.chkNotes},
        {"插入技术要求S", SettingKind::Text, f.cbxNotes},
        {"设计", SettingKind::CheckBox, f.chkDesigner},
        {"设计S", SettingKind::Text, f.txtDesigner},
        {"绘图", SettingKind::CheckBox, f.chkDrawner},
        {"绘图S", SettingKind::Text, f.txtDrawner},
        {"投影完成后导出DWG", SettingKind::CheckBox, f.chkDwg},
    };
}

[[noreturn]] void typeMismatch() { throw automation::Error(automation::errc::typeMismatch, "Type mismatch"); }

double numberOf(const std::string& value) {
    std::optional<double> number = text::toDouble(value);
    if (!number) typeMismatch();
    return *number;
}

std::string valueToSave(const MainFrm& f, const Setting& setting) {
    switch (setting.kind) {
        case SettingKind::ProjectionMethod: return f.op1st.value() == 1 ? "1" : "3";
        case SettingKind::OutputMode:
            if (f.opOut1.value() == 1) return "1";
            if (f.opOut2.value() == 1) return "2";
            return "3";
        case SettingKind::CheckBox: return std::to_string(setting.control.value());
        case SettingKind::Text: return setting.control.text();
    }
    return {};
}

// Applies one value read from the file; a value that does not convert fails, which ends the
// loading there.
void applySetting(MainFrm& f, const Setting& setting, const std::string& value) {
    switch (setting.kind) {
        case SettingKind::ProjectionMethod:
            if (numberOf(value) == 3) f.op3rd.setValue(1);
            return;
        case SettingKind::OutputMode: {
            const double mode = numberOf(value);
            if (mode == 1) {
                f.opOut1.setValue(1);
            } else if (mode == 2) {
                f.opOut2.setValue(1);
            } else {
                f.opOut3.setValue(1);
            }
            return;
        }
        case SettingKind::CheckBox: {
            if (value.empty()) return;
            std::optional<std::int16_t> checked = text::toInt16(value);
            if (!checked) typeMismatch();
            setting.control.setValue(*checked);  // a value other than 0, 1 or 2 fails here
            return;
        }
        case SettingKind::Text:
            if (!value.empty()) setting.control.setText(value);
            return;
    }
}

}  // namespace

std::string MainFrm::settingsPath() const { return programFolder_ + "\\Conf1.ini"; }

void MainFrm::SaveConf_Click() {
    profile::updateProfileFile(services_, settingsPath(), [&](std::string bytes) {
        for (const Setting& setting : settingsOf(*this)) {
            const std::string value = valueToSave(*this, setting);
            // Texts are kept whole: a text with blanks around it is quoted, one with characters
            // that the file's encoding cannot hold is escaped; any other value is written plainly.
            bytes = setting.kind == SettingKind::Text
                        ? profile::writeProfileText(bytes, settingsSection, setting.key, value)
                        : profile::writeProfileString(bytes, settingsSection, setting.key, value);
        }
        return bytes;
    });
}

void MainFrm::LoadSettings() {
    std::optional<std::string> bytes = services_.readFile(settingsPath());
    if (!bytes) return;
    for (const Setting& setting : settingsOf(*this)) {
        std::string value = profile::readProfileString(*bytes, settingsSection, setting.key, "", valueBufferSize);
        if (setting.kind == SettingKind::Text) value = profile::decodeMultiLineValue(value);
        applySetting(*this, setting, value);
    }
}

}  // namespace qvl::planwright
