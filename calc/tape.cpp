#include "calc/tape.h"

#include "calc/result_line.h"

namespace calc {

std::string copiedResult(const TapeEntry& entry) {
    if (!entry.result)
        return {};
    if (entry.hexadecimalResult())
        return std::string(result_line::hexadecimalPrefix) + *entry.result;
    if (entry.operation == TapeEntry::Operation::ToDecimal)
        return std::string(result_line::decimalPrefix) + *entry.result;
    return *entry.result;
}

} // namespace calc
