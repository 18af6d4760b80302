// The text a PDF reader finds in a file (poppler's pdftotext): what a user's search would find.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace omenary::testing {

inline std::string PdfText(const std::filesystem::path& pdf) {
    std::string text;
    if (FILE* pipe = popen(("pdftotext -raw " + pdf.string() + " -").c_str(), "r"); pipe != nullptr) {
        char buffer[4096];
        for (std::size_t read = 0; (read = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, read);
        pclose(pipe);
    }
    return text;
}

}  // namespace omenary::testing
