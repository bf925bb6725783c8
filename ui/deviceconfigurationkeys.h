#pragma once

namespace EmulationManagement::Constants {

// The key that names the device model in the device configuration files
// beside the IDE (sensor tables, 3D model configurations).
const char deviceNameKey[] = "device-name";

} // namespace EmulationManagement::Constants
