#pragma once
// What levelc has to say about a file: one message per fault, with the line
// of the source text it lies on (0 where there is no line, as in a binary
// level file). Printed the way compilers print, so editors can jump to it.
#include <ostream>
#include <string>
#include <vector>

struct TDiagnostic {
    int Line = 0;
    std::string Message;
};

using TDiagnostics = std::vector<TDiagnostic>;

// "FILE:LINE: error: MESSAGE", or "FILE: error: MESSAGE" without a line.
std::string FormatDiagnostic(const std::string& file, const TDiagnostic& d);
void PrintDiagnostics(std::ostream& out, const std::string& file, const TDiagnostics& all);
