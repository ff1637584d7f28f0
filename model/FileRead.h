// Reading a whole file into memory with a size limit and without waiting for
// ever: regular files, pipes, process substitution, named pipes and devices.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

enum class FileReadStatus {
    Ok,
    Missing,     // no such file
    IsDirectory, // a directory, not a file
    CannotOpen,  // exists but opening failed (permissions)
    Failed,      // reading failed part-way
    TooLarge,    // more than MaxBytes (after Skip)
    TimedOut,    // a stream delivered nothing for WaitMs, or took longer than TotalMs
};

struct FileReadLimits {
    std::int64_t MaxBytes = 0;
    // Bytes at the start that are not wanted: seeked over in a regular file,
    // read and dropped from a stream. They do not count toward MaxBytes.
    std::int64_t Skip = 0;
    // A stream (pipe, named pipe, device) that delivers nothing for this long
    // has failed: a named pipe nobody writes to ends here instead of blocking.
    int WaitMs = 2000;
    // However slowly a stream trickles, the read ends after this long.
    int TotalMs = 10000;
    // TooLarge keeps the first MaxBytes bytes (else Bytes is empty).
    bool KeepPrefix = false;
    // Judges the bytes read so far (after Skip) before each read: how many it
    // needs to judge them (reading goes on only to there), 0 when the rest is
    // wanted, or -1 when it is not: the read ends at once, Ok with the bytes so
    // far. A file with a wrong header is thus read no further than its header.
    std::function<std::int64_t(std::string_view bytes)> Wanted;
};

struct FileReadResult {
    FileReadStatus Status = FileReadStatus::Failed;
    std::string Bytes;
    int Errno = 0; // the system's error number for CannotOpen and Failed
};

FileReadResult ReadFileBounded(const std::string& path, const FileReadLimits& limits);

// A German sentence naming the file for every status but Ok (UTF-8).
std::string FileReadMessage(const FileReadResult& result, const std::string& path,
                            const FileReadLimits& limits);
