// The type behind a listed name.
#include "ui/windows/TypeLookup.h"

#include "ui/dialogs/FileText.h"

namespace kestrelon::ui {

std::int32_t lastTypeNamed(const Project& project, const QString& shownName)
{
    std::int32_t found = 0;
    for (std::int32_t i = 1; i <= project.NumTypes(); ++i) {
        if (toQString(project.TypeNames[i]) == shownName)
            found = i;
    }
    return found;
}

} // namespace kestrelon::ui
