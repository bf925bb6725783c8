#pragma once

// How long a test waits for an event before it gives up. A passing test never
// waits it out, so it is long enough for a machine busy with other builds.
inline constexpr int eventTimeoutMs = 60000;
