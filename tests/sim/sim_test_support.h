#pragma once

#include <atomic>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "common/automation/error.h"
#include "common/automation/object.h"
#include "common/automation/variant.h"
#include "headless/transcript.h"
#include "headless/virtual_disk.h"
#include "sim/sim_catia.h"

namespace qvl::sim::testing {

using automation::Object;
using automation::Variant;

// A small world: an assembly of a part used twice and a sub-assembly.
inline constexpr const char* bracketPart = R"({
  "kind": "Part", "partNumber": "Bracket", "nomenclature": "支架", "definition": "左支架",
  "mass": 1.25, "volume": 12500, "wetArea": 3456,
  "bodies": [ { "name": "PartBody", "boxes": [[0, 0, 0, 120, 80, 45]] },
              { "name": "Rib", "boxes": [[0, 0, 45, 10, 80, 60]] } ],
  "axisSystems": [ { "name": "Axis System.1", "origin": [5, 6, 7],
                     "x": [0, 1, 0], "y": [-1, 0, 0], "z": [0, 0, 1] },
                   { "name": "Axis System.2" } ] })";

inline constexpr const char* boltPart = R"({ "kind": "Part", "partNumber": "Bolt",
  "bodies": [ { "name": "PartBody", "boxes": [[0, 0, 0, 10, 10, 40]] } ] })";

inline constexpr const char* subProduct = R"({ "kind": "Product", "partNumber": "Sub",
  "children": [ { "name": "Bolt.1", "file": "parts\\Bolt.CATPart", "offset": [0, 0, 100] } ] })";

inline constexpr const char* assyProduct = R"({ "kind": "Product", "partNumber": "Assy",
  "nomenclature": "总成", "definition": "", "mass": 3.1,
  "children": [ { "name": "Bracket.1", "file": "Bracket.CATPart", "offset": [0, 0, 0] },
                { "name": "Bracket.2", "file": "Bracket.CATPart", "offset": [200, 0, 0] },
                { "name": "Sub.1", "file": "Sub.CATProduct", "offset": [0, 300, 0] } ] })";

// A simulated CATIA on a disk of its own, in a temporary folder that the test removes.
class SimTest : public ::testing::Test {
protected:
    SimTest() : root_(makeRoot()), disk(root_), sim(disk, transcript) {}
    ~SimTest() override {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }

    void write(const std::string& windowsPath, const std::string& text) {
        ASSERT_TRUE(disk.writeFile(windowsPath, text, true)) << windowsPath;
    }

    // The models folder D:\models with the small world.
    void writeWorld() {
        write("D:\\models\\Bracket.CATPart", bracketPart);
        write("D:\\models\\parts\\Bolt.CATPart", boltPart);
        write("D:\\models\\Sub.CATProduct", subProduct);
        write("D:\\models\\Assy.CATProduct", assyProduct);
    }

    Object catia() { return sim.factory().getActiveObject("CATIA.Application"); }
    Object documents() { return catia().get("Documents").object(); }
    Object open(const std::string& path) { return documents().call("Open", {Variant(path)}).object(); }
    Object activeDocument() { return catia().get("ActiveDocument").object(); }

    platform::Json lastEvent() const { return transcript.events().back(); }

    std::filesystem::path root_;
    platform::VirtualDisk disk;
    platform::Transcript transcript;
    SimCatia sim;

private:
    static std::filesystem::path makeRoot() {
        static std::atomic<int> counter{0};
        std::random_device random;
        auto root = std::filesystem::temp_directory_path() /
                    ("qvl-sim-" + std::to_string(random()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(root / "C");
        return root;
    }
};

// The error number of the automation error that `call` raises; nullopt when it succeeds.
inline std::optional<std::int32_t> errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const automation::Error& e) {
        return e.code();
    }
    return std::nullopt;
}

}  // namespace qvl::sim::testing
