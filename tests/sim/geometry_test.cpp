#include "sim/model/document_store.h"
#include "tests/sim/sim_test_support.h"

namespace qvl::sim::testing {
namespace {

// The geometry that views will project: an assembly's boxes carry each instance's offset, down
// through sub-assemblies. It has no automation member yet, so the model is read directly.
using GeometryTest = SimTest;

TEST_F(GeometryTest, AssemblyBoxesAreOffsetPerInstance) {
    writeWorld();
    DocumentStore store(disk);
    std::shared_ptr<Document> assy = store.load("D:\\models\\Assy.CATProduct");
    std::vector<Box> boxes = assy->product().boxes();
    std::vector<Box> expected{
        {{0, 0, 0}, {120, 80, 45}},      {{0, 0, 45}, {10, 80, 60}},       // Bracket.1
        {{200, 0, 0}, {320, 80, 45}},    {{200, 0, 45}, {210, 80, 60}},    // Bracket.2
        {{0, 300, 100}, {10, 310, 140}},                                   // Sub.1/Bolt.1
    };
    EXPECT_EQ(boxes, expected);
}

}  // namespace
}  // namespace qvl::sim::testing
