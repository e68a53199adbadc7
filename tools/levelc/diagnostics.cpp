#include "diagnostics.h"

std::string FormatDiagnostic(const std::string& file, const TDiagnostic& d)
{
    std::string text = file;
    if (d.Line > 0) text += ":" + std::to_string(d.Line);
    return text + ": error: " + d.Message;
}

void PrintDiagnostics(std::ostream& out, const std::string& file, const TDiagnostics& all)
{
    for (const TDiagnostic& d : all) out << FormatDiagnostic(file, d) << '\n';
}
