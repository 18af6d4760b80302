// omenary-cli's printing lives in a module of its own, loaded only by a run that prints: the printer
// support and the widgets it brings would otherwise load with every run.
#pragma once

#include <QString>
#include <string>

#include "core/report/page.h"

namespace omenary::cli {

// The module's file name, and where it stands: beside omenary-cli in the build tree, in the
// program's library folder once installed (relative to the binary's folder).
inline constexpr const char* kPrintModuleName = "omenary-print.so";
inline constexpr const char* kPrintModuleFromBin = OMENARY_PRINT_MODULE_FROM_BIN;

// The one function the module exports: qt::PrintThroughQueue.
inline constexpr const char* kPrintFunctionName = "omenary_print_through_queue";
using PrintFunction = void (*)(const report::Page& page, const std::string& printer,
                               const QString& documentName, std::string& failure);

}  // namespace omenary::cli
