// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

// The scripted presentation application that the in-process and the local server
// both serve. It answers the presentation object model from a small built-in
// script and records every call it receives, one line each:
//   <object>.<member as sent> <kind>(<arguments in call order>)
// kind is get (method or property get), put (property put with the named
// argument DISPID_PROPERTYPUT), method, or the raw flags when they are anything
// else; a deviation from the usual result pointer or locale is written too.
namespace scripted {

// Creates scripted application objects.
IClassFactory& factory();
// The calls so far, each line ending in '\n'.
std::wstring& log();
// Scripted objects alive: 0 once every reference was released.
long liveObjects();
long serverLocks();
// Told every new log line, and when the last live object is released.
void setObservers(void (*onLine)(const std::wstring& line), void (*onLastRelease)());

}  // namespace scripted
