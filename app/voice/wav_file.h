#pragma once
// RIFF WAVE files of 16-bit PCM: synthesized speech kept for checking by ear.
#include <filesystem>
#include <optional>

#include "app/voice/pcm_buffer.h"

namespace ravlo {

// Writes a mono 16-bit file (through a temporary file, so a failed write leaves no half
// file); false when it could not be written.
bool writeWav(const std::filesystem::path& file, const PcmBuffer& pcm);

// Reads a 16-bit PCM file; a file of several channels yields its first channel. nullopt for
// anything else.
std::optional<PcmBuffer> readWav(const std::filesystem::path& file);

}  // namespace ravlo
