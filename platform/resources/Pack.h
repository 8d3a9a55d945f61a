#pragma once
// The pack: the binary form of a ResourceSet that rcpack embeds in a program or writes as a
// language file. LoadResourcePack (Resources.h) reads it back.
//
// Layout, little-endian: "SVRP", version (u32), body length (u32), CRC-32 of the body (u32); the
// body is an entry count (u32) and entries of kind (u8), id (i32), payload length (u32), payload.

#include "platform/resources/Resources.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

inline constexpr std::string_view kPackMagic = "SVRP";
inline constexpr std::uint32_t kPackVersion = 1;

std::string WriteResourcePack(const ResourceSet& resources);

} // namespace platform
