// The program's version record: the one place the version is written. The
// build reads it from here for the Windows resource script, the package,
// the manual page and the AppStream metainfo.
#pragma once

namespace mud::app {

constexpr const char* kProductName = "Mudrovan";
constexpr const char* kVersion = "1.00";
constexpr const char* kFileVersion = "1.0.0.0";
// The name desktops know the game by: its desktop entry, AppStream id and
// Wayland app id. Reverse-DNS of the project's home, which is a stand-in
// (example.org) until the project has one of its own.
constexpr const char* kAppId = "org.example.mudrovan";

}  // namespace mud::app
