// The renderer's command line: what to load, where to write, and the settings to write into the
// diagram the way the Parameters dialog's OK writes them (each option sets its member; a later
// option overrides an earlier one).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "diagram/Diagram.h"

struct RenderOptions {
    std::string file;
    std::optional<std::string> png;    // -o
    std::optional<std::string> trace;  // --trace; "-" is standard output
    int width = 800;
    int height = 600;
    bool help = false;
    // The settings, in command-line order.
    std::vector<std::function<void(CDiagram&)>> settings;

    void ApplyTo(CDiagram& d) const {
        for (const auto& set : settings)
            set(d);
    }
};

struct ParseResult {
    std::optional<RenderOptions> options;  // empty on a usage error
    std::string error;                     // what was wrong
};

ParseResult ParseRenderOptions(const std::vector<std::string>& args);

extern const char kRenderUsage[];
