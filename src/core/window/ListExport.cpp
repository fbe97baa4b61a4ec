#include "core/window/ListExport.h"

#include "core/file/AtomicFile.h"
#include "core/platform/Prompter.h"
#include "core/text/PathText.h"

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

bool exportList(const std::filesystem::path& path, std::string_view listViewText, Prompter& prompter) {
    if (writeFileAtomically(path, exportText(listViewText)) == WriteFileStatus::Written)
        return true;
    prompter.error(cannotWriteMessage(path));
    return false;
}

} // namespace kelvaron
