#pragma once
// Dialog template 100: the About box, with the application icon, the version line, a line about
// the tool and its OK button.

#include "platform/win/DialogTemplate.h"

platform::DialogTemplateData aboutTemplate();
