#pragma once

namespace Core::Constants {

const char C_GLOBAL[] = "Global Context";
const char M_TOOLS[] = "QtCreator.Menu.Tools";

} // namespace Core::Constants
