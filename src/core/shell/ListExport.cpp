#include "shell/ListExport.h"

#include <algorithm>

namespace kelvaron {

std::string exportText(std::string_view listViewText) {
    std::string bytes;
    bytes.reserve(listViewText.size() +
                  static_cast<std::size_t>(std::count(listViewText.begin(), listViewText.end(), '\n')));
    for (char c : listViewText) {
        if (c == '\n')
            bytes.push_back('\r');
        bytes.push_back(c);
    }
    return bytes;
}

} // namespace kelvaron
