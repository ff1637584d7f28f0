// Writing a whole file or nothing: the bytes go into a new file beside the
// target, which takes the target's name only once every byte is written. A
// failed write leaves the target as it was and nothing beside it. Names are
// taken byte for byte, as the readers take them.
#pragma once

#include <string>
#include <string_view>

// False with a German reason ("kein Platz mehr auf dem Datenträger") when the
// bytes could not all be written. A target that is no regular file (a device,
// a pipe) is written directly; `executable` makes a new file runnable.
bool WriteFileWhole(const std::string& path, std::string_view bytes, std::string& reason,
                    bool executable = false);

// Whether both names lead to the same existing regular file (also through
// links): writing the one would destroy the other.
bool SameRegularFile(const std::string& a, const std::string& b);

// The German reason for a system error number.
std::string WriteErrorReason(int error);
