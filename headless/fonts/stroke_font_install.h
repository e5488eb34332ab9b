// The host's stroke fonts are made from the Hershey fonts on first use and
// kept in the host folder, where LoadFile finds them as "#name".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vxh {

// Where the .jhf files are read from: VORLIX_HERSHEY_DIR, else
// /usr/share/hershey-fonts (package hershey-fonts-data).
std::string HersheyFolder();

// The stroke fonts this host can make, in table order.
const std::vector<std::string>& BuiltInStrokeFonts();

// Makes the font file at path from its Hershey source when the name (without
// "#", case ignored) is a built-in stroke font. Returns false for other
// names; throws BadInput when the source is missing or damaged, HostFault
// when the file cannot be written.
bool InstallStrokeFont(std::string_view name, const std::string& path);

// Makes the file of a built-in font unless it exists. Never throws: a
// failure is reported once on stderr and the file stays missing.
void EnsureStrokeFontFile(std::string_view name, const std::string& path);

}  // namespace vxh
