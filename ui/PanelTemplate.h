#pragma once
// Dialog template 102: the tuning panel with its 63 controls. The order of the controls is the
// tab order and decides where each radio group ends, so it is part of the template's contract.

#include "platform/win/DialogTemplate.h"

platform::DialogTemplateData panelTemplate();
