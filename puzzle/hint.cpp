#include "hint.h"

#include "content.h"

namespace mud {

namespace {
int digitValue(char c) { return (c >= '0' && c <= '9') ? c - '0' : 0; }
}  // namespace

HintFields readErrorCode(const std::string& code) {
    const int house = code.empty() ? 0 : digitValue(code.front());
    const int attribute = code.empty() ? 0 : digitValue(code.back());
    return {std::to_string(house), attribute <= kAttributes ? attributeName(attribute) : ""};
}

}  // namespace mud
