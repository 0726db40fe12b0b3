#include "common/catia/program.h"

namespace qvl::catia {

std::string programTitle(Program program) {
    switch (program) {
        case Program::Planwright: return "Quorvel工具箱CATIA版自动投图";
        case Program::Millsheet: return "Quorvel工具箱CATIA版生成加工单";
        case Program::Orderloom: return "Orderloom";
    }
    return "";
}

}  // namespace qvl::catia
