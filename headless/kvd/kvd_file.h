// The native drawing file .kvd (docs/kvd_format.md): settings tables and
// every list's records byte for byte, versioned, fully checked on reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vxh {

class Document;

inline constexpr std::uint32_t kKvdVersion = 1;
inline constexpr int kKvdMaxDepth = 64;  // member lists inside member lists

// Removed entities are left out unless keep_removed is set (undo checks
// compare whole drawings, removed entities included).
std::vector<std::uint8_t> EncodeKvd(const Document& doc, bool keep_removed = false);
// Throws BadInput naming the problem and its byte offset.
std::unique_ptr<Document> DecodeKvd(const std::uint8_t* data, std::size_t size, const std::string& name);

// Writes through a temporary file beside the target (output_file.h); throws
// WriteFailure when the file cannot be written.
void SaveKvd(const Document& doc, const std::string& path);
// Throws BadInput when the file is missing, a folder, unreadable or damaged.
std::unique_ptr<Document> LoadKvd(const std::string& path);

}  // namespace vxh
