// The settings a module carries, from the UTF-8 INI file given to pack.
#pragma once

#include <string>
#include <string_view>

// The block's text: code page 1252 with CR LF line ends. False with a German
// message when the file is no text or a line holds a character the code page lacks.
bool SettingsBlockFromUtf8(std::string_view utf8, std::string& block, std::string& error);
