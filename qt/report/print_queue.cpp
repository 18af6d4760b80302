#include "qt/report/print_queue.h"

#include <cups/cups.h>

#include <QPrinter>
#include <cstring>

namespace omenary::qt {

PrinterJob::PrinterJob(QPrinter& printer) : printer_(printer), pages_(printer) {}

std::optional<PrintFailure> PrinterJob::Refusal() const {
    const QByteArray name = printer_.printerName().toLocal8Bit();
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
    return refuses ? std::optional(PrintFailure{true, reason}) : std::nullopt;
}

bool PrinterJob::End() {
    return pages_.End() && printer_.printerState() != QPrinter::Error;
}

std::optional<PrintFailure> PrinterJob::Answer() {
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE) return std::nullopt;
    return PrintFailure{true, std::string(ippErrorString(cupsLastError())) + ": " + cupsLastErrorString()};
}

}  // namespace omenary::qt
