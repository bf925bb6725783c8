#pragma once

// The readings a fresh emulator starts with. The models, the manager's reset
// and the settings store all use them, so that a first connection with
// nothing stored sends the same readings as a reset.
namespace EmulationManagement::Internal::SensorDefaults {

constexpr int accelerometerX = 0;
constexpr int accelerometerY = 0;
constexpr int accelerometerZ = 1000;
constexpr int alsLux = 100;
constexpr double gyroscopeX = 0;
constexpr double gyroscopeY = 0;
// 0.02 rad/s in degrees per second.
constexpr double gyroscopeZ = 1.1459155902616465;
constexpr double magneticFieldX = 0;
constexpr double magneticFieldY = 5.95;
constexpr double magneticFieldZ = -48.76;
constexpr double magnetometerX = 4.3e-05;
constexpr double magnetometerY = 0;
constexpr double magnetometerZ = 0;
constexpr int magnetometerCalibrationLevel = 0;
constexpr int proximityReflectance = 5;
constexpr int tapDirection = -1;

} // namespace EmulationManagement::Internal::SensorDefaults
