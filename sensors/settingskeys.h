#pragma once

// The keys of the values kept between runs, below the plug-in's settings group.
namespace EmulationManagement::Internal::SettingsKeys {

// The group of the IDE settings the values are kept in.
const char group[] = "emulationmanagement";

const char accelerometerX[] = "accelerometer_x";
const char accelerometerY[] = "accelerometer_y";
const char accelerometerZ[] = "accelerometer_z";
const char alsLux[] = "als";
const char gyroscopeX[] = "gyroscope_x";
const char gyroscopeY[] = "gyroscope_y";
const char gyroscopeZ[] = "gyroscope_z";
const char magneticFieldX[] = "magnetic_field_x";
const char magneticFieldY[] = "magnetic_field_y";
const char magneticFieldZ[] = "magnetic_field_z";
const char magnetometerX[] = "magnetometer_x";
const char magnetometerY[] = "magnetometer_y";
const char magnetometerZ[] = "magnetometer_z";
const char magnetometerCalibrationLevel[] = "magnetometer_calib_level";
const char proximityReflectance[] = "proximity_reflectance";
const char tapDirection[] = "tap";

const char gpsLatitude[] = "gps_latitude";
const char gpsLongitude[] = "gps_longitude";
const char gpsAltitude[] = "gps_altitude";

const char modelRotationX[] = "model_rotation_x";
const char modelRotationY[] = "model_rotation_y";
const char modelRotationZ[] = "model_rotation_z";
const char modelPositionX[] = "model_position_x";
const char modelPositionY[] = "model_position_y";
const char modelPositionZ[] = "model_position_z";

const char doNotShowAgainResetSensorsDialog[] = "do_not_show_again_reset_sensors_dialog";

} // namespace EmulationManagement::Internal::SettingsKeys
