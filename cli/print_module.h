// omenary-cli's printing lives in a module of its own, loaded only by a run that prints: the printer
// support and the widgets it brings would otherwise load with every run.
#pragma once

#include <QString>
#include <string>

#include "core/report/page.h"

namespace omenary::cli {

// The module's file name; it stands beside omenary-cli in the build tree and in the program's library
// folder once installed.
inline constexpr const char* kPrintModuleName = "omenary-print.so";

// The one function the module exports: qt::PrintThroughQueue.
inline constexpr const char* kPrintFunctionName = "omenary_print_through_queue";
using PrintFunction = void (*)(const report::Page& page, const std::string& printer,
                               const QString& documentName, std::string& failure);

// And one that opens a job of many pages: null, with the reason in failure, when there is no such
// printer. The caller deletes the job.
class PrintJob {
  public:
    virtual ~PrintJob() = default;
    virtual bool Add(const report::Page& page) = 0;
    // Empty once the whole job went to the queue; else what went wrong.
    virtual std::string Finish() = 0;
};
inline constexpr const char* kOpenJobFunctionName = "omenary_open_print_job";
using OpenJobFunction = PrintJob* (*)(const std::string& printer, const QString& documentName,
                                      std::string& failure);

}  // namespace omenary::cli
