#pragma once

#include <optional>
#include <string>

std::optional<std::string> ReadWholeFile(const std::string& path);
// Writes the bytes; executable marks the file runnable. False with a message on failure.
bool WriteWholeFile(const std::string& path, const std::string& bytes, bool executable,
                    std::string& error);
