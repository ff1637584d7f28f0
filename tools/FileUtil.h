// The tool's own file reads and writes. Every read has a size limit and never
// blocks for good: a pipe nobody writes to ends with a message after a short wait.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Generous ceilings for the tool's inputs.
namespace ReadLimit {
constexpr std::size_t SourceText = 4u << 20;   // a compile source
constexpr std::size_t SettingsText = 1u << 20; // an INI for a module
// The largest picture the decoders accept (8192 x 8192 at 4 bytes), plus headers.
constexpr std::size_t Picture = 8192u * 8192u * 4u + (1u << 20);
} // namespace ReadLimit

struct FileRead {
    std::string Bytes;
    std::string Error;     // German, naming the file; empty on success
    bool TooLarge = false; // the input holds more than the limit
    bool ok() const { return Error.empty(); }
};

// Reads the whole input: a file, a pipe or a device. A stream that gives no data
// for `idleMilliseconds` is an error, as is an input longer than `limit`.
FileRead ReadInputFile(const std::string& path, std::size_t limit, int idleMilliseconds = 3000);

// Writes all the bytes or leaves the file as it was; executable marks a new
// file runnable. False with a message naming the file and the reason.
bool WriteWholeFile(const std::string& path, const std::string& bytes, bool executable,
                    std::string& error);

// Empty when writing `output` destroys none of the inputs, else the refusal.
std::string OutputIsInput(const std::string& output, const std::vector<std::string>& inputs);

// "command: message" on stderr. Messages carry names and texts from outside:
// their control characters are shown escaped, never obeyed by the terminal.
void Complain(const char* command, const std::string& message);
