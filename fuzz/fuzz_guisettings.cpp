// The window's layout file: any text, as a damaged or hand-edited file might hold.
#include "fuzzing.h"
#include "guisettings.h"

#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const GuiSettings settings(QString::fromUtf8(reinterpret_cast<const char *>(data), int(size)));
    for (const LabelSpec &label : settings.labels) {
        const LabelSpec *found = settings.findLabel(label.id);
        FUZZ_CHECK(found && found->id == label.id);
        FUZZ_CHECK(settings.labelText(label.id) == found->text);
    }
    for (const CircleSpec &circle : settings.circles)
        FUZZ_CHECK(!circleSpecText(circle).isEmpty());
    guiSettingsText(settings);
    return 0;
}
