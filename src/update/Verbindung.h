#pragma once

#include <functional>

// Whether the system reports a connection to the internet. Where the platform has no backend
// that reports reachability, a connection is assumed and the request itself will fail.
bool InternetVerbunden();

// Replaces the check (tests say "offline" or "online" with it); an empty function restores it.
void setzeVerbindungspruefung(std::function<bool()> pruefung);
