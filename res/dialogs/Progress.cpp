// The progress window of a save.
#include "platform/DialogTemplate.h"

namespace {

const DialogTemplate& kProgress = RegisterDialogTemplate({227, "Запис", {186, 44}, {
    ProgressBar(1373, {13, 18, 156, 10}),
}});

}  // namespace
