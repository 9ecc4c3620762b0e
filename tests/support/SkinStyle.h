#pragma once

// Loads the built skin plugin and installs its style sheets on the application
// the way start-up does, so that layout tests see the real paddings and sizes.
namespace SkinStyle {

// False when the plugin could not be loaded.
bool apply();

} // namespace SkinStyle
