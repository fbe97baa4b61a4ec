#include "core/window/ListExport.h"

#include "core/engine/ExportText.h"
#include "core/file/AtomicFile.h"
#include "core/platform/Prompter.h"
#include "core/text/PathText.h"

namespace kelvaron {

bool exportList(const std::filesystem::path& path, std::string_view listViewText, Prompter& prompter) {
    if (writeFileAtomically(path, exportText(listViewText)) == WriteFileStatus::Written)
        return true;
    prompter.error(cannotWriteMessage(path));
    return false;
}

} // namespace kelvaron
