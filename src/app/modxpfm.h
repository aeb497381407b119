// Start-up of the platform's themed common controls, before any window exists.
#pragma once

namespace ModXpFm {

// True when the initialisation ran without error. Where the platform has no such library it
// does nothing and returns true.
bool InitXpStyles();

} // namespace ModXpFm
