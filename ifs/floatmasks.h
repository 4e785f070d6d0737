#pragma once

#include <cstdint>

// The floating-point state the math trap rewrites so a faulting instruction
// resumes with every exception masked, the same on every system.
constexpr std::uint32_t kSseMaskAll = 0x1f80; // MXCSR exception masks
constexpr std::uint32_t kSseFlags = 0x003f;   // MXCSR exception flags
constexpr std::uint16_t kX87MaskAll = 0x003f; // x87 control word masks
constexpr std::uint16_t kX87Flags = 0x00ff;   // x87 status word flags and summary
