#pragma once

#include "platform/evdev/FrameFilter.h"

#include <optional>
#include <string>
#include <string_view>

// What Gestrix and the input helper say to each other on the helper's socket, a line at a time.
// Gestrix: "trigger CODE CLICKS TAKING" (the evdev code of the trigger button; 1 when quick
// clicks are given back; 1 when a press would start a gesture now). The helper: "mice N" (how
// many it holds), "press" and "release" (of a gesture's trigger), or "refused" before it closes
// (the caller is not the user at the seat).
namespace inputhelper {

inline constexpr char defaultSocket[] = "/run/gestrix-input.socket";
// Where Gestrix looks for the socket instead (tests run their own helper).
inline constexpr char socketVariable[] = "GESTRIX_INPUT_SOCKET";
// A line longer than this is no line of ours.
inline constexpr std::size_t longestLine = 64;

std::string triggerLine(const TriggerChoice& trigger);
// The trigger a line says, or nothing when it is not such a line.
std::optional<TriggerChoice> parseTrigger(std::string_view line);

} // namespace inputhelper
