#pragma once

#include "transport/emulatorendpoint.h"
#include "ui/deviceconfigurationkeys.h"

#include <QtGlobal>

// The plug-in's fixed names and numbers, in one place for all its parts.
namespace EmulationManagement::Constants {

// The Tools menu entry, inside the sub-menu the SDK's plug-ins share.
const char showViewActionId[] = "EmulationManagement.ShowEmulationManagementView.Action";
const char sdkToolsMenuId[] = "Qel.Tools.Menu";
const char toolsMenuId[] = "QtCreator.Menu.Tools";

// The window's documents, compiled into the plug-in under this resource prefix.
const char resourcePrefix[] = "/emulationmanagement";
const char viewDocument[] = "qml/EmulationManagementView.qml";

// The module the native QML types are registered under.
const char qmlModule[] = "org.mirel";
constexpr int qmlModuleMajorVersion = 1;
constexpr int qmlModuleMinorVersion = 0;

// The port forwardings that carry the emulator's channels to the host's
// loopback address (transport/emulatorendpoint.h).
const char tcpForwardingRule[] = "emulationmanagementtcp";
const char udpForwardingRule[] = "emulationmanagementudp";
constexpr quint16 tcpEmulatorPort = 1234;
constexpr quint16 udpEmulatorPort = 34343;

struct PortForwardingRule
{
    const char *name;
    const char *protocol;
    quint16 hostPort;
    quint16 emulatorPort;
};
// What the plug-in adds to a machine that lacks them, in this order.
constexpr PortForwardingRule portForwardingRules[] = {
    {tcpForwardingRule, "tcp", tcpHostPort, tcpEmulatorPort},
    {udpForwardingRule, "udp", udpHostPort, udpEmulatorPort},
};

} // namespace EmulationManagement::Constants
