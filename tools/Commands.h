#pragma once

#include <string>
#include <vector>

using Args = std::vector<std::string>;

int InfoCommand(const Args& args);
int PackCommand(const Args& args);
int CompileCommand(const Args& args);
int RenderCommand(const Args& args);
int PrintCommand(const Args& args);
int CluesCommand(const Args& args);
int ImportCommand(const Args& args);
