#include "qt/report/print_queue.h"

#include <cups/cups.h>

#include <cstring>

namespace omenary::qt {

std::optional<std::string> QueueRefusesJobs(const QString& printerName) {
    const QByteArray name = printerName.toLocal8Bit();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (dest == nullptr) return std::nullopt;
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool refuses = accepting != nullptr && std::strcmp(accepting, "false") == 0;
    std::string reason;
    if (refuses) {
        const char* message = cupsGetOption("printer-state-message", dest->num_options, dest->options);
        reason = message != nullptr && *message != '\0' ? message : "not accepting jobs";
    }
    cupsFreeDests(1, dest);
    return refuses ? std::optional(reason) : std::nullopt;
}

std::optional<std::string> QueueRefusedTheJob() {
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE) return std::nullopt;
    return std::string(ippErrorString(cupsLastError())) + ": " + cupsLastErrorString();
}

}  // namespace omenary::qt
