// The program's resources on this platform: what a resource script would bind into the
// executable on Windows is registered here while static objects are made, so that
// FindResourceA, LoadIconA and LoadStringA find it before the program starts.

#include "platform/win/Resources.h"
#include "platform/win/DialogTemplate.h"
#include "ui/AboutTemplate.h"
#include "ui/AppIcon.h"
#include "ui/PanelTemplate.h"
#include "ui/ResourceIds.h"

static const platform::ResourceScript resources([] {
    platform::addDialogResource(resource::aboutDialog,
                                platform::writeDialogTemplate(aboutTemplate()));
    platform::addDialogResource(resource::panelDialog,
                                platform::writeDialogTemplate(panelTemplate()));
    platform::addIconResource(resource::appIcon, appIconImages());
    platform::addStringResource(resource::aboutItemText, "&About Skarvel...");
});
