#include "core/engine/ExportText.h"

#include <algorithm>

namespace kelvaron {

std::string exportText(std::string_view listViewText) {
    // Whole lines at a time with memchr and memcpy: a list of millions of lines is converted at the
    // speed of copying.
    std::size_t lineBreaks = 0;
    for (auto at = listViewText.find('\n'); at != std::string_view::npos;
         at = listViewText.find('\n', at + 1))
        ++lineBreaks;
    std::string bytes(listViewText.size() + lineBreaks, '\0');
    char* out = bytes.data();
    for (std::size_t start = 0; start < listViewText.size();) {
        const std::size_t found = listViewText.find('\n', start);
        const std::size_t end = found == std::string_view::npos ? listViewText.size() : found;
        out = std::copy(listViewText.data() + start, listViewText.data() + end, out);
        if (found != std::string_view::npos) {
            *out++ = '\r';
            *out++ = '\n';
        }
        start = end + 1;
    }
    return bytes;
}

} // namespace kelvaron
