// The program's version record, also written into the Windows resource script.
#pragma once

namespace mud::app {

constexpr const char* kProductName = "Mudrovan";
constexpr const char* kVersion = "1.00";
constexpr const char* kFileVersion = "1.0.0.0";

}  // namespace mud::app
