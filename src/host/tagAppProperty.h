#pragma once

#include <string>

namespace upgrade {

// What the program tells the update server about itself.
struct tagAppProperty
{
    int nReserved = 0;
    int nVersionType = 0;
    std::string strProductName; // "Mirelda"
    std::string strVersion;     // the running version, e.g. "4.0.0.50"
};

} // namespace upgrade
