// The framework's strings, registered with the program's resources as a resource compiler
// would have bound them into the executable.

#include "platform/afx/FrameworkStrings.h"
#include "platform/win/Resources.h"

namespace {

const platform::ResourceScript frameworkStrings([] {
    platform::addStringResource(afxNotSupported, "An unsupported operation was attempted.");
    platform::addStringResource(afxFailedToLaunchHelp, "Failed to launch help.");
    platform::addStringResource(afxInternalFailure, "Internal application error.");
    platform::addStringResource(afxParseInteger, "Please enter an integer.");
});

} // namespace
