// A print queue of the system's CUPS that refuses every job, added for one test and removed after it.
// Where there is no scheduler, or no right to add a queue, the test says why it skips.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace omenary::testing {

class RefusingQueue {
  public:
    RefusingQueue() : name_("omenary-refusing-" + std::to_string(::getpid())) {
        if (std::system("lpstat -r 2>/dev/null | grep -q 'scheduler is running'") != 0) {
            skipReason_ = "no CUPS scheduler is running (packages cups, cups-client)";
        } else if (std::system(("lpadmin -p " + name_ + " -v file:/dev/null -E 2>/dev/null && cupsreject " +
                                name_ + " 2>/dev/null")
                                   .c_str()) != 0) {
            skipReason_ = "no queue may be added here (lpadmin needs admin rights and FileDevice Yes)";
        }
    }
    ~RefusingQueue() {
        if (skipReason_.empty()) (void)std::system(("lpadmin -x " + name_ + " 2>/dev/null").c_str());
    }
    RefusingQueue(const RefusingQueue&) = delete;
    RefusingQueue& operator=(const RefusingQueue&) = delete;

    const std::string& Name() const { return name_; }
    // Empty when the queue stands and refuses.
    const std::string& SkipReason() const { return skipReason_; }

  private:
    std::string name_;
    std::string skipReason_;
};

}  // namespace omenary::testing
