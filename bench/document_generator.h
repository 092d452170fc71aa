// A seeded, generated scene for the document benchmarks: many objects of
// shapes of every vector type, each with one effect and four points.
#pragma once

#include <cstdint>
#include <vector>

#include "document/scene.h"

namespace tavisk::bench {

std::vector<sObject> GenerateDocumentScene(int shapeCount, uint32_t seed);

}  // namespace tavisk::bench
