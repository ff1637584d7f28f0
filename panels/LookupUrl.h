// The article address of the online encyclopedia for a word, shared by the
// board's and the clue list's look-up commands.
#pragma once

#include <QUrl>

#include <string_view>

// The word (code page 1252) is appended to the article path as it stands.
QUrl LookupUrl(std::string_view word);
