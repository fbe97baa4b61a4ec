// The pages of the main window, in the order of Back and Next.
#pragma once

#include <array>
#include <string_view>

namespace kelvaron {

enum class Page { Design, Arme, Zentren, Block, Zufall, Liste, Info };

inline constexpr std::array kPages = {Page::Design, Page::Arme,  Page::Zentren, Page::Block,
                                      Page::Zufall, Page::Liste, Page::Info};

// The component name of a page, e.g. "TabSheetDesign".
[[nodiscard]] constexpr std::string_view pageName(Page page) {
    switch (page) {
    case Page::Design:
        return "TabSheetDesign";
    case Page::Arme:
        return "TabSheetArme";
    case Page::Zentren:
        return "TabSheetZentren";
    case Page::Block:
        return "TabSheetBlock";
    case Page::Zufall:
        return "TabSheetZufall";
    case Page::Liste:
        return "TabSheetListe";
    case Page::Info:
        return "TabSheetInfo";
    }
    return {};
}

} // namespace kelvaron
