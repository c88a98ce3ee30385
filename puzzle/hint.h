// How the hint window reads an error code ("24": house 2, cigarettes).
#pragma once

#include <string>

namespace mud {

struct HintFields {
    std::string house;      // the house digit, no blanks around it
    std::string attribute;  // the attribute's name, or empty
};

// Only the first and the last character count. A character that is not a
// digit reads as 0; an attribute digit outside 1..5 leaves the name empty.
HintFields readErrorCode(const std::string& code);

}  // namespace mud
