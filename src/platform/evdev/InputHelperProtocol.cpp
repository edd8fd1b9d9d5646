#include "platform/evdev/InputHelperProtocol.h"

#include <charconv>

namespace inputhelper {

std::string triggerLine(const TriggerChoice& trigger) {
    return "trigger " + std::to_string(trigger.code) + ' ' + (trigger.clicksGivenBack ? '1' : '0') +
           ' ' + (trigger.taking ? '1' : '0') + '\n';
}

std::optional<TriggerChoice> parseTrigger(std::string_view line) {
    constexpr std::string_view head = "trigger ";
    if (!line.starts_with(head))
        return std::nullopt;
    line.remove_prefix(head.size());
    TriggerChoice trigger;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), trigger.code);
    const std::string_view flags(end, std::size_t(line.data() + line.size() - end));
    // Only mouse buttons: a keyboard's key is never ours to keep back.
    if (error != std::errc() || trigger.code < BTN_MOUSE || trigger.code > BTN_TASK ||
        flags.size() != 4 || flags[0] != ' ' || flags[2] != ' ' ||
        (flags[1] != '0' && flags[1] != '1') || (flags[3] != '0' && flags[3] != '1'))
        return std::nullopt;
    trigger.clicksGivenBack = flags[1] == '1';
    trigger.taking = flags[3] == '1';
    return trigger;
}

} // namespace inputhelper
