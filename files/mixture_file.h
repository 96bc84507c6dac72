// The mixture file: 128 bytes, sixteen IEEE 754 doubles in little-endian
// order whatever the host's byte order: one reserved value, never
// interpreted, then the fifteen entered mole fractions in entry order.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>

namespace corvane {

constexpr std::size_t kMixtureFileSize = 128;

// The block a mixture file holds: [0] the reserved value, [1..15] methane .. oxygen.
using MixtureBlock = std::array<double, 16>;
using MixtureFileBytes = std::array<unsigned char, kMixtureFileSize>;

// The mixture files' default extension: a path whose last component (after
// the last "/", on Windows also the last backslash) holds no "." gets
// ".dat". Whatever name a face's file dialog answers passes here.
std::string WithMixtureExtension(std::string path);

MixtureFileBytes EncodeMixtureBlock(const MixtureBlock& block);

// Replaces the leading bytes.size() bytes (at most 128) of the block's
// file image and leaves the rest as it was: a double only partly covered
// keeps its remaining old bytes.
void OverlayMixtureBytes(std::span<const unsigned char> bytes, MixtureBlock& block);

// Reads the first 128 bytes (or fewer) of the file over `block`. False, with
// `block` untouched, when the file cannot be opened.
bool ReadMixtureFile(const std::string& path, MixtureBlock& block);

}  // namespace corvane
