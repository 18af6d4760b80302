// Message boxes and the beep, as the core asks for them. The window shows real boxes; the CLI and the
// tests record what would have been shown.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace omenary::platform {

enum class MessageIcon { Error, Warning, Information, Question };

class Messages {
  public:
    virtual ~Messages() = default;
    // A modal box with the icon and one OK button; returns when the user closed it.
    virtual void Show(MessageIcon icon, std::string_view text) = 0;
    // A modal box with the question icon and one OK button. True when the user pressed OK, false
    // when he closed the box instead (its close box or Escape): he gave up.
    virtual bool Ask(std::string_view text) = 0;
    // A question the user may say no to: OK and a cancel button both shown. True for OK.
    virtual bool Confirm(std::string_view text) = 0;
    virtual void Beep() = 0;
};

// An input's refusal, when there is one, shown as an error; whether there was one.
bool ShowRefusal(const std::optional<std::string>& refusal, Messages& messages);

// Keeps every message and beep in order instead of showing them.
class RecordedMessages final : public Messages {
  public:
    struct Entry {
        MessageIcon icon;
        std::string text;
    };

    // Nobody is there to answer a question unless a test says how: by default it is given up.
    using Answer = std::function<bool(std::string_view question)>;

    void Show(MessageIcon icon, std::string_view text) override;
    // Recorded like a message with the question icon, then answered.
    bool Ask(std::string_view text) override;
    bool Confirm(std::string_view text) override { return Ask(text); }
    void Beep() override { ++beeps_; }
    void SetAnswer(Answer answer) { answer_ = std::move(answer); }

    const std::vector<Entry>& Entries() const { return entries_; }
    std::vector<std::string> Texts() const;
    int Beeps() const { return beeps_; }

  private:
    std::vector<Entry> entries_;
    int beeps_ = 0;
    Answer answer_;
};

}  // namespace omenary::platform
