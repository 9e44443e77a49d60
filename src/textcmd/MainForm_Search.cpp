// Find, Find Next, Replace and Go to Line.
#include "app/MainForm.h"

namespace app {

void TMainForm::CloseTextCommands() {}

}  // namespace app
