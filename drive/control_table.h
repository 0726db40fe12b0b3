#pragma once

#include <string>
#include <vector>

#include "common/ui/control.h"

namespace qvl::drive {

// One control of a program's window as its control table declares it: what a person's
// inspection tools see of it too (its window's id and class), with the name the table gives.
struct TableControl {
    std::string name;
    ui::ControlKind kind;
    int id = 0;
    ui::ControlStyle style;
};

// The controls of a program's main window, in tab order, learnt from the program's own table.
class ControlTable {
public:
    explicit ControlTable(const std::string& program);

    const std::vector<TableControl>& controls() const noexcept { return controls_; }
    // Throws platform::ScriptFault for a name the table does not have.
    const TableControl& find(const std::string& name) const;

private:
    std::vector<TableControl> controls_;
};

}  // namespace qvl::drive
