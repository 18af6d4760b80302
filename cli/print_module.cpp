#include "cli/print_module.h"

#include "qt/report/page_output.h"

extern "C" Q_DECL_EXPORT void omenary_print_through_queue(const omenary::report::Page& page,
                                                          const std::string& printer,
                                                          const QString& documentName, std::string& failure) {
    failure = omenary::qt::PrintThroughQueue(page, printer, documentName);
}
