#include "tests/platform/afx/AfxTestApp.h"

#include "platform/win/Resources.h"

void registerTestDialog(const harness::DialogTemplateData& data) {
    platform::addDialogResource(testDialogId, platform::writeDialogTemplate(data));
}
