#pragma once

#include <QtGlobal>

// Where the emulator is reached: port forwardings of its virtual machine on
// the host's loopback address, the WebSocket to the remote D-Bus invoker over
// TCP and the camera stream over UDP.
namespace EmulationManagement::Constants {

const char emulatorHost[] = "127.0.0.1";
constexpr quint16 tcpHostPort = 5454;
constexpr quint16 udpHostPort = 34343;

} // namespace EmulationManagement::Constants
