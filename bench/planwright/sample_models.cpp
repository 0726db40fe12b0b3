#include "sample_models.h"

#include <array>
#include <cstdio>
#include <random>
#include <stdexcept>

#include "headless/transcript.h"

namespace qvl::bench {

using platform::Json;

namespace {

using Box = std::array<double, 6>;  // xmin, ymin, zmin, xmax, ymax, zmax

class ShapeMaker {
public:
    explicit ShapeMaker(unsigned seed) : random_(seed) {}

    // A length in millimetres between `low` and `high`, in steps of 5.
    double length(double low, double high) {
        const int steps = static_cast<int>((high - low) / 5);
        return low + 5.0 * std::uniform_int_distribution<int>(0, steps)(random_);
    }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::vector<Box> singleBodyShape(int shape) {
        switch (shape) {
            case 0: {  // plate
                return {{0, 0, 0, length(80, 400), length(60, 300), length(5, 25)}};
            }
            case 1: {  // L-bracket: base and upright
                const double l = length(60, 250), w = length(40, 150), t = length(5, 20), h = length(50, 200);
                return {{0, 0, 0, l, w, t}, {0, 0, t, t, w, h}};
            }
            case 2: {  // shaft with a collar, along x
                const double l = length(150, 900), r = length(10, 60), c = r + length(5, 20);
                const double at = length(20, l / 2);
                return {{0, -r, -r, l, r, r}, {at, -c, -c, at + length(10, 40), c, c}};
            }
            case 3: {  // block with a boss on top
                const double l = length(80, 400), w = length(60, 300), h = length(30, 150), b = length(20, 60);
                return {{0, 0, 0, l, w, h}, {l / 2 - b, w / 2 - b, h, l / 2 + b, w / 2 + b, h + length(10, 60)}};
            }
            case 4: {  // small cube
                const double a = length(10, 60);
                return {{-a / 2, -a / 2, 0, a / 2, a / 2, a}};
            }
            case 5: {  // channel: base and two walls
                const double l = length(200, 1200), w = length(50, 200), t = length(4, 12), h = length(40, 150);
                return {{0, 0, 0, l, w, t}, {0, 0, t, l, t, h}, {0, w - t, t, l, w, h}};
            }
            default: {  // large welded frame that needs a reduced scale
                const double l = length(1500, 4000), w = length(800, 2000), h = length(600, 1500), s = length(60, 120);
                return {{0, 0, 0, l, s, h}, {0, w - s, 0, l, w, h}, {0, s, 0, s, w - s, h}, {l - s, s, 0, l, w - s, h}};
            }
        }
    }

    std::vector<std::vector<Box>> multiBodyShape() {
        std::vector<std::vector<Box>> bodies;
        const double l = length(100, 500), w = length(80, 300), h = length(40, 200);
        bodies.push_back({{0, 0, 0, l, w, h}});
        bodies.push_back({{0, 0, h, l, w, h + length(5, 30)}});
        if (pick(0, 1) == 1) bodies.push_back({{l / 4, w / 4, -length(10, 50), 3 * l / 4, 3 * w / 4, 0}});
        return bodies;
    }

private:
    std::mt19937 random_;
};

Json boxesJson(const std::vector<Box>& boxes) {
    Json list = Json::array();
    for (const Box& b : boxes) list.push_back(Json::array({b[0], b[1], b[2], b[3], b[4], b[5]}));
    return list;
}

// Mass, volume and area as the analysis reports them: of the boxes, in steel.
void addAnalysis(Json& document, const std::vector<std::vector<Box>>& bodies) {
    double volume = 0, area = 0;
    for (const auto& boxes : bodies) {
        for (const Box& b : boxes) {
            const double dx = b[3] - b[0], dy = b[4] - b[1], dz = b[5] - b[2];
            volume += dx * dy * dz;
            area += 2 * (dx * dy + dy * dz + dz * dx);
        }
    }
    document["mass"] = volume * 7.85e-6;
    document["volume"] = volume;
    document["wetArea"] = area;
}

Json partJson(const std::string& number, const std::string& nomenclature,
              const std::vector<std::pair<std::string, std::vector<Box>>>& bodies) {
    Json part = {{"kind", "Part"}, {"partNumber", number}, {"nomenclature", nomenclature}, {"definition", ""}};
    std::vector<std::vector<Box>> geometry;
    Json bodyList = Json::array();
    for (const auto& [name, boxes] : bodies) {
        bodyList.push_back({{"name", name}, {"boxes", boxesJson(boxes)}});
        geometry.push_back(boxes);
    }
    addAnalysis(part, geometry);
    part["bodies"] = std::move(bodyList);
    part["axisSystems"] = Json::array();
    return part;
}

std::string modelNumber(int index) {
    char text[16];
    std::snprintf(text, sizeof text, "QB-%03d", index + 1);
    return text;
}

}  // namespace

SampleBatch writeSampleBatch(platform::VirtualDisk& disk, const std::string& windowsFolder, int count) {
    static constexpr std::array<const char*, 7> shapeNames{"板", "L形支架", "轴", "带凸台块",
                                                           "立方块", "槽钢", "焊接框架"};
    ShapeMaker shapes(20261207u);
    SampleBatch batch;
    std::vector<std::string> singleBodyFiles;
    std::vector<Json> singleBodyParts;
    auto write = [&](const std::string& fileName, const Json& document) {
        const std::string path = windowsFolder + "\\" + fileName;
        if (!disk.writeFile(path, document.dump(2), true)) throw std::runtime_error("cannot write " + path);
        batch.paths.push_back(path);
    };

    for (int i = 0; i < count; ++i) {
        const std::string number = modelNumber(i);
        const int kind = i % 10;
        if (kind == 9 && singleBodyFiles.size() >= 2) {
            Json product = {{"kind", "Product"}, {"partNumber", number}, {"nomenclature", "部件"}, {"definition", ""},
                            {"mass", 0.0}, {"volume", 0.0}, {"wetArea", 0.0}};
            Json children = Json::array();
            const int parts = shapes.pick(2, 4);
            for (int c = 0; c < parts; ++c) {
                // The latest single-body parts, the same part more than once when there are few.
                const std::size_t which =
                    singleBodyFiles.size() - 1 - static_cast<std::size_t>(c) % singleBodyFiles.size();
                const std::string& file = singleBodyFiles[which];
                for (const char* key : {"mass", "volume", "wetArea"}) {
                    product[key] = product[key].get<double>() + singleBodyParts[which][key].get<double>();
                }
                children.push_back({{"name", file.substr(0, file.find('.')) + "." + std::to_string(c + 1)},
                                    {"file", file},
                                    {"offset", Json::array({c * 150.0, (c % 2) * 120.0, 0.0})}});
            }
            product["children"] = std::move(children);
            write(number + ".CATProduct", product);
            ++batch.assemblies;
        } else if (kind == 7 || kind == 8) {
            std::vector<std::pair<std::string, std::vector<Box>>> bodies;
            const char* bodyNames[] = {"PartBody", "Cover", "Insert"};
            auto shape = shapes.multiBodyShape();
            for (std::size_t b = 0; b < shape.size(); ++b) bodies.emplace_back(bodyNames[b], shape[b]);
            write(number + ".CATPart", partJson(number, "多实体件", bodies));
            ++batch.multiBodyParts;
            batch.bodiesOfMultiBodyParts += static_cast<int>(bodies.size());
        } else {
            const int shape = i % 7;
            Json part = partJson(number, shapeNames[static_cast<std::size_t>(shape)],
                                 {{"PartBody", shapes.singleBodyShape(shape)}});
            write(number + ".CATPart", part);
            singleBodyFiles.push_back(number + ".CATPart");
            singleBodyParts.push_back(std::move(part));
            ++batch.singleBodyParts;
        }
    }
    return batch;
}

}  // namespace qvl::bench
