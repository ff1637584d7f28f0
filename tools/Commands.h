#pragma once

#include <string>
#include <vector>

using Args = std::vector<std::string>;

int InfoCommand(const Args& args);
int PackCommand(const Args& args);
