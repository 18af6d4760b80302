#include "core/platform/messages.h"

namespace omenary::platform {

bool ShowRefusal(const std::optional<std::string>& refusal, Messages& messages) {
    if (refusal) messages.Show(MessageIcon::Error, *refusal);
    return refusal.has_value();
}

void RecordedMessages::Show(MessageIcon icon, std::string_view text) {
    entries_.push_back({icon, std::string(text)});
}

bool RecordedMessages::Ask(std::string_view text) {
    Show(MessageIcon::Question, text);
    return answer_ ? answer_(text) : false;
}

std::vector<std::string> RecordedMessages::Texts() const {
    std::vector<std::string> texts;
    texts.reserve(entries_.size());
    for (const Entry& entry : entries_)
        texts.push_back(entry.text);
    return texts;
}

}  // namespace omenary::platform
