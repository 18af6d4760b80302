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

}  // namespace omenary::cli
