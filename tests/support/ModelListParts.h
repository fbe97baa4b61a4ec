// The parts a list text is read with (see ListTextShape.h), taken from the window model that generated it.
#pragma once

#include "core/window/MainWindowModel.h"
#include "support/ListTextShape.h"

namespace kelvaron::test {

inline ListTextParts listTextPartsOf(const MainWindowModel& model) {
    ListTextParts parts{model.design.perCenterLists,
                        model.blockSeparatorLine(),
                        model.centerLinePrefix(),
                        {model.armDescriptionHeading()}};
    for (const TStudyArm& arm : model.design.arms.visible())
        parts.descriptions.push_back(arm.description);
    return parts;
}

} // namespace kelvaron::test
