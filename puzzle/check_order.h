// The order in which the answer check visits the 25 cells, and where it may stop.
#pragma once

#include <array>

#include "content.h"

namespace mud {

struct Visit {
    int house;
    int attribute;
    bool stopTestAfter;  // the check may end here once enough wrong cells are counted
};

// Houses 1..5, each in attribute order. The stop tests are not placed alike in
// every house: one in house 1 (after the origin), after colour and drink in
// houses 2, 4 and 5, after colour and cigarettes in house 3.
constexpr std::array<Visit, kHouses * kAttributes> kCheckOrder = {{
    {1, Boja, false}, {1, Poreklo, true},  {1, Pice, false}, {1, Ciga, false}, {1, Ljub, false},
    {2, Boja, true},  {2, Poreklo, false}, {2, Pice, true},  {2, Ciga, false}, {2, Ljub, false},
    {3, Boja, true},  {3, Poreklo, false}, {3, Pice, false}, {3, Ciga, true},  {3, Ljub, false},
    {4, Boja, true},  {4, Poreklo, false}, {4, Pice, true},  {4, Ciga, false}, {4, Ljub, false},
    {5, Boja, true},  {5, Poreklo, false}, {5, Pice, true},  {5, Ciga, false}, {5, Ljub, false},
}};

}  // namespace mud
