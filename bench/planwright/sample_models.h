#pragma once

#include <string>
#include <vector>

#include "headless/virtual_disk.h"

namespace qvl::bench {

// The models of a benchmark batch, as the work list receives them.
struct SampleBatch {
    std::vector<std::string> paths;  // Windows paths, in list order
    int singleBodyParts = 0;
    int multiBodyParts = 0;
    int bodiesOfMultiBodyParts = 0;  // each is projected again on its own
    int assemblies = 0;
};

// Writes `count` model files into `windowsFolder` of the disk: seven box shapes of single-body
// parts (plates, brackets, shafts, blocks with a boss, small cubes, channels and large frames
// that need a reduced scale) in sizes drawn from a fixed seed. Of every ten models the eighth and
// ninth are parts of two or three bodies and the tenth is an assembly of two to four of the
// single-body parts listed just before it. The same count always gives the same files.
SampleBatch writeSampleBatch(platform::VirtualDisk& disk, const std::string& windowsFolder, int count);

}  // namespace qvl::bench
