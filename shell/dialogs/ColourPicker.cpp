#include "shell/dialogs/ColourPicker.h"

#include "shell/dialogs/QtColour.h"

#include <QColorDialog>

namespace qb {

std::optional<Colour> PickColour(Colour initial, QWidget* parent)
{
    QColorDialog picker(QColorOf(initial), parent);
    picker.setOption(QColorDialog::DontUseNativeDialog);
    if (picker.exec() != QDialog::Accepted)
        return std::nullopt;
    return ColourOf(picker.selectedColor());
}

std::optional<Colour> PickColour(Colour initial, CustomColours& custom, QWidget* parent)
{
    // The picker's custom colours are shared by every picker of the process.
    for (int i = 0; i < kCustomColourCount; ++i)
        QColorDialog::setCustomColor(i, QColorOf(custom[static_cast<std::size_t>(i)]));
    const std::optional<Colour> chosen = PickColour(initial, parent);
    if (!chosen)
        return std::nullopt;
    for (int i = 0; i < kCustomColourCount; ++i)
        custom[static_cast<std::size_t>(i)] = ColourOf(QColorDialog::customColor(i));
    return chosen;
}

} // namespace qb
