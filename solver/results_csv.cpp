#include "thalmuro/engine.h"

#include <charconv>
#include <cmath>

namespace thalmuro {
namespace {

// The columns after the riser number: the header's text and the store's array.
struct CsvColumn {
    const std::string ResultsCsvHeader::*header;
    const RiserArray DiffuserResults::*values;
};

constexpr CsvColumn kColumns[] = {
    {&ResultsCsvHeader::specific_energy, &DiffuserResults::specific_energy},
    {&ResultsCsvHeader::cd, &DiffuserResults::cd},
    {&ResultsCsvHeader::pipe_velocity, &DiffuserResults::v_diffuser},
    {&ResultsCsvHeader::riser_velocity, &DiffuserResults::v_riser},
    {&ResultsCsvHeader::discharge, &DiffuserResults::q_riser},
    {&ResultsCsvHeader::froude, &DiffuserResults::froude},
};

// The shortest text that reads back as `value` exactly, in the regional format: std::to_chars
// never consults the C library's locale, and its "." becomes the decimal separator.
std::string roundTripText(double value, const NumberLocale& locale) {
    if (!std::isfinite(value)) return {};
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text;
    for (const char* c = buffer; c != result.ptr; ++c) {
        if (*c == '.') {
            text += locale.decimal_separator;
        } else {
            text += *c == 'e' ? 'E' : *c;
        }
    }
    return text;
}

}  // namespace

std::string resultsCsv(const DiffuserResults& results, const NumberLocale& locale,
                       const ResultsCsvHeader& header) {
    const std::string separator = locale.decimal_separator == "," ? ";" : ",";
    std::string csv = "\xEF\xBB\xBF" + header.riser;
    for (const CsvColumn& column : kColumns) {
        csv += separator;
        csv += header.*column.header;
    }
    csv += "\r\n";
    const int n = results.n_risers;
    if (n < 1 || n > kMaxRisers) return csv;
    for (int riser = 1; riser <= n; ++riser) {
        csv += formatCount(riser);
        for (const CsvColumn& column : kColumns) {
            csv += separator;
            csv += roundTripText((results.*column.values)[static_cast<std::size_t>(riser - 1)],
                                 locale);
        }
        csv += "\r\n";
    }
    return csv;
}

}  // namespace thalmuro
